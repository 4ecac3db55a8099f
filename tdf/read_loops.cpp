// Loops, triggers, new traces and threads: LS, LE, ET, GA, GS, NT, TI.
#include "tcf/tcf.h"
#include "tdf/indexes_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <climits>

namespace {

// Thread colours cycle through this many indexes.
const int threadColorCount = 11;

}  // namespace

// A loop nested deeper than the limit is reported, with its end, and left
// out: it would hold the whole stack of loops in its path and name.
TDFObject* TDF::readLS(char* line, bool* created)
{
    unsigned long iterations;
    if (!readIntNumber(&line, &iterations)) {
        error(TDFReport::MissingIterations);
        return nullptr;
    }
    if (openLoops.count >= maxLoopNesting) {
        error(TDFReport::LoopsTooDeep, QString::number(maxLoopNesting));
        ++loopsTooDeep;
        return nullptr;
    }
    // The path of the loop it is nested in, and the sequence number at this level.
    const TDFLoopPath outer = openLoops.count ? openLoops.last()->item->toLoopStart()->loopPath : TDFLoopPath();
    const int number = loopIterationStack.last()->item;
    loopIterationStack.append(1);
    TDFLoopStart* start = maker()->newTDFLoopStart();
    start->iterations = iterations;
    start->instance = currentInstance;
    start->loopNumber = int(loopCounter++);
    start->loopPath = TDFLoopPath(outer, number);
    if (currentBlock && currentBlock->tcf)
        start->nameBy(currentBlock->tcf->loopNaming);
    takeStyle(start);
    takeLink(start);
    appendTo(loopStarts, &start->listNode, start, created);
    openLoops.append(start);
    loopFirstPending = true;
    stamp(start);
    return start;
}

TDFObject* TDF::readLE(char*, bool* created)
{
    if (loopsTooDeep) {
        error(TDFReport::LoopsTooDeep, QString::number(maxLoopNesting));
        --loopsTooDeep;
        return nullptr;
    }
    if (!openLoops.count) {
        error(TDFReport::LoopEndWithoutStart);
        return nullptr;
    }
    TDFLoopStart* start = openLoops.pop()->toLoopStart();
    TDFLoopEnd* end = maker()->newTDFLoopEnd();
    end->instance = currentInstance;
    takeStyle(end);
    takeLink(end);
    end->loopStart = start;
    start->loopEnd = end;
    end->lastObject = objects.count ? objects.last()->item : nullptr;
    stamp(end);
    appendTo(loopEnds, &end->listNode, end, created);
    // The next loop at the level just closed gets the next sequence number.
    loopIterationStack.pop();
    loopIterationStack.append(loopIterationStack.pop() + 1);
    return end;
}

TDFObject* TDF::placeMarker(TDFObject* marker, bool* created)
{
    discardPendingNote();
    discardPendingGlyph();
    pendingStyle = nullptr;
    stamp(marker);
    place(marker);
    if (created)
        *created = true;
    return marker;
}

TDFObject* TDF::readET(char*, bool* created)
{
    if (externalTrigger) {
        error(TDFReport::ETAlreadySeen);
        return nullptr;
    }
    externalTrigger = maker()->newTDFExternalTrigger();
    return placeMarker(externalTrigger, created);
}

TDFObject* TDF::readGA(char*, bool* created)
{
    if (!externalTrigger || triggerStart) {
        error(externalTrigger ? TDFReport::GAAlreadySeen : TDFReport::GANotInTriggerMode);
        return nullptr;
    }
    TDFTriggerStart* start = maker()->newTDFTriggerStart();
    start->instance = currentInstance;
    triggerStart = start;
    return placeMarker(start, created);
}

TDFObject* TDF::readGS(char*, bool* created)
{
    TDFReport problem = TDFReport::Count;
    if (!externalTrigger)
        problem = TDFReport::GSNotInTriggerMode;
    else if (triggerStop)
        problem = TDFReport::GSAlreadySeen;
    else if (!triggerStart)
        problem = TDFReport::GSBeforeGA;
    if (problem != TDFReport::Count) {
        error(problem);
        return nullptr;
    }
    TDFTriggerStop* stop = maker()->newTDFTriggerStop();
    stop->instance = currentInstance;
    triggerStop = stop;
    return placeMarker(stop, created);
}

TDFObject* TDF::readNT(char*)
{
    reset(true);
    runningThreadInfo = nullptr;
    currentThreadInfo = nullptr;
    TDFNewTrace* newTrace = maker()->newTDFNewTrace();
    place(newTrace);
    return newTrace;
}

TDFThread* TDF::findThread(unsigned long num)
{
    TDFThread* const* found = indexes->threadByNum.find(num);
    return found ? *found : nullptr;
}

TDFThread* TDF::threadNumbered(unsigned long num)
{
    if (TDFThread* known = findThread(num))
        return known;
    TDFThread* thread = factory()->newTDFThread();
    thread->num = num;
    thread->colorIndex = nextThreadColor;
    nextThreadColor = (nextThreadColor + 1) % threadColorCount;
    thread->listNode = threads.append(thread);
    indexes->threadByNum[num] = thread;
    return thread;
}

// After a thread info whose thread does not run, the thread that ran before
// the running one runs again, as the earlier running thread infos tell.
void TDF::resumePreviousThread()
{
    const std::vector<TDFObjectNode*>& running = indexes->runningInfos;
    size_t& index = indexes->runningIndex;
    TDFObjectNode* previous = nullptr;
    if (runningThreadInfo && index < running.size() && running[index] == runningThreadInfo && index > 0)
        previous = running[--index];
    runningThreadInfo = previous;
    currentThread = previous ? previous->item->toThreadInfo()->thread : nullptr;
}

void TDF::readTI(char* line)
{
    if (!currentBlock)
        return error(TDFReport::ThreadWithoutBlock);
    const TCF* tcf = currentBlock->tcf;
    if (!tcf)
        return error(TDFReport::ThreadWithoutTCF);
    unsigned long threadId;
    unsigned long stateId;
    unsigned long priority;
    if (!readOperand(&line, &threadId, TDFReport::WrongThreadId))
        return;
    readWhite(&line);
    if (!readOperand(&line, &stateId, TDFReport::WrongThreadState))
        return;
    readWhite(&line);
    if (!readOperand(&line, &priority, TDFReport::WrongThreadPriority))
        return;
    readWhite(&line);
    QString name;
    if (!readString(&line, name, true))
        error(TDFReport::CantReadThreadName);  // the thread keeps the name it has
    ThreadState* state = stateId <= unsigned(INT_MAX) ? tcf->threadState(int(stateId)) : nullptr;
    if (!state)
        return error(TDFReport::CantRetrieveThreadState);

    TDFThreadInfo* info = maker()->newTDFThreadInfo();
    info->thread = threadNumbered(threadId);
    if (!name.isNull())
        info->setName(name);
    info->threadState = state;
    info->stateId = stateId;
    info->priority = priority;
    stamp(info);
    info->listNode = threadInfos.append(info);
    currentThreadInfo = info->listNode;
    place(info);
    if (stateId == 1) {
        currentThread = info->thread;
        runningThreadInfo = info->listNode;
        indexes->runningIndex = indexes->runningInfos.size();
        indexes->runningInfos.push_back(info->listNode);
    } else {
        resumePreviousThread();
    }
}
