// A sequence model as the statements of a diagram language: each row
// becomes one statement, with the activations that start and end around it
// and, on request, the time before it.
#include "diagram/participants_p.h"
#include "diagram/script_p.h"
#include "sequence/sequencemodel.h"

#include <QCoreApplication>

#include <algorithm>

namespace diagram {

namespace {

NoteKind noteKind(SequenceEvent::Kind kind)
{
    switch (kind) {
    case SequenceEvent::Action:
        return NoteKind::Action;
    case SequenceEvent::Glyph:
        return NoteKind::Glyph;
    case SequenceEvent::Synchronisation:
        return NoteKind::Synchronisation;
    default:
        return NoteKind::Note;
    }
}

ArrowLook lookOf(const Style* style)
{
    if (!style)
        return {};
    return {style->lineColor(), style->lineStyle(), style->arrowStyle()};
}

class ScriptWriter {
public:
    ScriptWriter(const SequenceModel& model, bool times) : model_(model), times_(times)
    {
        for (std::size_t bar = 0; bar < model.bars.size(); ++bar)
            ends_.push_back(int(bar));
        std::stable_sort(ends_.begin(), ends_.end(), [this](int a, int b) {
            const SequenceBar& first = model_.bars[std::size_t(a)];
            const SequenceBar& second = model_.bars[std::size_t(b)];
            return first.end == second.end ? first.level > second.level : first.end < second.end;
        });
    }

    Script run()
    {
        for (const SequenceParticipant& participant : model_.participants)
            script_.participants.append({participant.kind == SequenceParticipant::World, participant.name, QString(),
                                         !participant.visible, participant.birth < 0});
        assignIdentifiers(script_.participants);
        for (const SequenceFrame& frame : model_.frames) {
            if (frame.begin < 0)
                openFrame(frame);
        }
        const int rows = int(model_.events.size());
        for (int row = 0; row < rows; ++row) {
            activations({row, false});
            markTime(model_.events[std::size_t(row)]);
            statement(row);
            activations({row, true});
        }
        for (auto frame = model_.frames.rbegin(); frame != model_.frames.rend(); ++frame) {
            if (frame->end < 0)
                script_.steps.append(LoopEndStep{});
        }
        return script_;
    }

private:
    const SequenceModel& model_;
    const bool times_;
    Script script_;
    std::vector<int> ends_;  // the bars by where they end, the deepest first
    std::size_t nextStart_ = 0;
    std::size_t nextEnd_ = 0;
    bool timeShown_ = false;
    unsigned long long shownTime_ = 0;

    // The bars that end at `mark`, then those that start there; a lifeline
    // that ended has no bars to end.
    void activations(const SequenceMark& mark)
    {
        for (; nextEnd_ < ends_.size(); ++nextEnd_) {
            const SequenceBar& bar = model_.bars[std::size_t(ends_[nextEnd_])];
            if (mark < bar.end || bar.openBottom)
                break;
            if (!ended(bar.participant, mark))
                script_.steps.append(ActivationStep{bar.participant, false});
        }
        for (; nextStart_ < model_.bars.size() && model_.bars[nextStart_].begin == mark; ++nextStart_)
            script_.steps.append(ActivationStep{model_.bars[nextStart_].participant, true});
    }

    bool ended(int participant, const SequenceMark& mark) const
    {
        const int end = model_.participants[std::size_t(participant)].end;
        return end >= 0 && !(mark < SequenceMark{end, true});
    }

    void markTime(const SequenceEvent& event)
    {
        if (!times_ || !event.timed || (timeShown_ && event.time == shownTime_))
            return;
        script_.steps.append(TimeStep{model_.timeText(event.time)});
        timeShown_ = true;
        shownTime_ = event.time;
    }

    void statement(int row)
    {
        const SequenceEvent& event = model_.events[std::size_t(row)];
        switch (event.kind) {
        case SequenceEvent::Birth:
            script_.participants[event.from].declaredAtTop = false;
            script_.steps.append(DeclareStep{event.from});
            break;
        case SequenceEvent::Message:
        case SequenceEvent::Return:
            return arrow(event);
        case SequenceEvent::Deletion:
            script_.steps.append(DestroyStep{event.over});
            break;
        case SequenceEvent::Action:
        case SequenceEvent::Note:
        case SequenceEvent::Glyph:
            script_.steps.append(NoteStep{noteKind(event.kind), {event.from}, event.label});
            break;
        case SequenceEvent::Synchronisation:
            script_.steps.append(NoteStep{NoteKind::Synchronisation, event.over, event.label});
            break;
        case SequenceEvent::LoopStart:
            return openFrame(model_.frames[std::size_t(event.frame)]);
        case SequenceEvent::LoopEnd:
            script_.steps.append(LoopEndStep{});
            break;
        case SequenceEvent::Divider:
            script_.steps.append(DividerStep{event.label});
            break;
        }
        annotations(event);
    }

    void arrow(const SequenceEvent& event)
    {
        ArrowStep step;
        step.from = event.from;
        step.to = event.to;
        step.text = event.label;
        step.isReturn = event.kind == SequenceEvent::Return;
        step.look = lookOf(event.style);
        step.createsReceiver = event.creates;
        step.destroys = event.destroyed;
        for (const SequenceAnnotation& annotation : event.annotations)
            step.remarks.append(annotation.text);
        if (event.creates)
            script_.participants[event.to].declaredAtTop = false;
        script_.steps.append(step);
    }

    // The notes and glyphs of a row that is not an arrow, over its participants.
    void annotations(const SequenceEvent& event)
    {
        const QList<int> over = event.over.isEmpty() ? QList<int>{event.from} : event.over;
        for (const SequenceAnnotation& annotation : event.annotations) {
            if (!over.contains(-1))
                script_.steps.append(
                    NoteStep{annotation.glyph ? NoteKind::Glyph : NoteKind::Note, over, annotation.text});
        }
    }

    // A loop block; a frame with no row inside gets a note, since a block
    // without statements breaks some languages' renderers.
    void openFrame(const SequenceFrame& frame)
    {
        script_.steps.append(LoopStartStep{frame.label});
        if (frame.empty)
            script_.steps.append(
                NoteStep{NoteKind::Note,
                         {std::max(frame.participant, 0)},
                         QCoreApplication::translate("SequenceModel", "no events shown in this loop")});
    }
};

}  // namespace

QString emptyLoopText()
{
    return QCoreApplication::translate("SequenceModel", "no events shown in this loop");
}

Script scriptOf(const SequenceModel& model, bool times)
{
    return ScriptWriter(model, times).run();
}

}  // namespace diagram
