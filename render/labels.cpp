// The texts a diagram shows, their styles and the sizes of their boxes.
#include "render/builder_p.h"

// A text of the model as one line, cut to fit.
QString LayoutBuilder::shownText(const QString& text, const Style* style)
{
    return styles_.measure().elided(*style, displayText(text), geometry::maxLabelWidth);
}

bool LayoutBuilder::isArrow(int r) const
{
    return event(r).isArrow();
}

QString LayoutBuilder::arrowLabel(int r)
{
    return shownText(event(r).label, arrowStyle(r));
}

const Style* LayoutBuilder::arrowStyle(int r) const
{
    return styles_.of(event(r).style);
}

QSizeF LayoutBuilder::titleSize(const Column& column)
{
    const QSizeF text = styles_.measure().size(*column.style, column.title);
    return text + QSizeF(2 * geometry::titlePadX, 2 * geometry::titlePadY);
}

QSizeF LayoutBuilder::noteSize(const QString& text, const Style* style)
{
    const QSizeF size = styles_.measure().wrappedSize(*style, displayText(text, true), geometry::noteWidth);
    return size + QSizeF(2 * geometry::notePad + geometry::noteFold, 2 * geometry::notePad);
}

// Glyphs of a failure kind are drawn as warnings.
const Style* LayoutBuilder::glyphStyle(bool warning) const
{
    return styles_.glyph(warning);
}
