// Around the columns: the time column on the left, the thread edges beside
// it, full-width separators, the legend of threads and the picture's size.
#include "render/builder_p.h"
#include "render/threads_p.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

namespace {

// The thread an event ran on: a message's, a return's message's, or for an
// action the one running when it was read.
TDFThread* threadOf(TDFObject* object, TDFThread* running)
{
    if (TDFMessage* message = object->toMessage())
        return message->thread;
    if (TDFMessageReturn* messageReturn = object->toMessageReturn())
        return messageReturn->message ? messageReturn->message->thread : nullptr;
    return object->toAction() ? running : nullptr;
}

QString separatorLabel(TDFObjectType type)
{
    switch (type) {
    case TDF_NEW_TRACE:
        return QCoreApplication::translate("SequenceDiagram", "new trace");
    case TDF_EXTERNAL_TRIGGER:
        return QCoreApplication::translate("SequenceDiagram", "external trigger");
    case TDF_TRIGGER_START:
        return QCoreApplication::translate("SequenceDiagram", "trigger start");
    default:
        return QCoreApplication::translate("SequenceDiagram", "trigger stop");
    }
}

QString threadName(const TDFThread& thread)
{
    return thread.name.isEmpty() ? QCoreApplication::translate("SequenceDiagram", "thread %1").arg(thread.num)
                                 : displayText(thread.name);
}

}  // namespace

// A time is shown wherever it changes; a new trace has none of its own.
void LayoutBuilder::measureTimeColumn()
{
    const Style& style = *styles_.slot(TCF::TIME);
    double width = 0;
    std::optional<unsigned long> last;
    for (const Row& current : layout_.rows) {
        const unsigned long time = current.object->time;
        const bool changed = current.object->type != TDF_NEW_TRACE && last != time;
        timeTexts_.push_back(changed ? input_.time(time) : QString());
        if (changed)
            last = time;
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
    RunningThread running;
    for (int index = 0; index < window_.end(); ++index) {
        TDFObject* object = window_.at(index);
        if (TDFThreadInfo* info = object->toThreadInfo())
            running.see(info);
        const int r = rowOf(object);
        TDFThread* thread = r >= 0 && row(r).object == object ? threadOf(object, running.current()) : nullptr;
        if (thread)
            layout_.threadEdges.push_back(
                {thread, r, QRectF(edgeLeft_, row(r).top, geometry::edgeWidth, row(r).bottom - row(r).top),
                 threadColor(thread->colorIndex)});
    }
}

// Separators run from the thread edges to the right end: their labels are
// placed here, their lengths in finishSize().
void LayoutBuilder::buildSeparators()
{
    for (int r = 0; r < int(layout_.rows.size()); ++r) {
        if (kinds_[std::size_t(r)] != RowKind::Separator)
            continue;
        TDFObject* object = row(r).object;
        Separator separator{object, object->style() ? object->style() : styles_.separator(), r, {}, {}, {}};
        separator.line = QLineF(edgeLeft_, row(r).y, edgeLeft_, row(r).y);
        separator.label = separatorLabel(object->type);
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
    std::vector<const TDFThread*> seen;
    for (const ThreadEdge& edge : layout_.threadEdges) {
        if (std::find(seen.begin(), seen.end(), edge.thread) != seen.end())
            continue;
        seen.push_back(edge.thread);
        const QString name = threadName(*edge.thread);
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
        bounds |= bar.rect;
    for (const Separator& separator : layout_.separators)
        bounds |= separator.labelBox;
    for (const LegendEntry& entry : layout_.legend)
        bounds |= entry.name.rect;
    layout_.size = QSizeF(bounds.right() + geometry::margin, bounds.bottom() + geometry::margin);
    for (Separator& separator : layout_.separators)
        separator.line.setP2(QPointF(bounds.right(), separator.line.y2()));
}
