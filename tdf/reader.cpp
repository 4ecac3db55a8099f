// The reader's life: construction, reset, destruction, reports, the object
// list and the reading of files.
#include "foundation/error.h"
#include "host/qafileutil.h"
#include "tdf/indexes_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

TDFFactory* TDF::default_factory_ = nullptr;

namespace {

const int errorLimit = 100;
const long long progressStep = 1 << 20;

}  // namespace

TDF::TDF(TCFList* list) : tcfList(list), indexes(std::make_unique<TDFIndexes>())
{
    loopIterationStack.append(1);
}

TDF::~TDF()
{
    reset(false);
    deleteOwnBlocks();
    delete definingBlock;
    delete retiredThread;
}

void TDF::reset(bool keepDefinitions)
{
    for (TDFObject* call : openCalls) {
        TDFMessage* message = call->toMessageCall()->message;
        if (message && !message->objectNode)
            delete message;  // announced by MC, never completed: not in `objects`
    }
    discardPendingNote();
    discardPendingGlyph();
    abandonBlockAction();
    objects.deleteAll();
    sourceFiles.clear();
    if (!fileName.isNull())
        sourceFiles.push_back({fileName, 0});
    sfTable.deleteAll();
    externalTrigger = triggerStart = triggerStop = nullptr;
    instances.clear();
    instanceTable.clean();
    for (List<TDFObject*>* list : {&messageReturns, &openCalls, &notes, &glyphs, &messages, &actions, &synchronisations,
                                   &instanceDeletes, &threadInfos, &loopStarts, &loopEnds, &openLoops, &callStack})
        list->clear();
    releaseThreads();
    indexes->clear();
    loopIterationStack.clear();
    loopIterationStack.append(1);
    loopCounter = 0;
    loopFirstPending = false;
    currentBlock = nullptr;
    pendingStyle = nullptr;
    currentInstance = nullptr;
    currentThreadInfo = runningThreadInfo = nullptr;
    pendingLinkText = QString();
    inDefinitionBlock = false;
    currentTime = timeStep = firstTime = minTime = heapSize = maxHeapSize = 0;
    totalMessageModels = usedMessageModelCount = 0;
    timeUnit = TIME_UNIT_NONE;
    timeUnitName = QString();
    minTimeStep = ~0UL;
    firstTimeSeen = minTimeSeen = minTimeStepSeen = heapSizeSeen = skippingToNextBlock = false;
    skipStartLine = 0;
    if (keepDefinitions || externalBlocks) {
        for (TDFDefinitionBlock* block : blocks)
            forgetUse(block);
    } else {
        deleteOwnBlocks();
        blocks.clear();
    }
    if (!keepDefinitions) {
        errorCount = 0;
        lineNumber = 0;
    }
}

void TDF::forgetUse(TDFDefinitionBlock* block)
{
    block->counted = false;
    block->dbMessages.forEach([](TDFDBMessage* message) { message->used = false; });
}

void TDF::deleteOwnBlocks()
{
    int index = 0;
    for (TDFDefinitionBlock* block : blocks) {
        if (index++ >= externalBlockCount)
            delete block;
    }
}

// Threads die with the trace, except the current one, which names the
// running thread until a TI line changes it.
void TDF::releaseThreads()
{
    TDFThread* kept = nullptr;
    for (TDFThread* thread : threads) {
        if (thread == currentThread)
            kept = thread;
        else
            delete thread;
    }
    threads.clear();
    if (retiredThread && retiredThread != currentThread) {
        delete retiredThread;
        retiredThread = nullptr;
    }
    if (kept)
        retiredThread = kept;
}

void TDF::abandonBlockAction()
{
    inBlockAction = false;
    blockActionDepth = 0;
    blockActionText = QString();
    blockActionModel = nullptr;
    blockActionInstance = nullptr;
}

void TDF::setTDFFileName(const QString& name)
{
    fileName = name;
    lineNumber = 0;
    sourceFiles.push_back({name, objects.count});
}

QString TDF::sourceFileOf(int position) const
{
    const auto after = std::upper_bound(sourceFiles.begin(), sourceFiles.end(), position,
                                        [](int value, const SourceFile& file) { return value < file.firstObject; });
    return after == sourceFiles.begin() ? QString() : std::prev(after)->fileName;
}

TDFFactory* TDF::factory()
{
    if (!factory_) {
        if (!default_factory_)
            default_factory_ = new TDFFactory;
        factory_ = default_factory_;
    }
    return factory_;
}

void TDF::setDefinitionBlockList(const TDFDefinitionBlockList& list)
{
    List<TDFDefinitionBlock*> own;
    int index = 0;
    for (TDFDefinitionBlock* block : blocks) {
        if (index++ >= externalBlockCount)
            own.append(block);
    }
    blocks.clear();
    for (TDFDefinitionBlock* block : list)
        blocks.append(block);
    externalBlockCount = blocks.count;
    for (TDFDefinitionBlock* block : own)
        block->blocksNode = blocks.append(block);
    externalBlocks = true;
}

void TDF::error(const QString& message)
{
    if (errorCount > errorLimit || skippingToNextBlock)
        return;
    const QString text = errorCount == errorLimit ? TDFReports::text(TDFReport::ErrorLimit) : message;
    Error::error(text, fileName.isNull() ? QStringLiteral("<tdf>") : fileName, int(lineNumber), 0);
    ++errorCount;
}

void TDF::warning(const QString& message)
{
    if (errorCount > errorLimit || skippingToNextBlock)
        return;
    Error::warning(message, fileName.isNull() ? QStringLiteral("<tdf>") : fileName, int(lineNumber), 0);
}

void TDF::error(TDFReport report)
{
    error(TDFReports::text(report));
}

void TDF::error(TDFReport report, const QString& argument)
{
    error(TDFReports::text(report).arg(argument));
}

void TDF::warning(TDFReport report)
{
    warning(TDFReports::text(report));
}

void TDF::appendObject(TDFObject* object)
{
    if (!object->line)
        object->line = (unsigned int)lineNumber;
    object->objectNode = objects.append(object);
    if (loopFirstPending) {
        loopFirstPending = false;
        loopStarts.head->prev->item->toLoopStart()->firstObject = object;
    }
}

bool TDF::readFile(const QString& name)
{
    return readFile(name, nullptr);
}

bool TDF::readFile(const QString& name, const std::function<void(long long bytesRead)>& progress)
{
    FILE* file = std::fopen(QAFileUtil::encodeName(name).constData(), "r");
    if (!file) {
        Error::error(TDFReports::text(TDFReport::CantOpenFile).arg(name), QString(), 0, 0);
        return false;
    }
    setTDFFileName(name);
    // Each physical line is read whole, whatever its length.
    char* line = nullptr;
    size_t capacity = 0;
    long long bytesRead = 0;
    long long nextProgress = progressStep;
    for (ssize_t length; (length = getline(&line, &capacity, file)) >= 0;) {
        // A UTF-8 byte-order mark, which some editors write at the start of
        // a file, is not part of its first line.
        const bool byteOrderMark = bytesRead == 0 && length >= 3 && std::memcmp(line, "\xEF\xBB\xBF", 3) == 0;
        read(line + (byteOrderMark ? 3 : 0), nullptr, nullptr);
        bytesRead += length;
        if (progress && bytesRead >= nextProgress) {
            progress(bytesRead);
            nextProgress = bytesRead + progressStep;
        }
    }
    const int readError = std::ferror(file) ? errno : 0;
    std::free(line);
    std::fclose(file);
    if (readError) {
        Error::error(
            TDFReports::text(TDFReport::CantReadFile).arg(name, QString::fromLocal8Bit(std::strerror(readError))),
            QString(), 0, 0);
        return false;
    }
    return true;
}
