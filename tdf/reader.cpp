// The reader's life: construction, reset, destruction, reports, the object
// list and the reading of files.
#include "foundation/error.h"
#include "host/qafileutil.h"
#include "tdf/arena_p.h"
#include "tdf/indexes_p.h"
#include "tdf/linereader_p.h"
#include "tdf/reports_p.h"
#include "tdf/tdfreader.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <typeinfo>
#include <unistd.h>

TDFFactory* TDF::default_factory_ = nullptr;

namespace {

const int errorLimit = 100;
const long long progressStep = 1 << 20;

}  // namespace

TDF::TDF(TCFList* list)
    : tcfList(list), indexes(std::make_unique<TDFIndexes>()), arena(std::make_unique<TDFArenaFactory>())
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
            dispose(message);  // announced by MC, never completed: not in `objects`
    }
    discardPendingNote();
    discardPendingGlyph();
    abandonBlockAction();
    for (TDFObject* object : objects)
        dispose(object);
    objects.clear();
    arena->release();
    foreignObjects = false;
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
    modelChanges.clear();
    loopIterationStack.clear();
    loopIterationStack.append(1);
    loopCounter = 0;
    loopsTooDeep = 0;
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

bool TDF::silent() const
{
    return errorCount > errorLimit || skippingToNextBlock;
}

void TDF::error(const QString& message)
{
    if (silent())
        return;
    const QString text = errorCount == errorLimit ? TDFReports::text(TDFReport::ErrorLimit) : message;
    Error::error(text, fileName.isNull() ? QStringLiteral("<tdf>") : fileName, int(lineNumber), 0);
    ++errorCount;
}

void TDF::warning(const QString& message)
{
    warningAt(lineNumber, message);
}

void TDF::warningAt(unsigned long line, const QString& message)
{
    if (silent())
        return;
    Error::warning(message, fileName.isNull() ? QStringLiteral("<tdf>") : fileName, int(line), 0);
}

// The reports by number are translated only when they are shown.
void TDF::error(TDFReport report)
{
    if (!silent())
        error(TDFReports::text(report));
}

void TDF::error(TDFReport report, const QString& argument)
{
    if (!silent())
        error(TDFReports::text(report).arg(argument));
}

void TDF::warning(TDFReport report)
{
    if (!silent())
        warning(TDFReports::text(report));
}

TDFFactory* TDF::maker()
{
    TDFFactory* installed = factory();
    if (typeid(*installed) == typeid(TDFFactory))
        return arena.get();
    foreignObjects = true;
    return installed;
}

void TDF::dispose(TDFObject* object)
{
    if (foreignObjects && !arena->owns(object))
        delete object;
    else
        object->~TDFObject();  // its memory goes back with the arena's
}

void TDF::appendObject(TDFObject* object)
{
    foreignObjects = foreignObjects || !arena->owns(object);
    place(object);
}

void TDF::place(TDFObject* object)
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
    const int fd = ::open(QAFileUtil::encodeName(name).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        Error::error(TDFReports::text(TDFReport::CantOpenFile).arg(name), QString(), 0, 0);
        return false;
    }
    setTDFFileName(name);
    TDFLineReader lines(fd, maxLineLength);
    long long bytesRead = 0;
    long long nextProgress = progressStep;
    TDFLineReader::Result result;
    while ((result = lines.next()) == TDFLineReader::Line) {
        // A UTF-8 byte-order mark, which some editors write at the start of
        // a file, is not part of its first line.
        const bool byteOrderMark =
            bytesRead == 0 && lines.length() >= 3 && std::memcmp(lines.line(), "\xEF\xBB\xBF", 3) == 0;
        read(lines.line() + (byteOrderMark ? 3 : 0), nullptr, nullptr);
        bytesRead += (long long)lines.length();
        if (progress && bytesRead >= nextProgress) {
            progress(bytesRead);
            nextProgress = bytesRead + progressStep;
        }
    }
    ::close(fd);
    closeOpenBlocks();
    return fileEnded(result, lines.error());
}

// Whether the file was read to its end; else says why the rest was not read.
bool TDF::fileEnded(int result, int readError)
{
    const QString place = fileName.isNull() ? QStringLiteral("<tdf>") : fileName;
    switch (TDFLineReader::Result(result)) {
    case TDFLineReader::Line:
    case TDFLineReader::End:
        return true;
    case TDFLineReader::TooLong:
        Error::error(TDFReports::text(TDFReport::LineTooLong).arg(maxLineLength), place, int(lineNumber + 1), 0);
        return false;
    case TDFLineReader::NoMemory:
        Error::error(TDFReports::text(TDFReport::NoMemoryForLine), place, int(lineNumber + 1), 0);
        return false;
    case TDFLineReader::Failed:
        Error::error(
            TDFReports::text(TDFReport::CantReadFile).arg(fileName, QString::fromLocal8Bit(std::strerror(readError))),
            QString(), 0, 0);
        return false;
    }
    return false;
}

// A definition block or a block action that a file leaves open ends with
// it: the next file starts with events.
void TDF::closeOpenBlocks()
{
    if (inDefinitionBlock) {
        error(TDFReport::BlockNotClosed);
        inDefinitionBlock = false;
        pendingLinkLine = 0;
        pendingStyle = nullptr;
        lastDBInstance = nullptr;
        delete definingBlock;
        definingBlock = nullptr;
    }
    if (inBlockAction) {
        error(TDFReport::BlockActionNotClosed);
        abandonBlockAction();
    }
}
