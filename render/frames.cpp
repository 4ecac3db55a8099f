// Loop frames: each encloses the rows from its start to its end and, across,
// everything drawn in them; inner loops are framed first so that an outer
// frame encloses them with room to spare.  Loops are nested a few levels
// deep at most (the model folds deeper ones), so framing takes a few passes
// over the rows, not one per pair of loops.
#include "render/builder_p.h"

#include <QCoreApplication>

#include <algorithm>

void LayoutBuilder::buildFrames()
{
    std::vector<const SequenceFrame*> frames;
    for (const SequenceFrame& frame : model_.frames)
        frames.push_back(&frame);
    std::stable_sort(frames.begin(), frames.end(),
                     [](const SequenceFrame* a, const SequenceFrame* b) { return a->level > b->level; });
    measureRowReach();
    for (const SequenceFrame* frame : frames)
        addFrame(*frame);
    separateOpenTabs();
}

// Loops that started before the window all have their tabs in the band
// above the first row: side by side, the outermost first.
void LayoutBuilder::separateOpenTabs()
{
    double right = -1;
    for (auto frame = layout_.frames.rbegin(); frame != layout_.frames.rend(); ++frame) {
        if (!frame->openTop)
            continue;
        frame->tab.moveLeft(std::max(frame->tab.left(), right + geometry::tabPadX));
        right = frame->tab.right();
        frame->rect |= frame->tab;
    }
}

void LayoutBuilder::addFrame(const SequenceFrame& sequenceFrame)
{
    Frame frame;
    frame.object = sequenceFrame.begin >= 0 ? event(sequenceFrame.begin).source : nullptr;
    frame.style = styles_.of(sequenceFrame.style);
    frame.endStyle = styles_.of(sequenceFrame.endStyle);
    frame.openTop = sequenceFrame.begin < 0;
    frame.openBottom = sequenceFrame.end < 0;
    frame.firstRow = frame.openTop ? 0 : sequenceFrame.begin;
    frame.lastRow = frame.openBottom ? int(layout_.rows.size()) - 1 : sequenceFrame.end;
    const QString name = displayText(sequenceFrame.label);
    frame.label = shownText(sequenceFrame.depth > sequenceFrame.level
                                ? QCoreApplication::translate("SequenceDiagram", "loop %1 (nested %2 deep)")
                                      .arg(name)
                                      .arg(sequenceFrame.depth + 1)
                                : QCoreApplication::translate("SequenceDiagram", "loop %1").arg(name),
                            frame.style);
    const double top = frame.openTop ? rowsTop_ : row(frame.firstRow).y;
    const double bottom = frame.openBottom ? rowsBottom_ : row(frame.lastRow).y;
    const double emptyX = columnX(sequenceFrame.participant);
    QRectF across =
        frame.lastRow < frame.firstRow ? QRectF(emptyX, 0, 0, 0) : rowContent(frame.firstRow, frame.lastRow, emptyX);
    across.adjust(-geometry::framePad, 0, geometry::framePad, 0);
    frame.tab = QRectF(QPointF(across.left(), top),
                       styles_.measure().size(*frame.style, frame.label)
                           + QSizeF(2 * geometry::tabPadX, 2 * geometry::tabPadY));
    across |= frame.tab;
    frame.rect = QRectF(across.left(), top, across.width(), bottom - top);
    layout_.frames.push_back(frame);
    // An outer frame encloses this one with room to spare.
    if (frame.lastRow >= frame.firstRow) {
        Reach& reach = rowReach_[std::size_t(frame.firstRow)];
        reach.left = std::min(reach.left, frame.rect.left() - geometry::frameInset);
        reach.right = std::max(reach.right, frame.rect.right() + geometry::frameInset);
    }
}

// How far left and right each row's content reaches.
void LayoutBuilder::measureRowReach()
{
    rowReach_.assign(layout_.rows.size(), Reach());
    const auto add = [this](int row, const QRectF& rect) {
        Reach& reach = rowReach_[std::size_t(row)];
        reach.left = std::min(reach.left, rect.left());
        reach.right = std::max(reach.right, rect.right());
    };
    const auto lifeline = [this](int column) {
        const double x = layout_.columns[std::size_t(column)].x;
        return QRectF(x - geometry::barAllowance / 2, 0, geometry::barAllowance, 1);
    };
    for (const Arrow& arrow : layout_.arrows)
        add(arrow.row,
            arrow.path.boundingRect() | arrow.labelBox | lifeline(arrow.fromColumn) | lifeline(arrow.toColumn));
    for (const Box& box : layout_.boxes) {
        if (box.row >= 0)
            add(box.row, box.rect);
    }
    for (const SyncBar& sync : layout_.syncs)
        add(sync.row, sync.bar | sync.labelBox);
    for (const Cross& cross : layout_.crosses)
        add(cross.row, QRectF(cross.centre, QSizeF()).adjusted(-geometry::crossHalf, 0, geometry::crossHalf, 0));
    for (const Mark& mark : layout_.marks)
        add(mark.row, QRectF(mark.centre, QSizeF()).adjusted(-geometry::markSize / 2, 0, 0, 0) | mark.labelBox);
}

// The horizontal reach of rows firstRow to lastRow; `emptyX` when they draw
// nothing.
QRectF LayoutBuilder::rowContent(int firstRow, int lastRow, double emptyX) const
{
    Reach reach;
    for (int row = std::max(firstRow, 0); row <= lastRow; ++row) {
        reach.left = std::min(reach.left, rowReach_[std::size_t(row)].left);
        reach.right = std::max(reach.right, rowReach_[std::size_t(row)].right);
    }
    if (reach.left > reach.right)
        return QRectF(emptyX, 0, 0, 0);
    return QRectF(reach.left, 0, reach.right - reach.left, 0);
}
