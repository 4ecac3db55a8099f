// Actions, synchronisations, deletion crosses, and the notes and glyphs of
// the rows: below a drawn event, or on their own row on a lifeline.
#include "render/builder_p.h"

#include <algorithm>

void LayoutBuilder::buildMarks()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        switch (kinds_[std::size_t(r)]) {
        case RowKind::Action:
            addAction(r);
            break;
        case RowKind::Sync:
            addSync(r);
            break;
        case RowKind::Deletion:
            addCrosses(r, event(r).over);
            break;
        case RowKind::Note:
        case RowKind::Glyph:
            addOwnRowDecoration(r);
            break;
        default:
            break;
        }
        if (event(r).destroyed >= 0)
            addCrosses(r, {event(r).destroyed});
        addAnnotations(r);
    }
}

double LayoutBuilder::columnX(int column) const
{
    return layout_.columns[std::size_t(std::max(column, 0))].x;
}

void LayoutBuilder::addAction(int r)
{
    const SequenceEvent& action = event(r);
    Box box{Box::Action, action.source, -1, styles_.of(action.style), r, {}, {}};
    box.text = shownText(action.label, box.style);
    box.rect = QRectF(QPointF(),
                      styles_.measure().size(*box.style, box.text)
                          + QSizeF(2 * geometry::actionPadX, 2 * geometry::actionPadY));
    box.rect.moveCenter(QPointF(columnX(action.from), row(r).y));
    layout_.boxes.push_back(box);
}

// A bar from the leftmost to the rightmost lifeline it joins, its name above.
void LayoutBuilder::addSync(int r)
{
    const SequenceEvent& sync = event(r);
    const auto [left, right] = std::minmax_element(sync.over.begin(), sync.over.end(),
                                                   [this](int a, int b) { return columnX(a) < columnX(b); });
    SyncBar bar{sync.source, styles_.of(sync.style), r, {}, {}, {}};
    bar.bar = QRectF(columnX(*left) - geometry::syncOverhang, row(r).y - geometry::syncThickness / 2,
                     columnX(*right) - columnX(*left) + 2 * geometry::syncOverhang, geometry::syncThickness);
    bar.label = shownText(sync.label, bar.style);
    const QSizeF label = styles_.measure().size(*bar.style, bar.label);
    bar.labelBox = QRectF(
        QPointF(bar.bar.center().x() - label.width() / 2, bar.bar.top() - geometry::labelLift - label.height()), label);
    layout_.syncs.push_back(bar);
}

void LayoutBuilder::addCrosses(int r, const QList<int>& columns)
{
    const Style* style =
        styles_.of(event(r).kind == SequenceEvent::Deletion ? event(r).style : model_.slotStyle(TCF::INSTANCE_DELETE));
    for (int column : columns)
        layout_.crosses.push_back({event(r).source, style, r, column, QPointF(columnX(column), row(r).y)});
}

// Glyph lines and note boxes stacked below the row from its left end.
void LayoutBuilder::addAnnotations(int r)
{
    double top = annotationTops_[std::size_t(r)];
    const double left = anchorLeft(r);
    for (const SequenceAnnotation& annotation : event(r).annotations) {
        if (annotation.glyph) {
            const double height =
                std::max(geometry::markSize, styles_.measure().lineHeight(*glyphStyle(annotation.warning)));
            addMark(r, annotation.source, annotation.text, annotation.warning,
                    QPointF(left + geometry::markSize / 2, top + height / 2));
            top += height + geometry::annotationGap;
        } else {
            addNote(r, annotation.source, annotation.text, styles_.of(annotation.style), QPointF(left, top));
            top += layout_.boxes.back().rect.height() + geometry::annotationGap;
        }
    }
}

// The left end of what the row draws, where its notes and glyphs start.
double LayoutBuilder::anchorLeft(int r) const
{
    const SequenceEvent& current = event(r);
    const int left = current.over.isEmpty() ? std::min(std::max(current.from, 0), std::max(current.to, 0))
                                            : *std::min_element(current.over.begin(), current.over.end());
    return columnX(left) + geometry::noteOffset;
}

// A note or glyph with a row of its own sits on its lifeline.
void LayoutBuilder::addOwnRowDecoration(int r)
{
    const SequenceEvent& current = event(r);
    const double x = columnX(current.from);
    if (current.kind == SequenceEvent::Note) {
        const Style* style = styles_.of(current.style);
        addNote(r, current.source, current.label, style,
                QPointF(x + geometry::noteOffset, row(r).y - noteSize(current.label, style).height() / 2));
        return;
    }
    addMark(r, current.source, current.label, current.warning, QPointF(x, row(r).y));
}

void LayoutBuilder::addNote(int r, const TDFObject* object, const QString& text, const Style* style, QPointF topLeft)
{
    layout_.boxes.push_back(
        {Box::Note, object, -1, style, r, QRectF(topLeft, noteSize(text, style)), displayText(text, true)});
}

void LayoutBuilder::addMark(int r, const TDFObject* object, const QString& text, bool warning, QPointF centre)
{
    Mark mark{object, glyphStyle(warning), r, warning, centre, {}, {}};
    mark.label = shownText(text, mark.style);
    const QSizeF label = styles_.measure().size(*mark.style, mark.label);
    mark.labelBox = QRectF(QPointF(centre.x() + geometry::markSize, centre.y() - label.height() / 2), label);
    layout_.marks.push_back(mark);
}
