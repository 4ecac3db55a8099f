// Around the columns: the time column on the left, the thread edges beside
// it, full-width separators, the legend of threads and the picture's size.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

QString threadName(const SequenceThread& thread)
{
    return thread.name.isEmpty() ? QCoreApplication::translate("SequenceDiagram", "thread %1").arg(thread.number)
                                 : displayText(thread.name);
}

}  // namespace

// A time is shown wherever it changes; a new trace has none of its own.
void LayoutBuilder::measureTimeColumn()
{
    const Style& style = *styles_.slot(TCF::TIME);
    double width = 0;
    std::optional<unsigned long long> last;
    for (const SequenceEvent& current : model_.events) {
        const bool changed = current.timed && last != current.time;
        timeTexts_.push_back(changed ? model_.timeText(current.time) : QString());
        if (changed)
            last = current.time;
        width = std::max(width, styles_.measure().size(style, timeTexts_.back()).width());
    }
    edgeLeft_ = geometry::margin + width + geometry::timeGap;
    areaLeft_ = edgeLeft_ + geometry::edgeWidth + geometry::edgeGap + geometry::framePad + 2 * geometry::frameInset;
}

void LayoutBuilder::buildTimes()
{
    const Style* style = styles_.slot(TCF::TIME);
    for (std::size_t r = 0; r < layout_.rows.size(); ++r) {
        if (timeTexts_[r].isEmpty())
            continue;
        const double height = styles_.measure().lineHeight(*style);
        const QRectF rect(geometry::margin, layout_.rows[r].y - height / 2,
                          edgeLeft_ - geometry::timeGap - geometry::margin, height);
        layout_.times.push_back({style, rect, timeTexts_[r]});
    }
}

void LayoutBuilder::buildThreadEdges()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        const int thread = event(r).thread;
        if (thread >= 0)
            layout_.threadEdges.push_back(
                {thread, r, QRectF(edgeLeft_, row(r).top, geometry::edgeWidth, row(r).bottom - row(r).top),
                 threadColor(model_.threads[std::size_t(thread)].colorIndex)});
    }
}

// Separators run from the thread edges to the right end: their labels are
// placed here, their lengths in finishSize().
void LayoutBuilder::buildSeparators()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        if (kinds_[std::size_t(r)] != RowKind::Separator)
            continue;
        const SequenceEvent& divider = event(r);
        Separator separator{divider.source, divider.style ? divider.style : styles_.separator(), r, {}, {}, {}};
        separator.line = QLineF(edgeLeft_, row(r).y, edgeLeft_, row(r).y);
        separator.label = shownText(divider.label, separator.style);
        const QSizeF label = styles_.measure().size(*separator.style, separator.label);
        separator.labelBox = QRectF(QPointF(areaLeft_, row(r).y - geometry::labelLift - label.height()), label);
        layout_.separators.push_back(separator);
    }
}

// One entry per thread with an edge, in order of first appearance.
void LayoutBuilder::buildLegend()
{
    const Style* style = styles_.legend();
    double x = geometry::margin;
    const double top = rowsBottom_ + geometry::legendGap;
    std::vector<bool> seen(model_.threads.size());
    for (const ThreadEdge& edge : layout_.threadEdges) {
        if (seen[std::size_t(edge.thread)])
            continue;
        seen[std::size_t(edge.thread)] = true;
        const QString name = threadName(model_.threads[std::size_t(edge.thread)]);
        const QSizeF size = styles_.measure().size(*style, name);
        LegendEntry entry{
            QRectF(x, top + (size.height() - geometry::swatchSize) / 2, geometry::swatchSize, geometry::swatchSize),
            edge.color,
            {style, QRectF(QPointF(x + geometry::swatchSize + 4, top), size), name}};
        layout_.legend.push_back(entry);
        x = entry.name.rect.right() + 2 * geometry::swatchSize;
    }
}

void LayoutBuilder::finishSize()
{
    QRectF bounds(0, 0, 1, rowsBottom_);
    for (const Column& column : layout_.columns)
        bounds |= column.visible ? column.titleBox : QRectF(column.x, rowsTop_, 1, 1);
    for (const Arrow& arrow : layout_.arrows)
        bounds |= arrow.path.boundingRect() | arrow.labelBox;
    for (const Box& box : layout_.boxes)
        bounds |= box.rect;
    for (const SyncBar& sync : layout_.syncs)
        bounds |= sync.bar | sync.labelBox;
    for (const Mark& mark : layout_.marks)
        bounds |= mark.labelBox;
    for (const Frame& frame : layout_.frames)
        bounds |= frame.rect;
    for (const Bar& bar : layout_.bars)
        bounds |= bar.rect | bar.depthBox;
    for (const Separator& separator : layout_.separators)
        bounds |= separator.labelBox;
    for (const LegendEntry& entry : layout_.legend)
        bounds |= entry.name.rect;
    layout_.size = QSizeF(bounds.right() + geometry::margin, bounds.bottom() + geometry::margin);
    for (Separator& separator : layout_.separators)
        separator.line.setP2(QPointF(bounds.right(), separator.line.y2()));
}
