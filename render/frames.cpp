// Loop frames: each encloses the rows from its start to its end and, across,
// everything drawn in them; inner loops are framed first so that an outer
// frame encloses them with room to spare.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>

void LayoutBuilder::buildFrames()
{
    std::vector<TDFLoopStart*> loops;
    for (int index = 0; index < window_.end(); ++index) {
        TDFLoopStart* start = window_.at(index)->toLoopStart();
        if (start && (!start->loopEnd || window_.indexOf(start->loopEnd) >= window_.begin()))
            loops.push_back(start);
    }
    std::stable_sort(loops.begin(), loops.end(), [](const TDFLoopStart* a, const TDFLoopStart* b) {
        return a->loopPath.count(u'.') > b->loopPath.count(u'.');
    });
    for (TDFLoopStart* start : loops)
        addFrame(start);
    separateOpenTabs();
}

// Loops that started before the window all have their tops at the window's
// top: their tabs go side by side there, the outermost first.
void LayoutBuilder::separateOpenTabs()
{
    double right = -1;
    for (auto frame = layout_.frames.rbegin(); frame != layout_.frames.rend(); ++frame) {
        if (!frame->openTop)
            continue;
        frame->tab.moveLeft(std::max(frame->tab.left(), right + geometry::tabPadX));
        right = frame->tab.right();
    }
}

void LayoutBuilder::addFrame(TDFLoopStart* start)
{
    Frame frame;
    frame.object = start;
    frame.style = styles_.of(start, TCF::LOOP_START);
    frame.endStyle = styles_.of(start->loopEnd, TCF::LOOP_END);
    frame.openTop = rowOf(start) < 0;
    frame.openBottom = rowOf(start->loopEnd) < 0;
    frame.firstRow = frame.openTop ? 0 : rowOf(start);
    frame.lastRow = frame.openBottom ? int(layout_.rows.size()) - 1 : rowOf(start->loopEnd);
    if (frame.lastRow < frame.firstRow)
        return;
    const QString name = start->name().isEmpty() ? QStringLiteral("\u00d7%1").arg(start->iterations) : start->name();
    frame.label = styles_.measure().elided(
        *frame.style, QCoreApplication::translate("SequenceDiagram", "loop %1").arg(displayText(name)),
        geometry::maxLabelWidth);
    const double top = frame.openTop ? rowsTop_ : row(frame.firstRow).y;
    const double bottom = frame.openBottom ? rowsBottom_ : row(frame.lastRow).y;
    QRectF across = rowContent(frame.firstRow, frame.lastRow, columnX(start->instance))
                        .adjusted(-geometry::framePad, 0, geometry::framePad, 0);
    for (const Frame& inner : layout_.frames) {
        if (inner.firstRow >= frame.firstRow && inner.lastRow <= frame.lastRow)
            across |= inner.rect.adjusted(-geometry::frameInset, 0, geometry::frameInset, 0);
    }
    frame.tab = QRectF(QPointF(across.left(), top),
                       styles_.measure().size(*frame.style, frame.label)
                           + QSizeF(2 * geometry::tabPadX, 2 * geometry::tabPadY));
    across |= frame.tab;
    frame.rect = QRectF(across.left(), top, across.width(), bottom - top);
    layout_.frames.push_back(frame);
}

// The horizontal reach of what rows firstRow to lastRow draw; `emptyX`
// when they draw nothing.
QRectF LayoutBuilder::rowContent(int firstRow, int lastRow, double emptyX) const
{
    QRectF content(emptyX, 0, 0, 0);
    bool empty = true;
    const auto add = [&](int row, const QRectF& rect) {
        if (row < firstRow || row > lastRow)
            return;
        content = empty ? rect : content | rect;
        empty = false;
    };
    const auto lifeline = [this](int column) {
        const double x = layout_.columns[std::size_t(column)].x;
        return QRectF(x - geometry::barAllowance / 2, 0, geometry::barAllowance, 1);
    };
    for (const Arrow& arrow : layout_.arrows)
        add(arrow.row,
            arrow.path.boundingRect() | arrow.labelBox | lifeline(arrow.fromColumn) | lifeline(arrow.toColumn));
    for (const Box& box : layout_.boxes)
        add(box.row, box.rect);
    for (const SyncBar& sync : layout_.syncs)
        add(sync.row, sync.bar | sync.labelBox);
    for (const Cross& cross : layout_.crosses)
        add(cross.row, QRectF(cross.centre, QSizeF()).adjusted(-geometry::crossHalf, 0, geometry::crossHalf, 0));
    for (const Mark& mark : layout_.marks)
        add(mark.row, QRectF(mark.centre, QSizeF()).adjusted(-geometry::markSize / 2, 0, 0, 0) | mark.labelBox);
    return content;
}
