// The walk: every object from the start of the trace to the window's end, in
// reading order.  Objects before the window only move the replayed state
// (running thread, control flow, open loops); those in it also get rows.
#include "sequence/builder_p.h"
#include "tcf/tcf.h"
#include "tdf/tdfreader.h"

#include <algorithm>

SequenceBuilder::SequenceBuilder(TDF& trace, const SequenceOptions& options) : trace_(trace), options_(options)
{
    model_.configuration = trace.traceTCF;
    model_.timeFormat_ = options.timeFormat.isNull() ? trace.timeFormat : options.timeFormat;
    model_.timeUnit_ = trace.timeUnit;
    model_.timeUnitName_ = trace.timeUnitName;
    for (const QString& thread : options.threads)
        threadFilter_.insert(thread);
}

SequenceModel SequenceBuilder::build()
{
    indexObjects();
    chooseWindow();
    model_.events.reserve(std::size_t(last_ - first_));
    chooseParticipants();
    walk();
    closeOpenBars();
    closeOpenFrames();
    return std::move(model_);
}

void SequenceBuilder::walk()
{
    for (int position = 0; position < last_; ++position) {
        if (position == first_)
            openWindow();
        const int rows = int(model_.events.size());
        visit(objects_[std::size_t(position)], position);
        recent_[std::size_t(position) % recent_.size()] = {objects_[std::size_t(position)], position,
                                                           int(model_.events.size()) > rows ? rows : -1};
    }
    if (first_ == last_)
        openWindow();
}

void SequenceBuilder::openWindow()
{
    openFlowsAtWindow();
    openLoopsAtWindow();
}

void SequenceBuilder::visit(TDFObject* object, int position)
{
    const bool inWindow = position >= first_;
    switch (object->type) {
    case TDF_MESSAGE: {
        TDFMessage* message = object->toMessage();
        const Ends ends{lifeline(message->sender), lifeline(message->receiver)};
        if (inWindow)
            addMessage(message, ends, position);
        return followMessage(message, ends, position);
    }
    case TDF_MESSAGE_RETURN: {
        TDFMessageReturn* messageReturn = object->toMessageReturn();
        const TDFMessage* message = messageReturn->message;
        if (!message)
            return;
        const Ends ends{lifeline(message->receiver), lifeline(message->sender)};
        if (inWindow)
            addReturn(messageReturn, ends, position);
        return followReturn(messageReturn, ends, position);
    }
    case TDF_THREAD_INFO:
        return running_.see(object->toThreadInfo());
    case TDF_LOOP_START:
        return startLoop(object->toLoopStart(), position);
    case TDF_LOOP_END:
        return endLoop(object->toLoopEnd(), position);
    default:
        break;
    }
    if (!inWindow)
        return;
    switch (object->type) {
    case TDF_INSTANCE:
        return addBirth(object->toInstance(), position);
    case TDF_INSTANCE_DELETE:
        return addDeletion(object->toInstanceDelete(), position);
    case TDF_INSTANCE_DELETE_ALL:
        return addDeletionOfAll(object->toInstanceDeleteAll(), position);
    case TDF_ACTION:
        return addOnLifeline(object, SequenceEvent::Action, object->toAction()->instance, position);
    case TDF_SYNCHRONISATION:
        return addSynchronisation(object->toSynchronisation(), position);
    case TDF_NOTE:
        if (!options_.hideNotes)
            addDecoration(object, object->toNote()->attachedTo, SequenceEvent::Note, position);
        return;
    case TDF_GLYPH:
        return addDecoration(object, object->toGlyph()->attachedTo, SequenceEvent::Glyph, position);
    case TDF_NEW_TRACE:
    case TDF_EXTERNAL_TRIGGER:
    case TDF_TRIGGER_START:
    case TDF_TRIGGER_STOP:
        addDivider(object, position);
        return;
    default:
        return;
    }
}

// A new trace or a trigger mark, in its own style if it has one.
void SequenceBuilder::addDivider(TDFObject* object, int position)
{
    SequenceEvent& event = addRow(object, SequenceEvent::Divider, position);
    event.label = dividerText(object->type);
    event.style = object->style();
}

// A message between two drawn ends; a message whose row is left out but
// which creates its receiver leaves the receiver's title a row of its own.
void SequenceBuilder::addMessage(TDFMessage* message, const Ends& ends, int position)
{
    const bool creates = message->receiver && message->receiver->creatingMessage == message && ends.to && ends.to->own;
    if (!arrowDrawn(ends, message->sender != message->receiver, message->thread)) {
        if (creates)
            addBirth(message->receiver, position);
        return;
    }
    SequenceEvent& event = addRow(message, SequenceEvent::Message, position);
    event.from = drawnEnd(ends.from);
    event.to = drawnEnd(ends.to);
    event.creates = creates;
    event.call = message->call != nullptr;
    event.label = message->name().isEmpty() && message->model ? message->model->name : message->name();
    event.style = styleOf(message, TCF::MESSAGE_BODY);
    event.thread = threadIndex(message->thread);
    if (creates)
        model_.participants[std::size_t(event.to)].birth = int(model_.events.size()) - 1;
}

void SequenceBuilder::addReturn(TDFMessageReturn* messageReturn, const Ends& ends, int position)
{
    const TDFMessage* message = messageReturn->message;
    if (options_.hideReturns || !arrowDrawn(ends, message->sender != message->receiver, message->thread))
        return;
    SequenceEvent& event = addRow(messageReturn, SequenceEvent::Return, position);
    if (messageReturn->deletion)
        deletionReturns_.insert(messageReturn, int(model_.events.size()) - 1);
    event.from = drawnEnd(ends.from);
    event.to = drawnEnd(ends.to);
    event.label = messageReturn->name();
    event.style = styleOf(messageReturn, TCF::MESSAGE_RETURN);
    event.thread = threadIndex(message->thread);
}

// Whether an arrow between two lifelines is drawn: both exist, not both
// are left out, the filters keep it.  `distinct`: between two instances.
bool SequenceBuilder::arrowDrawn(const Ends& ends, bool distinct, TDFThread* thread) const
{
    if (!ends.from || !ends.to)
        return false;
    const int a = ends.from->participant;
    const int b = ends.to->participant;
    const bool toEdge = a < 0 || b < 0;
    const bool internal = a == b && a >= 0 && distinct;
    return !(a < 0 && b < 0) && !(toEdge && options_.hideEdges) && !(internal && options_.hideInternal)
        && threadShown(thread);
}

// An instance created before anything else of the window is drawn has its
// title in the header; one created later, other than by a message, on a
// row of its own.
void SequenceBuilder::addBirth(const TDFInstance* instance, int position)
{
    if (!interactionSeen_ || (instance->creatingMessage && objects_[std::size_t(position)] == instance))
        return;
    const Lifeline* born = lifeline(instance);
    if (!born || !born->own)
        return;
    SequenceEvent& event = addRow(objects_[std::size_t(position)], SequenceEvent::Birth, position);
    event.from = event.to = born->participant;
    event.label = model_.participants[std::size_t(born->participant)].name;
    model_.participants[std::size_t(born->participant)].birth = int(model_.events.size()) - 1;
}

// A deletion drawn at a return goes with that return's row, unless that
// return comes before the instance's title (the return of the same static
// message may be an earlier one).
void SequenceBuilder::addDeletion(TDFInstanceDelete* deletion, int position)
{
    const Lifeline* deleted = lifeline(deletion->instance);
    if (!deleted || !deleted->own)
        return;
    SequenceParticipant& participant = model_.participants[std::size_t(deleted->participant)];
    const int atReturn = deletion->atReturn ? deletionReturns_.value(deletion->atReturn, -1) : -1;
    if (atReturn >= 0 && atReturn >= participant.birth) {
        SequenceEvent& row = model_.events[std::size_t(atReturn)];
        row.destroyed = deleted->participant;
        annotate(row, deletion);
        participant.end = atReturn;
        return;
    }
    SequenceEvent& event = addRow(deletion, SequenceEvent::Deletion, position);
    event.over = {deleted->participant};
    event.style = styleOf(deletion, TCF::INSTANCE_DELETE);
    participant.end = int(model_.events.size()) - 1;
}

void SequenceBuilder::addDeletionOfAll(TDFInstanceDeleteAll* deletion, int position)
{
    QList<int> crossed;
    if (deletion->deletedInstances) {
        for (const TDFInstance* instance : *deletion->deletedInstances) {
            if (const Lifeline* deleted = lifeline(instance); deleted && deleted->own)
                crossed.append(deleted->participant);
        }
    }
    if (crossed.isEmpty())
        return;
    std::sort(crossed.begin(), crossed.end());
    SequenceEvent& event = addRow(deletion, SequenceEvent::Deletion, position);
    event.over = crossed;
    event.style = styleOf(deletion, TCF::INSTANCE_DELETE);
    for (int participant : crossed)
        model_.participants[std::size_t(participant)].end = int(model_.events.size()) - 1;
}

// An action, or a note or glyph of its own row, on its instance's lifeline
// (the world's for none).
void SequenceBuilder::addOnLifeline(TDFObject* object, SequenceEvent::Kind kind, const TDFInstance* instance,
                                    int position)
{
    const int participant = participantOf(instance);
    TDFThread* thread = kind == SequenceEvent::Action ? running_.current() : nullptr;
    if (participant < 0 || (kind == SequenceEvent::Action && !threadShown(thread)))
        return;
    SequenceEvent& event = addRow(object, kind, position);
    event.from = event.to = participant;
    event.thread = threadIndex(thread);
    switch (kind) {
    case SequenceEvent::Action:
        event.label = object->name();
        event.style = styleOf(object, TCF::ACTION);
        return;
    case SequenceEvent::Note:
        event.label = object->toNote()->name();
        event.style =
            styleOf(object, instance || !object->toNote()->attachedTo ? TCF::INSTANCE_NOTE : TCF::MESSAGE_NOTE);
        return;
    default:
        event.label = glyphText(object->toGlyph());
        event.warning = isWarning(object->toGlyph());
        return;
    }
}

void SequenceBuilder::addSynchronisation(TDFSynchronisation* synchronisation, int position)
{
    const QList<int> over = lifelinesOf(synchronisation->instances);
    if (over.isEmpty())
        return;
    SequenceEvent& event = addRow(synchronisation, SequenceEvent::Synchronisation, position);
    event.over = over;
    event.label = synchronisation->name();
    event.style = styleOf(synchronisation, TCF::SYNCHRONISATION);
}

// A note or glyph of an event other than an instance goes below that
// event's row (see annotate()), and is left out with it; one of an
// instance or of nothing, or of an event drawn nowhere (a call, a thread
// info, one before the window), has a row of its own.  The reader appends
// a note or glyph right after the event it belongs to.
void SequenceBuilder::addDecoration(TDFObject* decoration, TDFObject* owner, SequenceEvent::Kind kind, int position)
{
    const auto seen = std::find_if(recent_.begin(), recent_.end(),
                                   [owner](const Visited& visited) { return owner && visited.object == owner; });
    if (owner && !owner->toInstance() && seen != recent_.end() && seen->position >= first_) {
        switch (owner->type) {
        case TDF_MESSAGE:
        case TDF_MESSAGE_RETURN:
        case TDF_INSTANCE_DELETE:
        case TDF_INSTANCE_DELETE_ALL:
        case TDF_ACTION:
        case TDF_SYNCHRONISATION:
            return;
        default:
            break;
        }
        if (seen->row >= 0)
            return;
    }
    addOnLifeline(decoration, kind, owner ? owner->toInstance() : nullptr, position);
}

SequenceEvent& SequenceBuilder::addRow(TDFObject* object, SequenceEvent::Kind kind, int position)
{
    SequenceEvent event;
    event.kind = kind;
    event.position = position;
    event.time = object->time;
    event.timed = object->type != TDF_NEW_TRACE;
    event.line = object->line;
    event.link = object->link();
    event.source = object;
    event.file = fileOf(position);
    interactionSeen_ = interactionSeen_ || kind != SequenceEvent::Divider;
    if (kind == SequenceEvent::Message || kind == SequenceEvent::Return)
        resolveMarks(int(model_.events.size()));
    annotate(event, object);
    model_.events.push_back(std::move(event));
    return model_.events.back();
}

// The model's index of the trace file the object at `position` came from;
// -1 for none.  Positions only grow during the walk.
int SequenceBuilder::fileOf(int position)
{
    const std::vector<TDF::SourceFile>& files = trace_.sourceFiles;
    bool moved = false;
    while (sourceFile_ + 1 < files.size() && files[sourceFile_ + 1].firstObject <= position) {
        ++sourceFile_;
        moved = true;
    }
    if (sourceFile_ >= files.size() || files[sourceFile_].firstObject > position)
        return -1;
    if (moved || model_.files.isEmpty() || currentFile_ < 0) {
        model_.files.append(files[sourceFile_].fileName);
        currentFile_ = int(model_.files.size()) - 1;
    }
    return currentFile_;
}

// The glyph and the note attached to `object`, below its row.
// Those of an instance have rows of their own.
void SequenceBuilder::annotate(SequenceEvent& event, TDFObject* object)
{
    if (object->toInstance())
        return;
    if (TDFGlyph* glyph = object->glyph)
        event.annotations.append({true, isWarning(glyph), glyphText(glyph), nullptr, glyph});
    if (TDFNote* note = object->note; note && !options_.hideNotes)
        event.annotations.append({false, false, note->name(), styleOf(note, TCF::MESSAGE_NOTE), note});
}

int SequenceBuilder::threadIndex(TDFThread* thread)
{
    if (!thread)
        return -1;
    const auto known = threads_.constFind(thread);
    if (known != threads_.cend())
        return *known;
    model_.threads.push_back({thread->name, thread->num, thread->colorIndex});
    return *threads_.insert(thread, int(model_.threads.size()) - 1);
}

bool SequenceBuilder::threadShown(TDFThread* thread) const
{
    if (threadFilter_.isEmpty())
        return true;
    return thread && (threadFilter_.contains(QString::number(thread->num)) || threadFilter_.contains(thread->name));
}

// The participants of a list of instances (a null entry: the world), each
// once, in participant order, without those left out.
QList<int> SequenceBuilder::lifelinesOf(const List<TDFInstance*>* instances)
{
    QList<int> indexes;
    if (instances) {
        for (const TDFInstance* instance : *instances) {
            if (const int index = participantOf(instance); index >= 0)
                indexes.append(index);
        }
    }
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    return indexes;
}

SequenceModel buildSequenceModel(TDF& trace, const SequenceOptions& options)
{
    return SequenceBuilder(trace, options).build();
}
