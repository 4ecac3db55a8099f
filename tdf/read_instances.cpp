// Instances and messages: NI, DI, DA, CI, MC, ME, MR.
#include "tdf/indexes_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <vector>

TDFObject* TDF::readNI(char* line, bool* created, ModelChangment* changment)
{
    currentInstance = nullptr;
    unsigned long staticId;
    unsigned long dynamicId;
    QString name;
    if (!readOperand(&line, &staticId, TDFReport::CantReadStaticInstanceId)
        || !readOperand(&line, &dynamicId, TDFReport::CantReadInstanceId))
        return nullptr;
    if (!readString(&line, name, true)) {
        error(TDFReport::CantReadInstanceName);
        return nullptr;
    }
    if (!currentBlock) {
        error(TDFReport::NoBlockForInstance);
        return nullptr;
    }
    TDFInstance* found = findInstance(dynamicId);
    currentInstance = found;
    TDFDBInstance* model = currentBlock->getInstanceFromId(staticId);
    if (!model) {
        error(TDFReport::CantRetrieveStaticInstance);
        return nullptr;
    }
    TDFInstance* instance = found;
    const bool isNew = !found || found->deletion;
    ModelChangment result = NEW_MODEL;
    if (isNew)
        instance = newInstance(dynamicId, found);
    else if (found->model)
        result = MODEL_CHANGED;
    if (result == NEW_MODEL) {
        instance->setName(name);
        instance->style_ = pendingStyle;
    }
    currentInstance = instance;
    if (changment)
        *changment = result;
    if (!isNew)
        modelChanges.push_back({objects.count, instance, instance->model, model});
    instance->setModel(model);
    takeLink(instance);
    pendingStyle = nullptr;
    if (result == NEW_MODEL)
        stamp(instance);
    // A modeless instance that just got its model opens the activation
    // that its creating message implied.
    if (!isNew && result == NEW_MODEL && instance->creatingMessage && activationTracking)
        instance->computeActivation(instance->creatingMessage, true);
    if (created)
        *created = isNew;
    return instance;
}

TDFMessageCall* TDF::olderCall(const TDFMessageCall* call)
{
    const auto older = indexes->olderCall.find(call);
    return older == indexes->olderCall.end() ? nullptr : older->second;
}

TDFMessage* TDF::completeCall(unsigned long callId, unsigned long staticId)
{
    bool reported = false;
    TDFMessageCall* const* newest = indexes->newestCall.find(callId);
    for (TDFMessageCall* call = newest ? *newest : nullptr; call; call = olderCall(call)) {
        TDFMessage* message = call->message;
        if (!message)
            continue;
        TDFReport problem = TDFReport::Count;
        if (!message->awaitingCompletion)
            problem = TDFReport::CompletionOnComplete;
        else if (!message->model)
            problem = TDFReport::CompletionWithoutModel;
        else if (message->model->id != staticId)
            problem = TDFReport::CompletionModelMismatch;
        if (problem != TDFReport::Count) {
            error(problem);
            reported = true;
            continue;
        }
        // After a reported problem the call stays open, so that a later ME
        // can still complete it.
        if (reported)
            return nullptr;
        message->awaitingCompletion = false;
        return message;
    }
    if (!reported)
        error(TDFReport::CompletionWithoutCall);
    return nullptr;
}

TDFObject* TDF::readME(char* line, bool* created)
{
    if (!currentBlock) {
        error(TDFReport::NoBlockForMessage);
        return nullptr;
    }
    unsigned long staticId;
    unsigned long receiverId;
    unsigned long callId;
    QString name;
    if (!readOperand(&line, &staticId, TDFReport::CantReadMessageId))
        return nullptr;
    readWhite(&line);
    if (!readOperand(&line, &receiverId, TDFReport::CantReadMessageTarget))
        return nullptr;
    readWhite(&line);
    const bool hasCall = readNumber(&line, &callId);
    readWhite(&line);
    if (!readString(&line, name, true)) {
        error(TDFReport::CantReadMessageName);
        return nullptr;
    }
    TDFMessage* message = nullptr;
    if (hasCall) {
        message = completeCall(callId, staticId);
        if (!message)
            return nullptr;
    }

    TDFInstance* receiver = nullptr;
    bool receiverCreated = false;
    if (receiverId != 0) {
        receiver = findInstance(receiverId);
        if (!receiver || receiver->deletion) {
            receiver = newInstance(receiverId, receiver);
            receiver->setModeless(this);
            receiver->time = currentTime;
            receiverCreated = true;
        }
    }
    if (!message) {
        message = maker()->newTDFMessage();
        message->sender = currentInstance;
        message->style_ = pendingStyle;
    }
    message->receiver = receiver;
    message->setName(name);
    appendTo(messages, &message->listNode, message, created);
    TDFObjectNode* awaiting = callStack.append(message);
    if (receiverCreated)
        receiver->creatingMessage = message;
    if (activationTracking) {
        if (message->sender)
            message->sender->computeActivation(message, false);
        if (receiver)
            receiver->computeActivation(message, true);
    }
    takeLink(message);
    message->setNote(pendingNote);
    message->setGlyph(pendingGlyph);
    stamp(message);
    message->heapSize = heapSize;
    message->thread = currentThread;
    message->threadInfo = takeThreadInfo();
    appendPendingNote();
    appendPendingGlyph();
    currentInstance = receiver;
    pendingStyle = nullptr;

    message->model = currentBlock->getMessageFromId(staticId);
    if (message->model && !message->model->used) {
        message->model->used = true;
        ++usedMessageModelCount;
    }
    message->modelIndex = usedMessageModelCount;
    if (message->model)
        indexes->awaiting.add(message, awaiting, message->model->block, message->model->id);
    else
        error(TDFReport::MessageWithoutModel, QString::number(staticId));
    return message;
}

TDFObject* TDF::readMC(char* line, bool* created)
{
    unsigned long callId;
    unsigned long staticId;
    unsigned long senderId;
    if (!readOperand(&line, &callId, TDFReport::CantReadCallId))
        return nullptr;
    indexes->newestCall.prefetch(callId);  // a new call id is seldom in the cache
    if (!readOperand(&line, &staticId, TDFReport::CantReadCallStaticId))
        return nullptr;
    const Optional sender = readOptionalOperand(&line, &senderId, TDFReport::CantReadInstanceId);
    if (sender == Optional::Failed)
        return nullptr;
    if (!currentBlock) {
        error(TDFReport::CallWithoutBlock);
        return nullptr;
    }
    TDFDBMessage* model = currentBlock->getMessageFromId(staticId);
    if (!model) {
        error(TDFReport::CallWithoutModel, QString::number(staticId));
        return nullptr;
    }
    TDFInstance* senderInstance = currentInstance;
    if (sender == Optional::Read && senderId != 0) {
        senderInstance = findInstance(senderId);
        if (!senderInstance) {
            error(TDFReport::CantRetrieveInstance);
            return nullptr;
        }
    }
    TDFMessage* message = maker()->newTDFMessage();
    message->sender = senderInstance;
    message->model = model;
    takeStyle(message);
    TDFMessageCall* call = maker()->newTDFMessageCall();
    message->awaitingCompletion = true;
    message->call = call;
    call->message = message;
    call->callId = callId;
    appendTo(openCalls, &call->listNode, call, created);
    TDFMessageCall*& newestCall = indexes->newestCall[callId];
    if (newestCall)
        indexes->olderCall[call] = newestCall;
    newestCall = call;
    stamp(call);
    call->heapSize = heapSize;
    return call;
}

// The newest message of callStack, with a model, sent in the running
// thread, of the selected block and not returned: of any model, or of the
// model `staticId`.
TDFMessage* TDF::findReturnedMessage(bool anyModel, unsigned long staticId)
{
    std::vector<AwaitedReturns::Awaiting>* stack =
        indexes->awaiting.find(currentThread, currentBlock, anyModel ? AwaitedReturns::anyModel : staticId);
    if (!stack)
        return nullptr;
    const AwaitedReturns::Awaiting found = stack->back();
    stack->pop_back();
    callStack.remove(found.node);
    return found.message;
}

TDFObject* TDF::readMR(char* line, bool* created)
{
    unsigned long staticId;
    const Optional id = readOptionalOperand(&line, &staticId, TDFReport::CantReadMessageId);
    if (id == Optional::Failed)
        return nullptr;
    TDFMessage* message = findReturnedMessage(id == Optional::Absent, staticId);
    TDFMessageReturn* messageReturn = nullptr;
    if (message) {
        messageReturn = maker()->newTDFMessageReturn();
        messageReturn->message = message;
        takeStyle(messageReturn);
        appendTo(messageReturns, &messageReturn->listNode, messageReturn, created);
        indexes->returnsByModel[message->model->id].push_back(messageReturn);
        takeLink(messageReturn);
        stamp(messageReturn);
        messageReturn->heapSize = heapSize;
        messageReturn->threadInfo = takeThreadInfo();
        message->messageReturn = messageReturn;
        if (activationTracking) {
            if (message->receiver)
                message->receiver->computeActivation(messageReturn, false);
            if (message->sender)
                message->sender->computeActivation(messageReturn, true);
        }
        currentInstance = message->sender;
        messageReturn->setGlyph(pendingGlyph);
    }
    appendPendingGlyph();
    pendingLinkText = QString();
    discardPendingNote();  // a return carries no note
    if (!message)
        error(TDFReport::ReturnWithoutMessage);
    return messageReturn;
}

TDFMessageReturn* TDF::findDeletionReturn(unsigned long staticId)
{
    const auto returns = indexes->returnsByModel.find(staticId);
    if (returns == indexes->returnsByModel.end())
        return nullptr;
    // The newest return without a deletion: the newer ones have one.
    std::vector<TDFMessageReturn*>& candidates = returns->second;
    while (!candidates.empty() && candidates.back()->deletion)
        candidates.pop_back();
    return candidates.empty() ? nullptr : candidates.back();
}

TDFObject* TDF::readDI(char* line, bool* created)
{
    unsigned long dynamicId;
    unsigned long staticId;
    if (!readOperand(&line, &dynamicId, TDFReport::CantReadInstanceId))
        return nullptr;
    const Optional returnId = readOptionalOperand(&line, &staticId, TDFReport::CantReadMessageId);
    if (returnId == Optional::Failed)
        return nullptr;
    const bool atReturn = returnId == Optional::Read;
    TDFInstance* instance = findInstance(dynamicId);
    if (!instance) {
        error(TDFReport::CantRetrieveDynamicInstance);
        return nullptr;
    }
    TDFMessageReturn* messageReturn = atReturn ? findDeletionReturn(staticId) : nullptr;
    if (instance == currentInstance)
        currentInstance = nullptr;
    TDFInstanceDelete* deletion = maker()->newTDFInstanceDelete();
    deletion->instance = instance;
    deletion->setNote(pendingNote);
    takeStyle(deletion);
    takeLink(deletion);
    deletion->atReturn = messageReturn;
    if (messageReturn) {
        messageReturn->deletion = deletion;
        deletion->time = messageReturn->time;  // drawn at the return: the time does not move
    } else {
        stamp(deletion);
    }
    endInstance(instance, deletion);
    appendTo(instanceDeletes, &deletion->listNode, deletion, created);
    appendPendingNote();
    return deletion;
}

TDFObject* TDF::readDA(char*, bool* created)
{
    TDFInstanceDeleteAll* deleteAll = maker()->newTDFInstanceDeleteAll();
    takeStyle(deleteAll);
    stamp(deleteAll);
    deleteAll->deletedInstances = new List<TDFInstance*>;
    // The instances still alive since the last delete-all or new trace.
    std::vector<TDFInstance*> ended;
    for (TDFObjectNode* node = objects.last(); node; node = objects.before(node)) {
        TDFObject* object = node->item;
        if (object->type == TDF_INSTANCE_DELETE_ALL || object->type == TDF_NEW_TRACE)
            break;
        TDFInstance* instance = object->toInstance();
        if (instance && !instance->deletion) {
            endInstance(instance, deleteAll);
            ended.push_back(instance);
        }
    }
    for (auto instance = ended.rbegin(); instance != ended.rend(); ++instance)
        deleteAll->deletedInstances->append(*instance);
    pendingLinkText = QString();
    currentInstance = nullptr;
    discardPendingNote();
    discardPendingGlyph();
    return appendTo(instanceDeletes, &deleteAll->listNode, deleteAll, created);
}

TDFObject* TDF::readCI(char* line, bool* created)
{
    unsigned long dynamicId;
    switch (readOptionalOperand(&line, &dynamicId, TDFReport::CantReadInstanceId)) {
    case Optional::Failed:
        return nullptr;
    case Optional::Absent:
        // Without an id the line attaches what is pending; with nothing
        // pending it would do nothing at all.
        if (!pendingNote && !pendingGlyph) {
            error(TDFReport::CantReadInstanceId);
            return nullptr;
        }
        break;
    case Optional::Read:
        currentInstance = dynamicId ? findInstance(dynamicId) : nullptr;
        if (dynamicId && !currentInstance) {
            error(TDFReport::CantRetrieveCurrentInstance);
            discardPendingNote();
            discardPendingGlyph();
            return nullptr;
        }
        break;
    }
    // A pending note goes first; a pending glyph waits for the next CI.
    if (TDFNote* note = pendingNote) {
        note->attachedTo = currentInstance;
        pendingNote = nullptr;
        return appendTo(notes, &note->listNode, note, created);
    }
    if (TDFGlyph* glyph = pendingGlyph) {
        glyph->attachedTo = currentInstance;
        pendingGlyph = nullptr;
        return appendTo(glyphs, &glyph->listNode, glyph, created);
    }
    return nullptr;
}
