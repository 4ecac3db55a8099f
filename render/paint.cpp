// Painting: back to front, frames and lifelines first, texts last.
#include "render/paint_p.h"

#include "render/drawstyle_p.h"
#include "render/geometry_p.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const qreal thinLine = 1.0;
const qreal arrowLine = 1.2;
const qreal crossLine = 2.0;

void drawText(QPainter& painter, const Style& style, const QRectF& rect, const QString& text, int flags)
{
    if (text.isEmpty())
        return;
    painter.setFont(fontOf(style));
    painter.setPen(toQColor(style.textColor()));
    painter.drawText(rect, flags, text);
}

// Lines in the style's colour and kind.
void strokeWith(QPainter& painter, const Style& style, qreal width)
{
    painter.setPen(linePen(style, width));
    painter.setBrush(Qt::NoBrush);
}

// Areas in the style's background colour with a plain outline.
void fillWith(QPainter& painter, const Style& style)
{
    painter.setPen(QPen(toQColor(style.lineColor()), thinLine));
    painter.setBrush(toQColor(style.backColor()));
}

void paintFrameEdges(QPainter& painter, const Frame& frame)
{
    const QRectF& r = frame.rect;
    strokeWith(painter, *frame.style, thinLine);
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.drawLine(r.topRight(), r.bottomRight());
    if (!frame.openTop)
        painter.drawLine(r.topLeft(), r.topRight());
    strokeWith(painter, *frame.endStyle, thinLine);
    if (!frame.openBottom)
        painter.drawLine(r.bottomLeft(), r.bottomRight());
}

// The label's tab, with its lower right corner cut.
void paintFrameTab(QPainter& painter, const Frame& frame)
{
    const QRectF& t = frame.tab;
    const qreal cut = t.height() / 3;
    fillWith(painter, *frame.style);
    painter.drawPolygon(QPolygonF({t.topLeft(), t.topRight(), QPointF(t.right(), t.bottom() - cut),
                                   QPointF(t.right() - cut, t.bottom()), t.bottomLeft()}));
    drawText(painter, *frame.style, t, frame.label, Qt::AlignCenter);
}

void paintLifeline(QPainter& painter, const Column& column)
{
    if (!column.visible)
        return;
    strokeWith(painter, *column.lifelineStyle, thinLine);
    painter.drawLine(QPointF(column.x, column.lifelineTop), QPointF(column.x, column.lifelineBottom));
}

void paintBar(QPainter& painter, const Bar& bar)
{
    fillWith(painter, *bar.style);
    painter.drawRect(bar.rect);
    drawText(painter, *bar.style, bar.depthBox, bar.depthLabel, Qt::AlignLeft | Qt::AlignVCenter);
}

void paintSeparator(QPainter& painter, const Separator& separator)
{
    strokeWith(painter, *separator.style, thinLine);
    painter.drawLine(separator.line);
    drawText(painter, *separator.style, separator.labelBox, separator.label, Qt::AlignLeft | Qt::AlignVCenter);
}

// The head at the path's last point, pointing along its last segment.
void paintArrowHead(QPainter& painter, const Arrow& arrow)
{
    const QPointF tip = arrow.path.last();
    const QPointF from = arrow.path[arrow.path.size() - 2];
    const qreal length = std::hypot(tip.x() - from.x(), tip.y() - from.y());
    if (length <= 0)
        return;
    const QPointF along = (tip - from) / length;
    const QPointF across(-along.y(), along.x());
    const QPointF base = tip - along * geometry::arrowLength;
    const QPointF upper = base - across * geometry::arrowHalfWidth;
    const QPointF lower = base + across * geometry::arrowHalfWidth;
    painter.setPen(QPen(toQColor(arrow.style->lineColor()), arrowLine));
    switch (arrow.style->arrowStyle()) {
    case Style::OPEN_ARROW:
        painter.drawPolyline(QPolygonF({upper, tip, lower}));
        return;
    case Style::HALF_ARROW:
        painter.drawLine(upper, tip);
        return;
    default:
        painter.setBrush(toQColor(arrow.style->lineColor()));
        painter.drawPolygon(QPolygonF({upper, tip, lower}));
        return;
    }
}

void paintArrow(QPainter& painter, const Arrow& arrow)
{
    strokeWith(painter, *arrow.style, arrowLine);
    painter.drawPolyline(arrow.path);
    paintArrowHead(painter, arrow);
    drawText(painter, *arrow.style, arrow.labelBox, arrow.label, Qt::AlignCenter);
}

// A rectangle with its upper right corner folded.
void paintNoteShape(QPainter& painter, const QRectF& r)
{
    const qreal fold = geometry::noteFold;
    const QPointF corner(r.right() - fold, r.top() + fold);
    painter.drawPolygon(QPolygonF({r.topLeft(), QPointF(r.right() - fold, r.top()), QPointF(r.right(), r.top() + fold),
                                   r.bottomRight(), r.bottomLeft()}));
    painter.drawPolyline(QPolygonF({QPointF(r.right() - fold, r.top()), corner, QPointF(r.right(), r.top() + fold)}));
}

void paintBox(QPainter& painter, const Box& box)
{
    fillWith(painter, *box.style);
    switch (box.kind) {
    case Box::Note:
        paintNoteShape(painter, box.rect);
        drawText(painter, *box.style,
                 box.rect.adjusted(geometry::notePad, geometry::notePad, -geometry::notePad - geometry::noteFold,
                                   -geometry::notePad),
                 box.text, wrappedTextFlags);
        return;
    case Box::Action:
        painter.drawRoundedRect(box.rect, 4, 4);
        break;
    case Box::Title:
        painter.drawRect(box.rect);
        break;
    }
    drawText(painter, *box.style, box.rect, box.text, Qt::AlignCenter);
}

void paintSync(QPainter& painter, const SyncBar& sync)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(sync.style->lineColor()));
    painter.drawRect(sync.bar);
    drawText(painter, *sync.style, sync.labelBox, sync.label, Qt::AlignCenter);
}

void paintCross(QPainter& painter, const Cross& cross)
{
    painter.setPen(QPen(toQColor(cross.style->lineColor()), crossLine));
    const QPointF d(geometry::crossHalf, geometry::crossHalf);
    const QPointF e(geometry::crossHalf, -geometry::crossHalf);
    painter.drawLine(cross.centre - d, cross.centre + d);
    painter.drawLine(cross.centre - e, cross.centre + e);
}

// A diamond, or a triangle for a warning.
void paintMark(QPainter& painter, const Mark& mark)
{
    const qreal h = geometry::markSize / 2;
    const QPointF c = mark.centre;
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(mark.style->lineColor()));
    if (mark.warning)
        painter.drawPolygon(QPolygonF({c + QPointF(0, -h), c + QPointF(h, h), c + QPointF(-h, h)}));
    else
        painter.drawPolygon(QPolygonF({c + QPointF(0, -h), c + QPointF(h, 0), c + QPointF(0, h), c + QPointF(-h, 0)}));
    drawText(painter, *mark.style, mark.labelBox, mark.label, Qt::AlignLeft | Qt::AlignVCenter);
}

void paintLegend(QPainter& painter, const LegendEntry& entry)
{
    painter.fillRect(entry.swatch, entry.color);
    drawText(painter, *entry.name.style, entry.name.rect, entry.name.text, Qt::AlignLeft | Qt::AlignVCenter);
}

template <class Items, class Paint>
void paintAll(QPainter& painter, const Items& items, Paint paint)
{
    for (const auto& item : items)
        paint(painter, item);
}

}  // namespace

void paintDiagram(QPainter& painter, const DiagramLayout& layout)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintAll(painter, layout.frames, paintFrameEdges);
    paintAll(painter, layout.columns, paintLifeline);
    paintAll(painter, layout.bars, paintBar);
    paintAll(painter, layout.separators, paintSeparator);
    for (const ThreadEdge& edge : layout.threadEdges)
        painter.fillRect(edge.rect, edge.color);
    for (const TextItem& time : layout.times)
        drawText(painter, *time.style, time.rect, time.text, Qt::AlignRight | Qt::AlignVCenter);
    paintAll(painter, layout.frames, paintFrameTab);
    paintAll(painter, layout.arrows, paintArrow);
    paintAll(painter, layout.boxes, paintBox);
    paintAll(painter, layout.syncs, paintSync);
    paintAll(painter, layout.crosses, paintCross);
    paintAll(painter, layout.marks, paintMark);
    paintAll(painter, layout.legend, paintLegend);
}
