// Loop frames, from a loop's start row to its end row.  Loops open when the
// window starts have frames open at its top; loops nested deeper than the
// model draws are folded into the deepest frame drawn.
#include "sequence/builder_p.h"
#include "tcf/tcf.h"

#include <algorithm>

void SequenceBuilder::startLoop(const TDFLoopStart* start, int position)
{
    const int level = int(loops_.size());
    int frame = -1;
    if (windowOpen_)
        frame = nestedFrame(start, level);
    if (frame >= 0) {
        SequenceEvent& event = addRow(const_cast<TDFLoopStart*>(start), SequenceEvent::LoopStart, position);
        event.frame = frame;
        event.label = model_.frames[std::size_t(frame)].label;
        event.style = model_.frames[std::size_t(frame)].style;
        model_.frames[std::size_t(frame)].begin = int(model_.events.size()) - 1;
    }
    loops_.push_back({start, frame});
}

void SequenceBuilder::endLoop(const TDFLoopEnd* end, int position)
{
    const auto open = std::find_if(loops_.rbegin(), loops_.rend(),
                                   [end](const OpenLoop& loop) { return loop.start == end->loopStart; });
    if (open == loops_.rend())
        return;
    const int frame = open->frame;
    loops_.erase(std::next(open).base(), loops_.end());
    if (frame < 0 || !windowOpen_)
        return;
    SequenceFrame& drawn = model_.frames[std::size_t(frame)];
    SequenceEvent& event = addRow(const_cast<TDFLoopEnd*>(end), SequenceEvent::LoopEnd, position);
    event.frame = frame;
    event.label = drawn.label;
    event.style = drawn.endStyle;
    drawn.end = int(model_.events.size()) - 1;
    drawn.empty = drawn.end == drawn.begin + 1;
}

// A frame at `level`, or, deeper than the model draws, one more level
// folded into the deepest frame drawn (-1).
int SequenceBuilder::nestedFrame(const TDFLoopStart* start, int level)
{
    if (level < SequenceModel::maxNesting) {
        TDFLoopStart* loop = const_cast<TDFLoopStart*>(start);
        SequenceFrame frame;
        frame.label = loop->name().isEmpty() ? QStringLiteral("\u00d7%1").arg(loop->iterations) : loop->name();
        frame.style = styleOf(loop, TCF::LOOP_START);
        frame.endStyle = styleOf(loop->loopEnd, TCF::LOOP_END);
        frame.level = frame.depth = level;
        frame.participant = participantOf(start->instance);
        model_.frames.push_back(frame);
        return int(model_.frames.size()) - 1;
    }
    if (const int deepest = loops_[SequenceModel::maxNesting - 1].frame; deepest >= 0) {
        SequenceFrame& frame = model_.frames[std::size_t(deepest)];
        frame.depth = std::max(frame.depth, level);
    }
    return -1;
}

void SequenceBuilder::openLoopsAtWindow()
{
    for (std::size_t level = 0; level < loops_.size(); ++level)
        loops_[level].frame = nestedFrame(loops_[level].start, int(level));
}

void SequenceBuilder::closeOpenFrames()
{
    const int rows = int(model_.events.size());
    for (SequenceFrame& frame : model_.frames) {
        if (frame.end < 0)
            frame.empty = frame.begin == rows - 1;
    }
}
