// The walk of a read trace into a SequenceModel, shared by every language.
#include "diagram/activations_p.h"
#include "diagram/participants_p.h"
#include "diagram/sequenceexport.h"
#include "diagram/walk_p.h"
#include "tcf/tcf.h"
#include "tdf/tdf.h"

#include <QSet>
#include <algorithm>

namespace diagram {

ObjectIndex::ObjectIndex(const TDF& trace)
{
    objects_.reserve(std::size_t(trace.objects.count));
    for (TDFObject* object : trace.objects) {
        positions_.insert(object, int(objects_.size()));
        objects_.push_back(object);
    }
}

Window windowOf(const SequenceExportOptions& options, int size)
{
    const int first = std::clamp(options.from, 0, size);
    const int last = options.count < 0 ? size : first + std::min(options.count, size - first);
    return {first, last};
}

namespace {

// The participants on whose lifelines a step draws (an arrow: its ends).
QList<int> touched(const Step& step)
{
    return std::visit(Overloaded{[](const ArrowStep& arrow) {
                                     return QList<int>{arrow.from, arrow.to};
                                 },
                                 [](const DeclareStep& declare) { return QList<int>{declare.participant}; },
                                 [](const DestroyStep& destroy) { return destroy.participants; },
                                 [](const ActivationStep& activation) { return QList<int>{activation.participant}; },
                                 [](const NoteStep& note) { return note.over; },
                                 [](const auto&) { return QList<int>(); }},
                      step);
}

// A participant born in the window whose lifeline starts with a message it
// receives from another one is created by that message, not declared.  Of
// two times in a row, the first one, left by a declaration, goes.
QList<Step> createdByMessages(QList<Step> steps)
{
    QHash<int, qsizetype> declarations;  // participant: its declaration, until a step touches it
    QSet<qsizetype> dropped;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        ArrowStep* arrow = std::get_if<ArrowStep>(&steps[i]);
        for (int index : touched(steps[i])) {
            const auto declaration = declarations.constFind(index);
            if (declaration == declarations.cend())
                continue;
            if (arrow && !arrow->isReturn && arrow->to == index && arrow->from != index) {
                arrow->createsReceiver = true;
                dropped.insert(*declaration);
            }
            declarations.erase(declaration);
        }
        if (const DeclareStep* declare = std::get_if<DeclareStep>(&steps[i]))
            declarations.insert(declare->participant, i);
    }
    QList<Step> kept;
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const bool timeBeforeTime = std::holds_alternative<TimeStep>(steps[i]) && !kept.isEmpty()
            && std::holds_alternative<TimeStep>(kept.back());
        if (timeBeforeTime)
            kept.removeLast();
        if (!dropped.contains(i))
            kept.append(steps[i]);
    }
    return kept;
}

// The text of a message: its own name, else its static message's.
QString messageText(const TDFMessage& message)
{
    if (!message.name().isNull())
        return message.name();
    return message.model ? message.model->name : QString();
}

// A glyph as a short text: the configuration's glyph name, then its text.
QString glyphText(TDFGlyph& glyph)
{
    const QString kind = glyph.glyphModel ? glyph.glyphModel->name : QString();
    const QString text = glyph.name();
    if (text.isEmpty())
        return kind;
    return kind.isEmpty() ? text : kind + QStringLiteral(": ") + text;
}

// The notes and glyphs attached to an object, in that order.
QStringList remarksOf(const TDFObject& object)
{
    QStringList remarks;
    if (object.note)
        remarks.append(object.note->name());
    if (object.glyph)
        remarks.append(glyphText(*object.glyph));
    return remarks;
}

// Whether a note or glyph attached to `owner` is drawn with it.
bool drawnWithOwner(TDFObject* owner)
{
    return owner && (owner->toMessage() || owner->toMessageReturn() || owner->toInstanceDelete());
}

class Walk {
public:
    Walk(const TDF& trace, const SequenceExportOptions& options)
        : trace_(trace), objects_(trace), window_(windowOf(options, objects_.size())),
          participants_(collectParticipants(objects_, window_, trace.traceTCF)), timeFormat_(options.timeFormat)
    {
    }

    SequenceModel run()
    {
        openWindow();
        for (int position = window_.first; position < window_.last; ++position)
            visit(objects_.at(position));
        for (; openLoops_ > 0; --openLoops_)
            steps_.append(LoopEndStep{});
        SequenceModel model{participants_.list, {}};
        if (!model.participants.isEmpty())
            model.steps = createdByMessages(steps_);
        assignIdentifiers(model.participants);
        return model;
    }

private:
    const TDF& trace_;
    const ObjectIndex objects_;
    const Window window_;
    ParticipantSet participants_;
    const QString timeFormat_;
    ActivationTracker activations_;
    QList<Step> steps_;
    QSet<int> destroyed_;
    int openLoops_ = 0;
    bool drawnAnything_ = false;  // a step on a lifeline was made
    bool timeShown_ = false;
    unsigned long shownTime_ = 0;

    // Replays the activations and loops of the objects before the window
    // and opens those still open at its start.
    void openWindow()
    {
        QStringList loops;
        for (int position = 0; position < window_.first; ++position) {
            TDFObject* object = objects_.at(position);
            if (const TDFMessage* message = object->toMessage())
                activations_.message(*message);
            else if (const TDFMessageReturn* messageReturn = object->toMessageReturn())
                activations_.messageReturn(*messageReturn);
            else if (TDFLoopStart* start = object->toLoopStart())
                loops.append(loopText(*start));
            else if (object->toLoopEnd() && !loops.isEmpty())
                loops.removeLast();
        }
        for (int index = 0; index < participants_.list.size(); ++index) {
            for (int depth = activations_.depth(participants_.list[index].instance); depth > 0; --depth)
                steps_.append(ActivationStep{index, true});
        }
        for (const QString& loop : loops)
            startLoop(loop);
    }

    void visit(TDFObject* object)
    {
        const int mark = int(steps_.size());
        draw(object);
        if (steps_.size() > mark)
            markTime(object->time, mark);
    }

    void draw(TDFObject* object)
    {
        if (TDFMessage* message = object->toMessage())
            return drawMessage(*message);
        if (TDFMessageReturn* messageReturn = object->toMessageReturn())
            return drawReturn(*messageReturn);
        if (TDFInstance* instance = object->toInstance())
            return drawBirth(*instance);
        if (TDFInstanceDelete* deletion = object->toInstanceDelete())
            return drawDeletion(*deletion);
        if (TDFInstanceDeleteAll* deleteAll = object->toInstanceDeleteAll())
            return destroy(lifelinesOf(deleteAll->deletedInstances));
        if (TDFNote* note = object->toNote())
            return drawRemark(NoteKind::Note, note->attachedTo, note->name());
        if (TDFGlyph* glyph = object->toGlyph())
            return drawRemark(NoteKind::Glyph, glyph->attachedTo, glyphText(*glyph));
        if (TDFAction* action = object->toAction())
            return note(NoteKind::Action, {participants_.of(action->instance)}, action->name());
        if (TDFSynchronisation* synchronisation = object->toSynchronisation())
            return note(NoteKind::Synchronisation, lifelinesOf(synchronisation->instances), synchronisation->name());
        if (TDFLoopStart* start = object->toLoopStart())
            return startLoop(loopText(*start));
        if (object->toLoopEnd())
            return endLoop();
        drawDivider(object->type);
    }

    void drawMessage(TDFMessage& message)
    {
        ArrowStep arrow;
        arrow.from = participants_.of(message.sender);
        arrow.to = participants_.of(message.receiver);
        arrow.text = messageText(message);
        arrow.look = lookOf(message.style(), TCF::MESSAGE_BODY);
        arrow.remarks = remarksOf(message);
        addArrow(arrow);
        addActivations(activations_.message(message));
    }

    void drawReturn(TDFMessageReturn& messageReturn)
    {
        const TDFMessage* message = messageReturn.message;
        ArrowStep arrow;
        arrow.from = participants_.of(message->receiver);
        arrow.to = participants_.of(message->sender);
        arrow.text = messageReturn.name();
        arrow.isReturn = true;
        arrow.look = lookOf(messageReturn.style(), TCF::MESSAGE_RETURN);
        arrow.remarks = remarksOf(messageReturn);
        if (const TDFInstanceDelete* deletion = messageReturn.deletion) {
            arrow.destroys = participants_.of(deletion->instance);
            arrow.remarks += remarksOf(*deletion);
            destroyed_.insert(arrow.destroys);
        }
        addArrow(arrow);
        addActivations(activations_.messageReturn(messageReturn));
    }

    void drawBirth(const TDFInstance& instance)
    {
        const int index = participants_.of(&instance);
        if (!drawnAnything_ || index < 0)
            return;
        participants_.list[index].declaredAtTop = false;
        steps_.append(DeclareStep{index});
    }

    // A deletion drawn at a return is drawn with that return.
    void drawDeletion(const TDFInstanceDelete& deletion)
    {
        if (deletion.atReturn)
            return;
        const int index = participants_.of(deletion.instance);
        if (deletion.note)
            note(NoteKind::Note, {index}, deletion.note->name());
        destroy({index});
    }

    void destroy(QList<int> participants)
    {
        participants.removeAll(-1);
        if (participants.isEmpty())
            return;
        for (int index : participants)
            destroyed_.insert(index);
        addOnLifelines(DestroyStep{participants});
    }

    void drawRemark(NoteKind kind, TDFObject* owner, const QString& text)
    {
        if (drawnWithOwner(owner))
            return;
        note(kind, {participants_.of(owner ? owner->toInstance() : nullptr)}, text);
    }

    void note(NoteKind kind, QList<int> over, const QString& text)
    {
        over.removeAll(-1);
        if (!over.isEmpty())
            addOnLifelines(NoteStep{kind, over, text});
    }

    void drawDivider(TDFObjectType type)
    {
        static const QHash<int, QString> texts = {{TDF_NEW_TRACE, QStringLiteral("New trace")},
                                                  {TDF_EXTERNAL_TRIGGER, QStringLiteral("External trigger")},
                                                  {TDF_TRIGGER_START, QStringLiteral("Trigger start")},
                                                  {TDF_TRIGGER_STOP, QStringLiteral("Trigger stop")}};
        if (texts.contains(type))
            steps_.append(DividerStep{texts.value(type)});
    }

    QString loopText(TDFLoopStart& start) const { return start.name().isNull() ? start.loopPath : start.name(); }

    void startLoop(const QString& text)
    {
        steps_.append(LoopStartStep{text});
        ++openLoops_;
    }

    void endLoop()
    {
        if (openLoops_ == 0)
            return;
        steps_.append(LoopEndStep{});
        --openLoops_;
    }

    void addArrow(const ArrowStep& arrow)
    {
        if (arrow.from >= 0 && arrow.to >= 0)
            addOnLifelines(arrow);
    }

    void addOnLifelines(const Step& step)
    {
        steps_.append(step);
        drawnAnything_ = true;
    }

    // The changes of one arrow; an activation that ends and starts again
    // at the same arrow (a return to the instance itself) goes on instead.
    void addActivations(const QList<ActivationChange>& changes)
    {
        for (const ActivationChange& change : changes) {
            const int index = participants_.of(change.instance);
            const auto reopened = [&change](const ActivationChange& other) {
                return other.instance == change.instance && other.active != change.active;
            };
            if (index >= 0 && !destroyed_.contains(index) && std::none_of(changes.begin(), changes.end(), reopened))
                steps_.append(ActivationStep{index, change.active});
        }
    }

    // The participants of a list of instances (a null entry: the world),
    // each once, in participant order.
    QList<int> lifelinesOf(const List<TDFInstance*>* instances) const
    {
        QList<int> indexes;
        if (instances) {
            for (const TDFInstance* instance : *instances) {
                if (const int index = participants_.of(instance); index >= 0)
                    indexes.append(index);
            }
        }
        std::sort(indexes.begin(), indexes.end());
        indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
        return indexes;
    }

    ArrowLook lookOf(const Style* style, TCF::Object slot) const
    {
        if (!style && trace_.traceTCF)
            style = trace_.traceTCF->defaultStyle(slot);
        if (!style)
            return {};
        return {style->lineColor(), style->lineStyle(), style->arrowStyle()};
    }

    void markTime(unsigned long time, int position)
    {
        if (timeFormat_.isNull() || (timeShown_ && time == shownTime_))
            return;
        steps_.insert(position, TimeStep{formatTime(time)});
        timeShown_ = true;
        shownTime_ = time;
    }

    // The time in the trace's unit, formatted; with no unit the unit's
    // text follows the number, as TDF::strTime does.
    QString formatTime(unsigned long time) const
    {
        const QString text = TDFTime2StringFormat(timeFormat_, time, trace_.timeUnit);
        if ((timeFormat_.isEmpty() || trace_.timeUnit == TIME_UNIT_NONE) && !trace_.timeUnitName.isNull())
            return text + u' ' + trace_.timeUnitName;
        return text;
    }
};

}  // namespace

SequenceModel walkSequence(const TDF& trace, const SequenceExportOptions& options)
{
    return Walk(trace, options).run();
}

}  // namespace diagram
