// Loops, external-trigger markers, new traces and thread information.
#include "test_tdf_support.h"

#include <functional>
#include <random>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::string lines;  // read after the standard trace, counted from line 1
    Texts reports;
    std::string objects = "";  // decoratedCensus() of the objects the lines made
    std::string after = "-";   // the state the test describes
};

void check(const Case& c, const std::function<std::string(const TDF&)>& state)
{
    Trace trace;
    const int from = trace.begin(standardTrace);
    EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
    EXPECT_EQ(decoratedCensus(trace.reader, from), c.objects) << c.name;
    EXPECT_EQ(state(trace.reader), c.after) << c.name;
}

// "<sequence numbers of the open levels> open <open loops>": the path the
// next loop would get, with one more level, and how many loops are open.
std::string loopState(const TDF& reader)
{
    std::string stack;
    for (int level : reader.loopIterationStack)
        stack += (stack.empty() ? "" : ".") + std::to_string(level);
    return stack + " open " + std::to_string(reader.openLoops.count);
}

TEST(TDFLoops, StartAndEnd)
{
    const Case cases[] = {
        {"the first loop", "LS 3", {}, "loop Loop1:3 1", "1.1 open 1"},
        {"nested loops and the next loop outside",
         "LS 2\nLS 3\nLE\nLS 4\nLE\nLE\nLS 5",
         {},
         "loop Loop1:2 1; loop Loop1.1:3 1.1; end Loop1.1:3; loop Loop1.2:4 1.2; end Loop1.2:4; end Loop1:2; "
         "loop Loop2:5 2",
         "2.1 open 1"},
        {"start and end take the style and the link",
         "ST 1\nLK \"a\"\nLS 2\nST 2\nLK \"b\"\nLE",
         {},
         "loop Loop1:2 1 [plain] <a>; end Loop1:2 [bold] <b>",
         "2 open 0"},
        {"iteration count missing",
         "LS\nLS \"3\"\nLS 3x",
         {"1: missing iteration into loop start statement.", "2: missing iteration into loop start statement.",
          "3: bad number", "3: missing iteration into loop start statement."},
         "",
         "1 open 0"},
        {"an iteration count that an int does not hold is not cut",
         "LS 9999999999\nLS 2147483648\nLS 2147483647",
         {"1: 32 bits number overflow", "1: missing iteration into loop start statement.", "2: 32 bits number overflow",
          "2: missing iteration into loop start statement."},
         "loop Loop1:2147483647 1",
         "1.1 open 1"},
        {"an end without start changes nothing",
         "LE\nLS 1",
         {"1: can't found loop start for this end loop."},
         "loop Loop1:1 1",
         "1.1 open 1"},
    };
    for (const Case& c : cases)
        check(c, loopState);
}

TEST(TDFLoops, TriggerMarkers)
{
    const Case cases[] = {
        {"in order", "ET\nGA\nGS", {}, "trigger; trigger_start; trigger_stop"},
        {"not in trigger mode",
         "GA\nGS",
         {"1: GA opcode cannot be used: not in external trigger mode (ET)",
          "2: GS opcode cannot be used: not in external trigger mode (ET)"}},
        {"each once, in order",
         "ET\nET\nGS\nGA\nGA\nGS\nGS\nET\nGA",
         {"2: ET opcode already seen in traces", "3: GS opcode cannot be used prior GA one",
          "5: GA opcode already seen in traces", "7: GS opcode already seen in traces",
          "8: ET opcode already seen in traces", "9: GA opcode already seen in traces"},
         "trigger; trigger_start; trigger_stop"},
        {"a marker drops the note and the style and keeps the link",
         "NO \"n\"\nST 1\nLK \"k\"\nET",
         {},
         "trigger",
         "link k"},
        {"... and the glyph", "ET\nGL 1\nGA", {}, "trigger; trigger_start"},
        {"the link goes to the next object", "LK \"k\"\nET\nAC \"a\" 0", {}, "trigger; action a @world <k>"},
        {"a refused marker drops nothing",
         "NO \"n\"\nST 1\nGA",
         {"3: GA opcode cannot be used: not in external trigger mode (ET)"},
         "",
         "style plain note n"},
    };
    for (const Case& c : cases)
        check(c, pending);
}

// "run <running thread>; <num>:<name>:<colour> ..." and what is pending.
std::string threadState(const TDF& reader)
{
    std::string out = "run " + (reader.currentThread ? std::to_string(reader.currentThread->num) : "-") + ';';
    for (const TDFThread* thread : reader.threads)
        out += ' ' + std::to_string(thread->num) + ':' + text(thread->name) + ':' + std::to_string(thread->colorIndex);
    return pending(reader) == "-" ? out : out + " | " + pending(reader);
}

TEST(TDFThreads, ThreadInformation)
{
    const Case cases[] = {
        {"a running thread", "TI 2 1 5 \"worker\"", {}, "thread worker 2:1", "run 2; 2:worker:0"},
        {"a stopped thread hands back to the one that ran before",
         "TI 1 1 0\nTI 2 1 0\nTI 2 3 0",
         {},
         "thread null 1:1; thread null 2:1; thread null 2:3",
         "run 1; 1:null:0 2:null:1"},
        {"and then to none",
         "TI 1 1 0\nTI 2 1 0\nTI 2 3 0\nTI 2 3 0",
         {},
         "thread null 1:1; thread null 2:1; thread null 2:3; thread null 2:3",
         "run -; 1:null:0 2:null:1"},
        {"a first thread info that does not run", "TI 1 2 0", {}, "thread null 1:2", "run -; 1:null:0"},
        {"the only running thread stops",
         "TI 1 1 0\nTI 1 2 0",
         {},
         "thread null 1:1; thread null 1:2",
         "run -; 1:null:0"},
        {"a name renames the thread for all its infos; none keeps it",
         "TI 1 1 0 \"a\"\nTI 1 2 0 \"b\"\nTI 1 1 0",
         {},
         "thread b 1:1; thread b 1:2; thread b 1:1",
         "run 1; 1:b:0"},
        {"any blanks between operands; an unterminated name is reported and absent",
         "TI 1   1 \t 7   \"x\"\nTI 2 1 0 \"open",
         {"2: can't read thread name"},
         "thread x 1:1; thread null 2:1",
         "run 2; 1:x:0 2:null:1"},
        {"decorations stay pending",
         "NO \"n\"\nST 1\nLK \"k\"\nTI 1 1 0",
         {},
         "thread null 1:1",
         "run 1; 1:null:0 | style plain link k note n"},
        {"state not in the configuration; no alias past 32 bits",
         "TI 1 9 0\nTI 1 4294967297 0",
         {"1: can't retrieve thread model", "2: can't retrieve thread model"},
         "",
         "run -;"},
        {"missing operands",
         "TI\nTI 1\nTI 1 1\nTI x 1 1",
         {"1: wrong Thread id format", "2: wrong Thread state id format", "3: wrong Thread priority format",
          "4: wrong Thread id format"},
         "",
         "run -;"},
    };
    for (const Case& c : cases)
        check(c, threadState);
}

TEST(TDFLoops, LoopFieldsAndNeighbours)
{
    Trace trace;
    trace.begin(standardTrace + "CI 3\n");
    bool created = false;
    auto* outer = trace.line("LS 2", &created)->toLoopStart();
    ASSERT_NE(outer, nullptr);
    EXPECT_TRUE(created);
    trace.read("NO \"x\"\nME 10 4\n");
    auto* outerEnd = trace.line("LE")->toLoopEnd();
    auto* empty = trace.line("LS 1")->toLoopStart();
    auto* emptyEnd = trace.line("LE")->toLoopEnd();
    auto* third = trace.line("LS 4")->toLoopStart();
    auto* inner = trace.line("LS 5")->toLoopStart();
    ASSERT_TRUE(outerEnd && empty && emptyEnd && third && inner);

    EXPECT_EQ(outer->instance, trace.reader.instanceTable.search(3));
    EXPECT_EQ(outer->iterations, 2u);
    EXPECT_EQ(outer->firstObject, trace.reader.messages.last()->item) << "the note was not appended before it";
    EXPECT_EQ(outerEnd->instance, trace.reader.instanceTable.search(4)) << "the message changed the instance";
    EXPECT_EQ(outerEnd->lastObject, trace.reader.notes.last()->item) << "appended after its message";
    EXPECT_EQ(outer->loopEnd, outerEnd);
    EXPECT_EQ(outerEnd->loopStart, outer);
    EXPECT_EQ(empty->firstObject, emptyEnd);
    EXPECT_EQ(emptyEnd->lastObject, empty);
    EXPECT_EQ(third->firstObject, inner);
    EXPECT_EQ(inner->firstObject, nullptr);
    EXPECT_EQ((std::vector<int>{outer->loopNumber, empty->loopNumber, third->loopNumber, inner->loopNumber}),
              (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(trace.reader.loopCounter, 4u);
    EXPECT_EQ(trace.reader.loopStarts.count, 4);
    EXPECT_EQ(inner->listNode, trace.reader.loopStarts.last());
    EXPECT_EQ(emptyEnd->listNode, trace.reader.loopEnds.last());
    EXPECT_EQ(trace.reader.openLoops.last()->item, inner);

    // The loop naming of the configuration receives the loop number, the
    // path and the iteration count.
    TraceReports reports;
    std::unique_ptr<TCFList> named =
        loadTCF("tcf { name = \"N\" id_length = 0 loop_naming = (\"L%1 %2 x%3\", LOOP_NUMBER, LOOP_ID, LOOP_REPEAT) }");
    TDF reader(named.get());
    for (const char* line : {"DB \"N\"\n", "ID\n", "ED\n", "SF 1\n", "LS 3\n", "LE\n", "LS 4\n", "LS 5\n"})
        reader.read(line);
    EXPECT_EQ(reports.take(), Texts{});
    EXPECT_EQ(census(reader), "loop L0 1 x3 1; end L0 1 x3; loop L1 2 x4 2; loop L2 2.1 x5 2.1");

    Trace unnamed;  // without a block there is no configuration to name loops
    unnamed.read("LS 3\n");
    EXPECT_EQ(census(unnamed.reader), "loop null 1");
}

TEST(TDFLoops, MarkersHoldTheCurrentInstanceAndAreStampedLikeThreadInfos)
{
    Trace trace;
    trace.begin(standardTrace + "TS 2\nCI 3\n");
    bool created = false;
    TDFObject* trigger = trace.line("ET", &created);
    ASSERT_NE(trigger, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(trace.reader.externalTrigger, trigger);
    auto* start = trace.line("GA")->toTriggerStart();
    trace.line("CI 0");
    auto* stop = trace.line("GS")->toTriggerStop();
    ASSERT_TRUE(start && stop);
    EXPECT_EQ(start->instance, trace.reader.instanceTable.search(3));
    EXPECT_EQ(stop->instance, nullptr);
    EXPECT_EQ(trace.reader.triggerStart, start);
    EXPECT_EQ(trace.reader.triggerStop, stop);
    trace.line("TI 1 1 0");
    EXPECT_EQ(times(trace.reader), "0 0 0 2 4 6");
}

TEST(TDFThreads, MessagesTakeTheRunningThreadAndTheNewestInfo)
{
    Trace trace;
    trace.begin(standardTrace);
    trace.read("TI 2 1 0\n");
    TDFObjectNode* info = trace.reader.currentThreadInfo;
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(info, trace.reader.threadInfos.last());
    auto* first = trace.line("ME 10 3")->toMessage();
    auto* second = trace.line("ME 11 4")->toMessage();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->thread, trace.reader.threads.head->item);
    EXPECT_EQ(first->threadInfo, info);
    EXPECT_EQ(second->thread, first->thread);
    EXPECT_EQ(second->threadInfo, nullptr);

    // A return matches only messages of the running thread.
    EXPECT_EQ(trace.read("TI 3 1 0\nMR\n"), Texts{"5: can't found corresponding message for return."});
    trace.line("TI 3 2 0");  // thread 2 runs again
    auto* back = trace.line("MR")->toMessageReturn();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->message, second);
    EXPECT_EQ(back->threadInfo, trace.reader.threadInfos.last());
    EXPECT_EQ(trace.reader.currentThread->num, 2u);

    Trace colours;  // colour indexes run from 0 to 10, then again from 0
    colours.begin(standardTrace);
    std::string used;
    for (int thread = 1; thread <= 12; ++thread)
        colours.line("TI " + std::to_string(thread) + " 2 0");
    for (const TDFThread* thread : colours.reader.threads)
        used += std::to_string(thread->colorIndex) + ' ';
    EXPECT_EQ(used, "0 1 2 3 4 5 6 7 8 9 10 0 ");
}

TEST(TDFLoops, NewTraceStartsOverButKeepsBlocksThreadAndCounters)
{
    Trace trace;
    trace.begin(standardTrace);
    trace.read("ET\nGA\nTI 5 1 0 \"old\"\nLS 2\nME 10 9\nGL 1\n");
    TDFThread* old = trace.reader.currentThread;
    ASSERT_NE(old, nullptr);
    bool created = false;
    TDFObject* newTrace = trace.line("NT", &created);
    ASSERT_NE(newTrace, nullptr);
    EXPECT_FALSE(created) << "NT leaves the flag alone";
    EXPECT_EQ(census(trace.reader), "newtrace");
    EXPECT_EQ(trace.reader.externalTrigger, nullptr);
    EXPECT_EQ(trace.reader.threads.count, 0);
    EXPECT_EQ(trace.reader.currentThreadInfo, nullptr);
    EXPECT_EQ(trace.reader.currentThread, old) << "the running thread survives until a thread info";
    EXPECT_EQ(text(old->name), "old");
    EXPECT_EQ(pending(trace.reader), "-");
    EXPECT_EQ(loopState(trace.reader), "1 open 0");

    EXPECT_EQ(trace.read("ET\nGA\nSF 1 1 2\nTI 5 1 0\nLS 3\nME 10 9\n"), Texts{});
    EXPECT_EQ(census(trace.reader),
              "newtrace; trigger; trigger_start; thread null 5:1; loop Loop1:3 1; instance obj1:? #9; "
              "message start world->9");
    ASSERT_EQ(trace.reader.threads.count, 1);
    EXPECT_NE(trace.reader.currentThread, old);
    EXPECT_EQ(trace.reader.currentThread->colorIndex, 1) << "colours go on";
}

// Loops nest maxLoopNesting levels deep: a deeper start is reported and
// left out, and so is its end, so that the loops around it end as usual.
TEST(TDFLoops, NestingIsLimited)
{
    const int limit = TDF::maxLoopNesting;
    Trace trace;
    trace.begin(standardTrace);
    std::string lines;
    for (int level = 0; level < limit + 2; ++level)
        lines += "LS 1\n";
    for (int level = 0; level < limit + 3; ++level)
        lines += "LE\n";
    const std::string deeper = ": loops nested deeper than " + std::to_string(limit);
    const auto at = [](int line) { return std::to_string(line); };
    EXPECT_EQ(trace.read(lines),
              (Texts{at(limit + 1) + deeper, at(limit + 2) + deeper, at(limit + 3) + deeper, at(limit + 4) + deeper,
                     at(2 * limit + 5) + ": can't found loop start for this end loop."}));
    ASSERT_EQ(trace.reader.loopStarts.count, limit);
    EXPECT_EQ(trace.reader.loopEnds.count, limit);
    const TDFLoopStart* deepest = trace.reader.loopStarts.last()->item->toLoopStart();
    ASSERT_NE(deepest->loopEnd, nullptr);
    EXPECT_EQ(deepest->loopEnd, trace.reader.loopEnds.head->item->toLoopEnd())
        << "the first end kept closes the deepest loop kept";
    EXPECT_EQ(QString(deepest->loopPath).count(u'.'), limit - 1);
    EXPECT_EQ(loopState(trace.reader), "2 open 0");
}

// The path of every loop is the stack of sequence numbers when it starts,
// and its name, made from the path, holds until it is given one of its own.
TEST(TDFLoops, PathsFollowTheSequenceNumbersOfEveryLevel)
{
    Trace trace;
    trace.begin(standardTrace);
    std::mt19937 random(11);
    std::vector<int> stack{1};
    std::vector<std::string> paths;
    for (int line = 0; line < 600; ++line) {
        if (stack.size() > 1 && random() % 2) {
            trace.line("LE");
            stack.pop_back();
            ++stack.back();
            continue;
        }
        std::string path;
        for (int level : stack)
            path += (path.empty() ? "" : ".") + std::to_string(level);
        paths.push_back(path);
        trace.line("LS 4");
        stack.push_back(1);
    }
    ASSERT_EQ(trace.reader.loopStarts.count, int(paths.size()));
    size_t index = 0;
    for (TDFObject* object : trace.reader.loopStarts) {
        const TDFLoopStart* start = object->toLoopStart();
        EXPECT_EQ(text(start->loopPath), paths[index]);
        EXPECT_EQ(text(start->name()), "Loop" + paths[index++] + ":4");
    }
    TDFLoopStart* first = trace.reader.loopStarts.head->item->toLoopStart();
    first->setName(QStringLiteral("own"));
    EXPECT_EQ(text(first->name()), "own");
    first->setName(QString());
    EXPECT_TRUE(first->name().isNull()) << "an own null name is kept";
}

TEST(TDFLoops, PathTexts)
{
    const struct {
        TDFLoopPath path;
        const char* text;
    } cases[] = {
        {TDFLoopPath(), "null"},  // as a QString field not set
        {TDFLoopPath(TDFLoopPath(), 1), "1"},
        {TDFLoopPath(QStringLiteral("3.2")), "3.2"},
        {TDFLoopPath(TDFLoopPath(QStringLiteral("3.2")), 12), "3.2.12"},
        {TDFLoopPath(TDFLoopPath(TDFLoopPath(TDFLoopPath(), 2), 1), 7), "2.1.7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(text(c.path.toString()), c.text);
}

}  // namespace
