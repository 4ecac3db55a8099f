// The texts a diagram shows, their styles and the sizes of their boxes.
#include "render/builder_p.h"

QString LayoutBuilder::objectText(TDFObject* object, double maxWidth, const Style* style)
{
    return styles_.measure().elided(*style, displayText(object->name()), maxWidth);
}

bool LayoutBuilder::arrowEnds(int r, TDFInstance** from, TDFInstance** to) const
{
    TDFObject* object = row(r).object;
    if (TDFMessage* message = object->toMessage()) {
        *from = message->sender;
        *to = message->receiver;
        return true;
    }
    TDFMessageReturn* messageReturn = object->toMessageReturn();
    if (!messageReturn || !messageReturn->message)
        return false;
    *from = messageReturn->message->receiver;
    *to = messageReturn->message->sender;
    return true;
}

// A message shows its own name, else its model's; a return only its own.
QString LayoutBuilder::arrowLabel(int r)
{
    TDFObject* object = row(r).object;
    QString text = object->name();
    TDFMessage* message = object->toMessage();
    if (text.isEmpty() && message && message->model)
        text = message->model->name;
    return styles_.measure().elided(*arrowStyle(r), displayText(text), geometry::maxLabelWidth);
}

const Style* LayoutBuilder::arrowStyle(int r) const
{
    TDFObject* object = row(r).object;
    return styles_.of(object, object->toMessage() ? TCF::MESSAGE_BODY : TCF::MESSAGE_RETURN);
}

const Style* LayoutBuilder::noteStyle(TDFNote* note) const
{
    const bool onInstance = !note->attachedTo || note->attachedTo->toInstance();
    return styles_.of(note, onInstance ? TCF::INSTANCE_NOTE : TCF::MESSAGE_NOTE);
}

QSizeF LayoutBuilder::titleSize(const Column& column)
{
    const QSizeF text = styles_.measure().size(*column.style, column.title);
    return text + QSizeF(2 * geometry::titlePadX, 2 * geometry::titlePadY);
}

QSizeF LayoutBuilder::noteSize(TDFNote* note)
{
    const QSizeF text =
        styles_.measure().wrappedSize(*noteStyle(note), displayText(note->name(), true), geometry::noteWidth);
    return text + QSizeF(2 * geometry::notePad + geometry::noteFold, 2 * geometry::notePad);
}

// The row's event and, for a return, the deletion drawn at it.
std::vector<TDFObject*> LayoutBuilder::rowObjects(int r) const
{
    TDFObject* object = row(r).object;
    std::vector<TDFObject*> objects{object};
    TDFMessageReturn* messageReturn = object->toMessageReturn();
    if (messageReturn && messageReturn->deletion && rowOf(messageReturn->deletion) == r)
        objects.push_back(messageReturn->deletion);
    return objects;
}

// Glyphs of a failure kind are drawn as warnings.
const Style* LayoutBuilder::glyphStyle(TDFGlyph* glyph) const
{
    const int type = glyph->glyphModel ? glyph->glyphModel->type : Glyph::NO_GLYPH_TYPE;
    return styles_.glyph(type != Glyph::NO_GLYPH_TYPE);
}

// "<glyph name>: <text>", or whichever of the two there is.
QString LayoutBuilder::glyphText(TDFGlyph* glyph)
{
    const QString kind = glyph->glyphModel ? glyph->glyphModel->name : QString();
    const QString text = glyph->name();
    const QString joined = kind.isEmpty() || text.isEmpty() ? kind + text : kind + QLatin1String(": ") + text;
    return styles_.measure().elided(*glyphStyle(glyph), displayText(joined), geometry::maxLabelWidth);
}
