// Arrows of messages and returns, from the sender's bar (or lifeline) to the
// receiver's; a creation ends at the new title box, a message to its own
// column loops out to the right and back.
#include "render/builder_p.h"

#include <algorithm>

namespace {

Arrow::Kind arrowKind(RowKind kind)
{
    switch (kind) {
    case RowKind::Return:
        return Arrow::Return;
    case RowKind::Creation:
        return Arrow::Creation;
    case RowKind::Self:
        return Arrow::Self;
    default:
        return Arrow::Message;
    }
}

}  // namespace

void LayoutBuilder::buildArrows()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        if (isArrow(r))
            addArrow(r);
    }
}

void LayoutBuilder::addArrow(int r)
{
    Arrow arrow;
    arrow.kind = arrowKind(kinds_[std::size_t(r)]);
    arrow.object = event(r).source;
    arrow.style = arrowStyle(r);
    arrow.row = r;
    arrow.fromColumn = event(r).from;
    arrow.toColumn = event(r).to;
    arrow.path = arrowPath(arrow, row(r).y);
    arrow.label = arrowLabel(r);
    const QSizeF label = styles_.measure().size(*arrow.style, arrow.label);
    const double left = arrow.kind == Arrow::Self
        ? arrow.path.first().x() + geometry::labelPad / 2
        : (arrow.path.first().x() + arrow.path.last().x() - label.width()) / 2;
    arrow.labelBox = QRectF(QPointF(left, row(r).y - geometry::labelLift - label.height()), label);
    layout_.arrows.push_back(arrow);
}

QPolygonF LayoutBuilder::arrowPath(const Arrow& arrow, double y) const
{
    const Column& source = layout_.columns[std::size_t(arrow.fromColumn)];
    const Column& target = layout_.columns[std::size_t(arrow.toColumn)];
    if (arrow.kind == Arrow::Self) {
        const double back = y + geometry::selfLoopHeight;
        const double out = edgeX(arrow.fromColumn, y, source.x + 1, arrow.row);
        const double in = edgeX(arrow.fromColumn, back, source.x + 1);
        const double right = std::max(out, in) + geometry::selfLoopWidth;
        return QPolygonF({QPointF(out, y), QPointF(right, y), QPointF(right, back), QPointF(in, back)});
    }
    const double start = edgeX(arrow.fromColumn, y, target.x);
    if (arrow.kind == Arrow::Creation) {
        const double end = target.x > start ? target.titleBox.left() : target.titleBox.right();
        return QPolygonF({QPointF(start, y), QPointF(end, y)});
    }
    return QPolygonF({QPointF(start, y), QPointF(edgeX(arrow.toColumn, y, source.x), y)});
}
