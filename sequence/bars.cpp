// Activation bars.  The outer bars of an instance are those its records
// tell (from its creation when a message created it, then alternately where
// a bar starts and ends); a message it receives inside an outer bar, other
// than the one that opened it, opens a nested bar one level deeper until
// that message's return, or until the outer bar ends.  A component is
// active while one of its members is.  The walk follows the control flow
// from the start of the trace, so that a bar keeps its level when the
// window starts inside it; bars enter the model when the window opens.
#include "sequence/builder_p.h"
#include "tdf/tdf_db.h"

#include <algorithm>

namespace {

// The instance's records: its creating message first, when it has one.
int recordCount(const TDFInstance* instance)
{
    return (instance->creatingMessage ? 1 : 0) + (instance->activations ? instance->activations->count : 0);
}

const TDFObject* recordAt(const TDFInstance* instance, int index)
{
    if (instance->creatingMessage)
        return index == 0 ? instance->creatingMessage : instance->activations->data[index - 1];
    return instance->activations->data[index];
}

}  // namespace

// The flow of an instance drawn on `participant`, when it has bars; -1 when not.
int SequenceBuilder::flowFor(const TDFInstance* instance, int participant, bool own)
{
    if (!instance->activations && !instance->hasActivation())
        return -1;
    Flow flow;
    flow.instance = instance;
    flow.participant = participant;
    flow.own = own;
    flows_.push_back(flow);
    return int(flows_.size()) - 1;
}

// Takes the flow's next record when it is `event`: +1 when a bar starts
// there, -1 when it ends, 0 when the event is not the next record.
int SequenceBuilder::takeRecord(Flow& flow, const TDFObject* event)
{
    if (flow.nextRecord >= recordCount(flow.instance) || recordAt(flow.instance, flow.nextRecord) != event)
        return 0;
    return flow.nextRecord++ % 2 == 0 ? 1 : -1;
}

SequenceBuilder::Flow* SequenceBuilder::flowOf(const Lifeline* lifeline)
{
    return lifeline && lifeline->flow >= 0 ? &flows_[std::size_t(lifeline->flow)] : nullptr;
}

void SequenceBuilder::followMessage(const TDFMessage* message, const Ends& ends, int position)
{
    Flow* receiver = flowOf(ends.to);
    if (!receiver)
        return;
    const SequenceMark mark = markOf(position);
    const int record = takeRecord(*receiver, message);
    if (record > 0)
        openOuter(*receiver, mark);
    else if (record < 0)
        closeOuter(*receiver, mark);
    else if (receiver->open)
        pushCall(*receiver, message, mark);
}

// The return ends the receiver's bar, or the nested bar its message
// opened; it may start a bar of the sender, to which control comes back.
void SequenceBuilder::followReturn(const TDFMessageReturn* messageReturn, const Ends& ends, int position)
{
    const TDFMessage* message = messageReturn->message;
    const SequenceMark mark = markOf(position);
    if (Flow* receiver = flowOf(ends.from)) {
        const int record = takeRecord(*receiver, messageReturn);
        const auto nested = nestedCalls_.constFind(message);
        if (record < 0)
            closeOuter(*receiver, mark);
        else if (nested != nestedCalls_.cend() && nested->first == int(receiver - flows_.data()))
            popCallsTo(*receiver, std::size_t(nested->second), mark);
    }
    if (Flow* sender = flowOf(ends.to); sender && takeRecord(*sender, messageReturn) > 0)
        openOuter(*sender, mark);
}

void SequenceBuilder::openOuter(Flow& flow, const SequenceMark& mark)
{
    flow.open = true;
    flow.bars.assign(1, -1);
    if (flow.own) {
        if (windowOpen_)
            flow.bars[0] = openBar(flow.participant, 0, mark);
    } else if (++componentDepth_[std::size_t(flow.participant)] == 1 && windowOpen_) {
        openBar(flow.participant, 0, mark);
    }
}

void SequenceBuilder::closeOuter(Flow& flow, const SequenceMark& mark)
{
    if (!flow.open)
        return;
    popCallsTo(flow, 0, mark);
    if (flow.own)
        closeBar(flow.bars[0], mark);
    else if (--componentDepth_[std::size_t(flow.participant)] == 0)
        closeBar(lastBars_[std::size_t(flow.participant)][0], mark);
    flow.open = false;
    flow.bars.clear();
}

// A nested call: a bar one level deeper, or, deeper than the model draws,
// one more level folded into the deepest bar drawn.
void SequenceBuilder::pushCall(Flow& flow, const TDFMessage* message, const SequenceMark& mark)
{
    nestedCalls_.insert(message, {int(&flow - flows_.data()), int(flow.calls.size())});
    flow.calls.push_back(message);
    const int level = int(flow.calls.size());
    flow.bars.push_back(flow.own && windowOpen_ ? nestedBar(flow, level, mark) : -1);
}

int SequenceBuilder::nestedBar(Flow& flow, int level, const SequenceMark& mark)
{
    if (level < SequenceModel::maxNesting)
        return openBar(flow.participant, level, mark);
    if (const int deepest = flow.bars[SequenceModel::maxNesting - 1]; deepest >= 0) {
        SequenceBar& bar = model_.bars[std::size_t(deepest)];
        bar.depth = std::max(bar.depth, level);
    }
    return -1;
}

// Ends the nested calls from the `size`-th on, innermost first.
void SequenceBuilder::popCallsTo(Flow& flow, std::size_t size, const SequenceMark& mark)
{
    while (flow.calls.size() > size) {
        closeBar(flow.bars.back(), mark);
        flow.bars.pop_back();
        nestedCalls_.remove(flow.calls.back());
        flow.calls.pop_back();
    }
}

// Bars start and end at messages drawn, as sequence diagram languages
// draw them: a bar opened or closed by an event drawn nowhere (a return
// left out, a message to an instance left out) starts or ends at the next
// message drawn.  One that starts where the participant's last bar of its
// level ends goes on instead (control came back at once).
int SequenceBuilder::openBar(int participant, int level, const SequenceMark& mark)
{
    int& last = lastBars_[std::size_t(participant)][std::size_t(level)];
    if (last >= 0) {
        SequenceMark& end = model_.bars[std::size_t(last)].end;
        if (end == pending || end == mark) {
            unresolved_.erase(std::remove(unresolved_.begin(), unresolved_.end(), std::pair{last, true}),
                              unresolved_.end());
            end = {-1, false};
            return last;
        }
    }
    SequenceBar bar;
    bar.participant = participant;
    bar.level = bar.depth = level;
    bar.begin = mark;
    bar.end = {-1, false};
    model_.bars.push_back(bar);
    last = int(model_.bars.size()) - 1;
    if (mark == pending)
        unresolved_.push_back({last, false});
    return last;
}

void SequenceBuilder::closeBar(int bar, const SequenceMark& mark)
{
    if (bar < 0)
        return;
    model_.bars[std::size_t(bar)].end = mark;
    if (mark == pending)
        unresolved_.push_back({bar, true});
}

// The marks waiting for a message drawn: it is at row `row`.
void SequenceBuilder::resolveMarks(int row)
{
    for (const auto& [bar, end] : unresolved_)
        (end ? model_.bars[std::size_t(bar)].end : model_.bars[std::size_t(bar)].begin) = {row, true};
    unresolved_.clear();
}

// The bars open when the window starts, at its top.
void SequenceBuilder::openFlowsAtWindow()
{
    windowOpen_ = true;
    const SequenceMark top{0, false};
    const std::size_t before = model_.bars.size();
    for (std::size_t participant = 0; participant < componentDepth_.size(); ++participant) {
        if (componentDepth_[participant] > 0)
            openBar(int(participant), 0, top);
    }
    for (Flow& flow : flows_) {
        if (!flow.open || !flow.own)
            continue;
        flow.bars[0] = openBar(flow.participant, 0, top);
        for (std::size_t level = 1; level < flow.bars.size(); ++level)
            flow.bars[level] = nestedBar(flow, int(level), top);
    }
    for (std::size_t bar = before; bar < model_.bars.size(); ++bar)
        model_.bars[bar].openTop = true;
}

// Where a bar starts or ends for an event of the walk: at its arrow's line
// when it was just drawn, else at the next arrow drawn.
SequenceMark SequenceBuilder::markOf(int position) const
{
    const int rows = int(model_.events.size());
    if (rows > 0 && model_.events.back().position == position && model_.events.back().isArrow())
        return {rows - 1, true};
    return pending;
}

// Bars end with the window (those waiting for a message to end at go on
// past it), and with their lifeline: a deletion may be drawn at an earlier
// return than the one where the instance ends.  Bars that start below the
// last row, or after their lifeline, or end where they start, show nothing.
void SequenceBuilder::closeOpenBars()
{
    const int rows = int(model_.events.size());
    for (const auto& [bar, end] : unresolved_)
        (end ? model_.bars[std::size_t(bar)].end : model_.bars[std::size_t(bar)].begin) = {end ? -1 : rows, false};
    for (SequenceBar& bar : model_.bars) {
        if (bar.end.row < 0) {
            bar.end = {int(model_.events.size()), false};
            bar.openBottom = true;
        }
        const int end = model_.participants[std::size_t(bar.participant)].end;
        if (end >= 0 && SequenceMark{end, true} < bar.end) {
            bar.end = {end, true};
            bar.openBottom = false;
        }
    }
    const auto unseen = [this, rows](const SequenceBar& bar) {
        const int end = model_.participants[std::size_t(bar.participant)].end;
        return bar.begin.row >= rows || bar.begin == bar.end || (end >= 0 && SequenceMark{end, true} < bar.begin);
    };
    model_.bars.erase(std::remove_if(model_.bars.begin(), model_.bars.end(), unseen), model_.bars.end());
}
