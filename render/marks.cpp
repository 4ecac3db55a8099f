// Actions, synchronisations, deletion crosses, and the notes and glyphs of
// the rows: below a drawn event, or on their instance's lifeline.
#include "render/builder_p.h"

#include <algorithm>

void LayoutBuilder::buildMarks()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        TDFObject* object = row(r).object;
        switch (kinds_[std::size_t(r)]) {
        case RowKind::Action:
            addAction(r, object->toAction());
            break;
        case RowKind::Sync:
            addSync(r, object->toSynchronisation());
            break;
        case RowKind::Deletion:
            addCrosses(r, object);
            break;
        case RowKind::Note:
        case RowKind::Glyph:
            addOwnRowDecoration(r);
            break;
        default:
            break;
        }
        TDFMessageReturn* messageReturn = object->toMessageReturn();
        if (messageReturn && rowOf(messageReturn->deletion) == r)
            addCrosses(r, messageReturn->deletion);
        addAnnotations(r);
    }
}

double LayoutBuilder::columnX(const TDFInstance* instance) const
{
    return layout_.columns[std::size_t(std::max(columnOf(instance), 0))].x;
}

void LayoutBuilder::addAction(int r, TDFAction* action)
{
    Box box{Box::Action, action, styles_.of(action, TCF::ACTION), r, {}, {}};
    box.text = objectText(action, geometry::maxLabelWidth, box.style);
    box.rect = QRectF(QPointF(),
                      styles_.measure().size(*box.style, box.text)
                          + QSizeF(2 * geometry::actionPadX, 2 * geometry::actionPadY));
    box.rect.moveCenter(QPointF(columnX(action->instance), row(r).y));
    layout_.boxes.push_back(box);
}

// A bar from the leftmost to the rightmost lifeline it joins, its name above.
void LayoutBuilder::addSync(int r, TDFSynchronisation* sync)
{
    std::vector<double> xs;
    for (TDFInstance* instance : *sync->instances) {
        if (columnOf(instance) >= 0)
            xs.push_back(columnX(instance));
    }
    if (xs.empty())
        return;
    const auto [left, right] = std::minmax_element(xs.begin(), xs.end());
    SyncBar bar{sync, styles_.of(sync, TCF::SYNCHRONISATION), r, {}, {}, {}};
    bar.bar = QRectF(*left - geometry::syncOverhang, row(r).y - geometry::syncThickness / 2,
                     *right - *left + 2 * geometry::syncOverhang, geometry::syncThickness);
    bar.label = objectText(sync, geometry::maxLabelWidth, bar.style);
    const QSizeF label = styles_.measure().size(*bar.style, bar.label);
    bar.labelBox = QRectF(
        QPointF(bar.bar.center().x() - label.width() / 2, bar.bar.top() - geometry::labelLift - label.height()), label);
    layout_.syncs.push_back(bar);
}

void LayoutBuilder::addCrosses(int r, TDFObject* deletion)
{
    if (TDFInstanceDelete* single = deletion->toInstanceDelete())
        addCross(r, deletion, single->instance);
    TDFInstanceDeleteAll* all = deletion->toInstanceDeleteAll();
    if (!all || !all->deletedInstances)
        return;
    for (TDFInstance* instance : *all->deletedInstances)
        addCross(r, deletion, instance);
}

void LayoutBuilder::addCross(int r, TDFObject* deletion, TDFInstance* instance)
{
    const int column = instance ? columnOf(instance) : -1;
    if (column > 0)
        layout_.crosses.push_back({deletion, styles_.of(deletion, TCF::INSTANCE_DELETE), r, column,
                                   QPointF(layout_.columns[std::size_t(column)].x, row(r).y)});
}

// Glyph lines, then note boxes, stacked below the row from its left end.
void LayoutBuilder::addAnnotations(int r)
{
    double top = annotationTops_[std::size_t(r)];
    const double left = anchorLeft(r);
    for (TDFObject* drawn : rowObjects(r)) {
        if (TDFGlyph* glyph = drawn->glyph) {
            const double height = std::max(geometry::markSize, styles_.measure().lineHeight(*glyphStyle(glyph)));
            addMark(r, glyph, QPointF(left + geometry::markSize / 2, top + height / 2));
            top += height + geometry::annotationGap;
        }
        if (TDFNote* note = drawn->note) {
            addNote(r, note, QPointF(left, top));
            top += layout_.boxes.back().rect.height() + geometry::annotationGap;
        }
    }
}

// The left end of what the row draws, where its notes and glyphs start.
double LayoutBuilder::anchorLeft(int r) const
{
    TDFInstance* from = nullptr;
    TDFInstance* to = nullptr;
    if (arrowEnds(r, &from, &to))
        return std::min(columnX(from), columnX(to)) + geometry::noteOffset;
    TDFInstanceDelete* deletion = row(r).object->toInstanceDelete();
    return columnX(deletion ? deletion->instance : nullptr) + geometry::noteOffset;
}

// A note or glyph with a row of its own sits on the lifeline of its instance,
// or of the world when it belongs to none.
void LayoutBuilder::addOwnRowDecoration(int r)
{
    TDFObject* object = row(r).object;
    TDFNote* note = object->toNote();
    TDFObject* owner = note ? note->attachedTo : object->toGlyph()->attachedTo;
    const double x = columnX(owner ? owner->toInstance() : nullptr);
    if (note) {
        addNote(r, note, QPointF(x + geometry::noteOffset, row(r).y - noteSize(note).height() / 2));
        return;
    }
    addMark(r, object->toGlyph(), QPointF(x, row(r).y));
}

void LayoutBuilder::addNote(int r, TDFNote* note, QPointF topLeft)
{
    layout_.boxes.push_back(
        {Box::Note, note, noteStyle(note), r, QRectF(topLeft, noteSize(note)), displayText(note->name(), true)});
}

void LayoutBuilder::addMark(int r, TDFGlyph* glyph, QPointF centre)
{
    Mark mark{glyph, glyphStyle(glyph), r, false, centre, {}, {}};
    mark.warning = mark.style == styles_.glyph(true);
    mark.label = glyphText(glyph);
    const QSizeF label = styles_.measure().size(*mark.style, mark.label);
    mark.labelBox = QRectF(QPointF(centre.x() + geometry::markSize, centre.y() - label.height() / 2), label);
    layout_.marks.push_back(mark);
}
