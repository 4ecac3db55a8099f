// The trace reader.
//
// A trace is text, one line per event or definition, each line starting
// with a two-letter opcode followed by operands: numbers (decimal, or
// hexadecimal ending in 'h': 1Fh) and strings in double quotes (a backslash
// keeps the next character).  Lines between DB and ED define a block of
// static instances, messages and texts; event lines then create the trace
// objects, in reading order, in `objects`.
//
// Problems are reported through Error with the file name and line number
// and the line is skipped or partly applied; after 100 errors the reader
// goes on silently.  The reader owns the objects it appends and the blocks
// it defines.
//
// A file is read line by line; a line longer than maxLineLength (256 MiB by
// default) or one that memory cannot hold is reported at its line, and the
// rest of the file is not read.  A definition block or a block action still
// open at the end of a file is reported there and abandoned, so that the
// next file starts with events.  Loops nest at most maxLoopNesting levels
// deep: a deeper loop start is reported and left out, and so is its end.
//
// With the default factory installed, the reader places its objects in
// blocks of memory of its own, given back whole at a reset: it still runs
// each object's destructor, but `delete` must not be called on them.
#pragma once

#include "stacksizeview_export.h"

#include "tdf/tdf_db.h"
#include "tdf/tdffactory.h"
#include "tdf/tdftime.h"

#include <QHash>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

class QTextCodec;
class TCFList;
class TDFArenaFactory;
enum class TDFReport : int;
struct TDFIndexes;

class STACKSIZEVIEW_EXPORT TDF {
public:
    // What an NI line did to an instance's model.
    enum ModelChangment { NO_CHANGE = 0, NEW_MODEL = 1, MODEL_CHANGED = 2 };

    // An NI line that gave a living instance a model: a modeless instance
    // its first one, or an instance another one.  `position` is the number
    // of objects read before it, so that a writer can put it back in place.
    struct ModelChange {
        int position;
        TDFInstance* instance;
        TDFDBInstance* previousModel;  // null for a modeless instance
        TDFDBInstance* model;
    };

    static constexpr std::size_t defaultMaxLineLength = std::size_t(256) << 20;
    static constexpr int maxLoopNesting = 1000;

    static TDFFactory* default_factory_;

    TDFFactory* factory_ = nullptr;
    TDFDefinitionBlockList blocks;
    TDF_USE_DBTraceIdHash sfTable;  // SF number to block
    List<TDFObject*> objects;       // every object, in reading order; owned
    TDFInstanceList instances;
    TDFInstanceHash instanceTable;  // dynamic id to the newest instance
    List<TDFObject*> messageReturns;
    List<TDFObject*> openCalls;  // every call; they stay after completion
    List<TDFObject*> notes;
    List<TDFObject*> glyphs;
    List<TDFObject*> messages;
    List<TDFObject*> actions;
    List<TDFObject*> synchronisations;
    List<TDFObject*> instanceDeletes;
    List<TDFObject*> threadInfos;
    List<TDFThread*> threads;  // in order of first appearance
    List<TDFObject*> loopStarts;
    List<TDFObject*> loopEnds;
    List<TDFObject*> openLoops;  // newest last
    List<TDFObject*> callStack;  // messages awaiting their return
    List<int> loopIterationStack;
    std::vector<ModelChange> modelChanges;        // in reading order; emptied by a reset
    unsigned long lineNumber = 0;                 // lines read since the file name was set
    TDFDefinitionBlock* currentBlock = nullptr;   // selected by SF or CS
    TDFDefinitionBlock* definingBlock = nullptr;  // between DB and ED
    TDFDBInstance* lastDBInstance = nullptr;      // super instance for the next IN
    TDFObjectNode* currentThreadInfo = nullptr;   // newest thread info not yet taken
    TCFList* tcfList;
    TCF* traceTCF = nullptr;  // configuration of the first DB
    Style* pendingStyle = nullptr;
    QString pendingLinkText;
    unsigned long pendingLinkLine = 0;
    TDFNote* pendingNote = nullptr;
    TDFGlyph* pendingGlyph = nullptr;
    TDFInstance* currentInstance = nullptr;  // sender of the next message; null: the world
    unsigned long currentTime = 0;
    unsigned long timeStep = 0;
    bool activationTracking = true;
    unsigned long heapSize = 0;
    unsigned long maxHeapSize = 0;
    bool heapSizeSeen = false;
    int totalMessageModels = 0;
    int usedMessageModelCount = 0;
    bool inBlockAction = false;
    QString blockActionText;
    TDFDBText* blockActionModel = nullptr;
    TDFInstance* blockActionInstance = nullptr;
    unsigned long blockActionDepth = 0;
    unsigned long loopCounter = 0;
    bool loopFirstPending = false;  // the next object appended starts the newest loop
    unsigned long firstTime = 0;
    bool firstTimeSeen = false;
    unsigned long minTime = 0;
    bool minTimeSeen = false;
    unsigned long minTimeStep = ~0UL;
    bool minTimeStepSeen = false;
    QString timeUnitName;
    TDFTimeUnitType timeUnit = TIME_UNIT_NONE;
    QString timeFormat;
    QString fileName;
    // The files the objects came from: those from position `firstObject` of
    // `objects` on were read from `fileName`, up to the next file's start.
    struct SourceFile {
        QString fileName;
        int firstObject;
    };
    std::vector<SourceFile> sourceFiles;
    unsigned long modelessCount = 0;
    int nextThreadColor = 0;
    TDFThread* currentThread = nullptr;
    TDFObjectNode* runningThreadInfo = nullptr;
    bool inDefinitionBlock = false;
    bool externalBlocks = false;  // blocks handed in by setDefinitionBlockList
    TDFObject* externalTrigger = nullptr;
    TDFObject* triggerStart = nullptr;
    TDFObject* triggerStop = nullptr;
    int errorCount = 0;
    QTextCodec* textCodec = nullptr;   // codec of string operands; null: UTF-8
    bool skippingToNextBlock = false;  // reports suppressed after a missing block
    int skipStartLine = 0;
    std::size_t maxLineLength = defaultMaxLineLength;  // bytes of a file's line, its line feed not counted

    explicit TDF(TCFList* list);
    TDF(const TDF&) = delete;
    TDF& operator=(const TDF&) = delete;
    ~TDF();

    // Reads one line; returns the object it created or changed, or null.
    // `created` is set (never cleared) when the line made a new object.
    TDFObject* read(const char* line, bool* created = nullptr, ModelChangment* changment = nullptr);
    // Reads a whole file after what is already read; false when it cannot
    // be opened or read.
    bool readFile(const QString& fileName);
    // The same, telling `progress` the bytes read so far about every megabyte.
    bool readFile(const QString& fileName, const std::function<void(long long bytesRead)>& progress);
    // Starts a new trace; `keepDefinitions` keeps the blocks, the error
    // count and the line number.
    void reset(bool keepDefinitions);
    // Names the file in reports and restarts the line count.
    void setTDFFileName(const QString& name);
    // The file the object at `position` of `objects` was read from; null
    // for objects not read from a named file.
    QString sourceFileOf(int position) const;
    void setTimeFormat(const QString& format) { timeFormat = format; }
    void setFactory(TDFFactory* factory) { factory_ = factory; }
    // The installed factory, else the process-wide default one.
    TDFFactory* factory();
    // Uses blocks defined elsewhere; the reader never deletes them.
    void setDefinitionBlockList(const TDFDefinitionBlockList& list);
    void error(const QString& message);
    void warning(const QString& message);
    void appendObject(TDFObject* object);
    // The time formatted with the reader's format and unit.
    QString strTime(const unsigned long long& time);

    static bool isWhite(char c) { return c == '\n' || c == ' ' || c == '\t' || c == '\r'; }
    static void readWhite(char** cursor);
    // Reads a number at the cursor and the one blank after it.  False, with
    // the cursor unmoved and no report, when no number starts there.
    bool readNumber(char** cursor, unsigned long* value);
    // Reads a double-quoted string and the character after it.  Without a
    // quote at the cursor: `absentOk`, a null value and the cursor unmoved.
    bool readString(char** cursor, QString& value, bool absentOk);

    // Definition blocks and their selection.
    void readDB(char* line);
    void readID(char* line);
    void readSI(char* line);
    void readSO(char* line);
    void readIN(char* line);
    void readMS(char* line);
    void readTX(char* line);
    void readST(char* line);
    void readLK(char* line);
    TDFObject* readED(char* line, bool* created);
    void readSF(char* line);
    void readCS(char* line);
    // Instances and messages.
    TDFObject* readNI(char* line, bool* created, ModelChangment* changment);
    TDFObject* readDI(char* line, bool* created);
    TDFObject* readDA(char* line, bool* created);
    TDFObject* readCI(char* line, bool* created);
    TDFObject* readMC(char* line, bool* created);
    TDFObject* readME(char* line, bool* created);
    TDFObject* readMR(char* line, bool* created);
    // Actions, synchronisations, notes and glyphs.
    TDFObject* readAC(char* line, bool* created);
    void readBA(char* line);
    TDFObject* readEA(char* line, bool* created);
    TDFObject* readSA(char* line, bool* created);
    TDFObject* readSY(char* line, bool* created);
    void readNO(char* line);
    void readGL(char* line);
    // Loops, triggers, new traces and threads.
    TDFObject* readLS(char* line, bool* created);
    TDFObject* readLE(char* line, bool* created);
    TDFObject* readET(char* line, bool* created);
    TDFObject* readGA(char* line, bool* created);
    TDFObject* readGS(char* line, bool* created);
    TDFObject* readNT(char* line);
    void readTI(char* line);
    // Time base and heap size.
    void readTU(char* line);
    void readTM(char* line);
    void readTS(char* line);
    void readHS(char* line);

private:
    friend class TDFIndexCheck;  // the tests compare the indexes with the walks they replace

    std::unique_ptr<TDFIndexes> indexes;
    std::unique_ptr<TDFArenaFactory> arena;  // makes the objects while the default factory is installed
    bool foreignObjects = false;             // some objects of `objects` are not in the arena
    unsigned long loopsTooDeep = 0;          // loop starts left out and not ended yet
    int externalBlockCount = 0;              // the first blocks, handed in, are not the reader's
    TDFThread* retiredThread = nullptr;      // the current thread, kept over a reset
    QHash<QString, QTextCodec*> codecs;      // codecs looked up by NO lines

    // The factory of the objects read: the arena while the installed one is the default.
    TDFFactory* maker();
    // Appends an object that maker() made.
    void place(TDFObject* object);
    // Destroys one of the objects, as its factory made it.
    void dispose(TDFObject* object);

    bool silent() const;  // reports are not shown
    void error(TDFReport report);
    void error(TDFReport report, const QString& argument);
    void warning(TDFReport report);
    void warningAt(unsigned long line, const QString& message);
    void closeOpenBlocks();
    bool fileEnded(int result, int readError);
    void startSkipping();
    void warnRestart();

    // Operand readers; each reports `failure` (or what the line lacks) itself.
    bool readOperand(char** cursor, unsigned long* value, TDFReport failure);
    // A number that a signed 32-bit int holds; a larger one is reported as an overflow.
    bool readIntNumber(char** cursor, unsigned long* value);
    // An optional number that ends the line: Absent when only blanks are
    // left; Failed, after reporting `failure`, when something else is.
    enum class Optional { Read, Absent, Failed };
    Optional readOptionalOperand(char** cursor, unsigned long* value, TDFReport failure);
    bool readLongValue(char** cursor, unsigned long* value, TDFReport failure);
    bool readTextOperand(char** cursor, QString& text, TDFDBText** model, bool emptyIsNumber, TDFReport none,
                         TDFReport notFound);
    bool readDefinition(char** cursor, unsigned long* id, QString& name, TDFReport noNumber);
    bool readActionInstance(char** cursor, TDFInstance** instance);

    // Definition blocks.
    void invalidateBlock(TDFReport report);
    void warnIfDuplicate(const TDFDefinitionBlock* block);
    bool isIdFree(unsigned long id);
    void takeDefinitionDecorations(TDFDBObject* definition, bool keepLinkText);
    void forgetUse(TDFDefinitionBlock* block);
    void deleteOwnBlocks();

    // Event conventions shared by the handlers.
    void stamp(TDFObject* object);
    void takeStyle(TDFObject* object);
    void takeLink(TDFObject* object);
    TDFObjectNode* takeThreadInfo();
    TDFObject* appendTo(List<TDFObject*>& list, TDFObjectNode** listNode, TDFObject* object, bool* created);
    void appendPendingNote();
    void appendPendingGlyph();
    void discardPendingNote();
    void discardPendingGlyph();

    // Events.
    TDFInstance* findInstance(unsigned long dynamicId);
    TDFInstance* newInstance(unsigned long dynamicId, TDFInstance* previous);
    void endInstance(TDFInstance* instance, TDFObject* deletion);
    void appendSynchronisedInstances(List<TDFInstance*>* list);
    TDFMessageCall* olderCall(const TDFMessageCall* call);
    TDFMessage* completeCall(unsigned long callId, unsigned long staticId);
    TDFMessage* findReturnedMessage(bool anyModel, unsigned long staticId);
    TDFMessageReturn* findDeletionReturn(unsigned long staticId);
    TDFAction* newAction(TDFDBText* model, TDFInstance* instance, const QString& text, bool* created);
    TDFSynchronisation* newSynchronisation(List<TDFInstance*>* instances, TDFDBText* model, const QString& text,
                                           bool* created);
    QTextCodec* codecNamed(const QString& name);
    bool readNoteText(char** line, QString& own, TDFDBText** model);
    TDFObject* placeMarker(TDFObject* marker, bool* created);
    TDFThread* findThread(unsigned long num);
    TDFThread* threadNumbered(unsigned long num);
    void resumePreviousThread();
    void releaseThreads();
    void abandonBlockAction();
};
