// The reader's core: the line syntax, the dispatch by reading mode, the
// report policy, whole files and resets.
#include "test_tdf_support.h"

#include <QTemporaryDir>

#include <fstream>
#include <vector>

namespace {

struct NumberCase {
    const char* text;
    bool read;
    unsigned long value;
    int consumed;  // characters the cursor moved
    Texts reports;
};

TEST(TDFSyntax, ReadNumber)
{
    const NumberCase cases[] = {
        {"12 x", true, 12, 3, {}},
        {"0012\n", true, 12, 5, {}},
        {"1Fh ", true, 31, 4, {}},
        {"001fH", true, 31, 5, {}},
        {"0", true, 0, 1, {}},
        {"FFFFFFFFh", true, 4294967295UL, 9, {}},
        {"0FFFFFFFFh", true, 4294967295UL, 10, {}},
        {"9999999999", true, 9999999999UL, 10, {}},
        {"00000000001234567890", true, 1234567890, 20, {}},
        {" 5", false, 0, 1, {}},
        {"\"5\"", false, 7, 0, {}},
        {"x", false, 7, 0, {}},
        {"h1", false, 7, 0, {}},
        {"", false, 0, 0, {}},
        {"12345678901", false, 7, 10, {"1: number overflow"}},
        {"1F", false, 7, 2, {"1: hexadecimal number must be terminated by 'h'"}},
        {"123456789h", false, 7, 10, {"1: 32 bits number overflow"}},
        {"12x", false, 7, 2, {"1: bad number"}},
        {"1h2", false, 7, 2, {"1: bad number"}},
        {"0x1F", false, 7, 1, {"1: bad number"}},
    };
    for (const NumberCase& c : cases) {
        Trace trace;
        trace.reader.lineNumber = 1;
        std::string line = c.text;
        char* cursor = line.data();
        unsigned long value = 7;
        EXPECT_EQ(trace.reader.readNumber(&cursor, &value), c.read) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
        EXPECT_EQ(cursor - line.data(), c.consumed) << c.text;
        EXPECT_EQ(trace.reports.take(), c.reports) << c.text;
    }
}

struct StringCase {
    const char* text;
    bool absentOk;
    bool read;
    const char* value;  // null: a null string
    int consumed;
};

TEST(TDFSyntax, ReadString)
{
    const StringCase cases[] = {
        {"\"a\\\"b\" rest", false, true, "a\"b", 7},
        {"\"x\\\\y\\n\"", false, true, "x\\yn", 8},
        {"\"\" 5", false, true, "", 3},
        {"\"end\"", false, true, "end", 5},
        {"\"a\"b", false, true, "a", 4},
        {"\"unclosed text\n", false, false, nullptr, 0},
        {"\"backslash at the end\\", false, false, nullptr, 0},
        {"plain", false, false, nullptr, 0},
        {"plain", true, true, nullptr, 0},
        {"\"\xC3\xA9t\xC3\xA9\" ", false, true, "\xC3\xA9t\xC3\xA9", 8},
        {"\"\xff\xfe\" x", false, true, "\xEF\xBF\xBD\xEF\xBF\xBD", 5},
    };
    for (const StringCase& c : cases) {
        Trace trace;
        std::string line = c.text;
        char* cursor = line.data();
        QString value = QStringLiteral("old");
        EXPECT_EQ(trace.reader.readString(&cursor, value, c.absentOk), c.read) << c.text;
        EXPECT_EQ(value.isNull() ? std::string("null") : value.toStdString(), c.value ? c.value : "null") << c.text;
        EXPECT_EQ(cursor - line.data(), c.consumed) << c.text;
    }
}

TEST(TDFSyntax, WhiteSpaceIsBlankTabCarriageReturnAndLineFeed)
{
    for (char c : {' ', '\t', '\r', '\n'})
        EXPECT_TRUE(TDF::isWhite(c));
    for (char c : {'\0', '\v', '\f', 'a'})
        EXPECT_FALSE(TDF::isWhite(c));
    std::string line = " \t\r\n x";
    char* cursor = line.data();
    TDF::readWhite(&cursor);
    EXPECT_EQ(*cursor, 'x');
}

struct DispatchCase {
    const char* name;
    std::string lines;
    Texts reports;
};

TEST(TDFDispatch, EachModeHandlesIgnoresOrRejectsAnOpcode)
{
    const std::string inBlock = "DB \"T\"\nID 1 2\n";
    const std::string inAction = std::string(standardBlock) + "BA \"busy\" 0\n";
    const DispatchCase cases[] = {
        {"empty lines", "\n\n\n", {}},
        {"unknown opcode between events", "XX 1\n", {"1: unknown opcode or unexpected opcode"}},
        {"definition opcode between events",
         "IN \"task\" 1 \"a\"\nED\n",
         {"1: unknown opcode or unexpected opcode", "2: unknown opcode or unexpected opcode"}},
        {"known but unread opcodes", "OT\nUS 1\nCA\n", {"3: unknown opcode or unexpected opcode"}},
        {"tdp line", "tdp\ntdp x\n", {}},
        {"td, blank, p", "td p\n", {"1: unknown opcode or unexpected opcode"}},
        {"lower-case opcode", "me 10 1\n", {"1: unknown opcode or unexpected opcode"}},
        {"unknown opcode in a block", inBlock + "XX\nCA\nOT\n", {"3: unknown opcode in TSF file"}},
        {"event opcode in a block",
         inBlock + "ME 10 1\nDB \"T\"\n",
         {"3: unknown opcode in TSF file", "4: unknown opcode in TSF file"}},
        {"tdp line in a block", inBlock + "tdp\n", {"3: unknown opcode in TSF file"}},
        {"lines of an invalid block",
         "DB \"nope\"\nXX\nME\nID 1 2\nED\nXX\n",
         {"1: undefined configuration name", "5: definition block has no id",
          "6: unknown opcode or unexpected opcode"}},
        {"lines of a block action",
         inAction + "XX\nME 10 1\nDB \"T\"\nEA\nXX\n",
         {"19: unknown opcode or unexpected opcode"}},
        {"EA between events", "EA\n", {"1: unknown opcode or unexpected opcode"}},
    };
    for (const DispatchCase& c : cases) {
        Trace trace;
        EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
    }
}

TEST(TDFDispatch, ShortTextsAndReturnedObjects)
{
    Trace trace;
    EXPECT_EQ(trace.reader.read(""), nullptr);
    EXPECT_EQ(trace.reader.read("X"), nullptr);
    EXPECT_EQ(trace.reader.read("tdp"), nullptr) << "no white space after tdp";
    EXPECT_EQ(trace.reports.take(),
              (Texts{"1: unknown opcode or unexpected opcode", "2: unknown opcode or unexpected opcode",
                     "3: unknown opcode or unexpected opcode"}));
    EXPECT_EQ(trace.reader.lineNumber, 3u);

    trace.read("DB \"T\"\nID 1 2\n");
    bool created = false;
    TDFObject* block = trace.line("ED", &created);
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(block->toTDFDefinitionBlock(), trace.reader.blocks.head->item);
    EXPECT_EQ(trace.line("SF 1 1 2"), nullptr);
    TDF::ModelChangment changment = TDF::MODEL_CHANGED;
    EXPECT_EQ(trace.line("TM 5", nullptr, &changment), nullptr);
    EXPECT_EQ(changment, TDF::NO_CHANGE) << "every line starts with no change";
}

TEST(TDFReports, ErrorsStopAfterTheLimitUntilAFullReset)
{
    Trace trace;
    std::string lines;
    for (int i = 0; i < 103; ++i)
        lines += "XX\n";
    const Texts first = trace.read(lines);
    ASSERT_EQ(first.size(), 101u);
    EXPECT_EQ(first[99], "100: unknown opcode or unexpected opcode");
    EXPECT_EQ(first[100], "101: error limit reached, continue to parsing silently.");
    EXPECT_EQ(trace.reader.errorCount, 101);
    EXPECT_EQ(trace.read("NO \"a\"\nNO \"b\"\n"), Texts{}) << "warnings are silent too";

    trace.reader.reset(true);
    EXPECT_EQ(trace.read("XX\n"), Texts{}) << "a partial reset keeps the count";
    trace.reader.reset(false);
    EXPECT_EQ(trace.read("XX\n"), Texts{"1: unknown opcode or unexpected opcode"});
}

TEST(TDFReports, NamedFileAndSkippingAfterAMissingBlock)
{
    Trace trace;
    trace.reader.setTDFFileName(QStringLiteral("run.tdf"));
    EXPECT_EQ(trace.read(std::string(standardBlock) + "CS 9\nXX\nME 99 1\nNO \"a\"\nNO \"b\"\nCS 1\nXX\n"),
              (Texts{"run.tdf:14: definition block not found (CS)",
                     "run.tdf:19: warning: due to previous error, restart analyzing at this line (5 lines skipped)",
                     "run.tdf:20: unknown opcode or unexpected opcode"}));
    EXPECT_EQ(trace.reader.errorCount, 2) << "suppressed reports are not counted";
}

TEST(TDFReader, AppendObjectRecordsTheNodeAndTheFirstObjectOfALoop)
{
    Trace trace;
    trace.read(standardBlock);
    auto* start = trace.line("LS 3")->toLoopStart();
    ASSERT_NE(start, nullptr);
    EXPECT_EQ(start->objectNode, trace.reader.objects.last());
    EXPECT_EQ(start->firstObject, nullptr);
    TDFObject* action = trace.line("AC \"x\" 0");
    EXPECT_EQ(start->firstObject, action);
    trace.line("AC \"y\" 0");
    EXPECT_EQ(start->firstObject, action) << "only the object right after the start";
}

TEST(TDFReader, FactoryIsSharedByDefaultAndReplaceable)
{
    TDF first(nullptr);
    TDF second(nullptr);
    ASSERT_NE(first.factory(), nullptr);
    EXPECT_EQ(first.factory(), second.factory());
    EXPECT_EQ(first.factory(), TDF::default_factory_);

    struct CountingFactory : TDFFactory {
        int messages = 0;
        TDFMessage* newTDFMessage() override
        {
            ++messages;
            return TDFFactory::newTDFMessage();
        }
    } counting;
    Trace trace;
    trace.reader.setFactory(&counting);
    EXPECT_EQ(trace.reader.factory(), &counting);
    trace.read(std::string(standardBlock) + "ME 10 1\nME 11 2\n");
    EXPECT_EQ(counting.messages, 2);
}

// Every object goes with its trace as its factory made it: those of the
// default factory with the reader's memory, those of a host's factory and
// those appended by hand by delete.  Every destructor runs.
TEST(TDFReader, ObjectsOfEveryFactoryGoWithTheTrace)
{
    static int destroyed = 0;
    struct Counted : TDFUserData {
        ~Counted() override { ++destroyed; }
    };
    struct HostMessage : TDFMessage {
        ~HostMessage() override { ++destroyed; }
    };
    struct HostFactory : TDFFactory {
        TDFMessage* newTDFMessage() override { return new HostMessage; }
    } host;
    Trace trace;
    trace.read(std::string(standardBlock) + "ME 10 1\n");
    for (TDFObject* object : trace.reader.objects)
        object->userData = new Counted;
    trace.reader.setFactory(&host);
    trace.read("ME 11 1\nMC 5 12\n");  // the call's message is in no list of objects
    trace.reader.appendObject(new HostMessage);
    trace.reader.setFactory(nullptr);
    trace.read("ME 12 1\nNO \"left pending\"\n");
    trace.reader.objects.last()->item->userData = new Counted;
    EXPECT_EQ(trace.reader.objects.count, 6);
    trace.reader.reset(false);
    EXPECT_EQ(destroyed, 2 + 3 + 1);
    EXPECT_EQ(trace.reader.objects.count, 0);
    EXPECT_EQ(trace.read(std::string(standardBlock) + "ME 10 1\n"), Texts{}) << "the reader reads on";
}

class TraceFile : public ::testing::Test {
protected:
    QTemporaryDir dir;

    QString write(const char* name, const std::string& content)
    {
        const QString path = dir.filePath(QString::fromUtf8(name));
        std::ofstream(path.toStdString(), std::ios::binary) << content;
        return path;
    }
};

// Lines of every length around the size of the blocks the file is read by,
// each read whole: those in a block where they lie, the others gathered.
TEST_F(TraceFile, LinesAcrossTheReadBlocksAreReadWhole)
{
    std::string content = standardBlock;
    std::vector<std::string> names;
    for (int length = 1; content.size() < 4 * 65536; length = 1 + (length * 7 + 1013) % 9001) {
        names.push_back(std::string(size_t(length), char('a' + names.size() % 26)));
        content += "AC \"" + names.back() + "\" 0\n";
    }
    Trace trace;
    EXPECT_TRUE(trace.reader.readFile(write("blocks.tdf", content)));
    EXPECT_EQ(trace.reports.take(), Texts{});
    ASSERT_EQ(trace.reader.actions.count, int(names.size()));
    size_t index = 0;
    for (TDFObject* action : trace.reader.actions) {
        ASSERT_EQ(text(action->name()), names[index]) << "line " << action->line;
        ++index;
    }
}

TEST_F(TraceFile, MissingFileIsReportedWithoutTouchingTheReader)
{
    Trace trace;
    trace.reader.setTDFFileName(QStringLiteral("earlier.tdf"));
    trace.reader.lineNumber = 5;
    const QString missing = dir.filePath(QStringLiteral("missing.tdf"));
    EXPECT_FALSE(trace.reader.readFile(missing));
    EXPECT_EQ(trace.reports.take(), Texts{"0: Can't open file \"" + missing.toStdString() + '"'});
    EXPECT_EQ(trace.reader.fileName, QStringLiteral("earlier.tdf"));
    EXPECT_EQ(trace.reader.lineNumber, 5u);
    EXPECT_EQ(trace.reader.errorCount, 0) << "not a reader report";
}

TEST_F(TraceFile, EveryPhysicalLineIsReadWholeAndCountedOnce)
{
    Trace trace;
    const std::string longName(200000, 'n');
    const QString path = write("long.tdf", std::string(standardBlock) + "\n\nNI 1 7 \"" + longName + "\"\nXX");
    EXPECT_TRUE(trace.reader.readFile(path));
    EXPECT_EQ(trace.reports.take(), Texts{path.toStdString() + ":17: unknown opcode or unexpected opcode"});
    EXPECT_EQ(trace.reader.lineNumber, 17u);
    ASSERT_EQ(trace.reader.instances.count, 1);
    EXPECT_EQ(trace.reader.instances.head->item->name().size(), int(longName.size()));
}

TEST_F(TraceFile, AByteOrderMarkStartsOnlyTheFile)
{
    Trace trace;
    const std::string mark = "\xEF\xBB\xBF";
    const QString path = write("bom.tdf", mark + std::string(standardBlock) + mark + "NI 1 7\n");
    EXPECT_TRUE(trace.reader.readFile(path));
    EXPECT_EQ(trace.reports.take(), Texts{path.toStdString() + ":14: unknown opcode or unexpected opcode"});
    EXPECT_EQ(trace.reader.blocks.count, 1);
}

TEST_F(TraceFile, ASecondFileAddsToTheFirstAndADirectoryIsUnreadable)
{
    Trace trace;
    EXPECT_TRUE(trace.reader.readFile(write("a.tdf", std::string(standardBlock) + "NI 1 7\n")));
    EXPECT_TRUE(trace.reader.readFile(write("b.tdf", "NI 2 8\n")));
    EXPECT_EQ(census(trace.reader), "instance obj0:Sensor #7; instance obj0:Pump #8");
    EXPECT_EQ(trace.reader.lineNumber, 1u);
    // Each object knows where it came from: its file and the line of its record.
    EXPECT_EQ(trace.reader.objects.head->item->line, 14u);
    EXPECT_EQ(trace.reader.objects.head->prev->item->line, 1u);
    EXPECT_EQ(trace.reader.sourceFileOf(0), dir.filePath("a.tdf"));
    EXPECT_EQ(trace.reader.sourceFileOf(1), dir.filePath("b.tdf"));
    trace.reports.take();

    EXPECT_FALSE(trace.reader.readFile(dir.path()));
    const Texts reports = trace.reports.take();
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].rfind("0: Can't read file \"" + dir.path().toStdString() + "\": ", 0), 0u) << reports[0];
}

struct FilesCase {
    const char* name;
    std::vector<std::string> files;  // read in order as 1.tdf, 2.tdf, ...
    Texts reports;                   // with the folder left out
    std::string objects;
    int blocks;
};

// What a file leaves open ends with it, and a file read twice repeats its blocks.
TEST_F(TraceFile, AFileEndsWhatItOpened)
{
    const std::string unclosed = "DB \"T\"\nID 5 5\nMS 1 \"m\"\n";
    const FilesCase cases[] = {
        {"a definition block left open",
         {std::string(standardBlock) + unclosed, "SF 2 1 2\nNI 1 7\n"},
         {"1.tdf:16: definition block not closed"},
         "instance obj0:Sensor #7",
         1},
        {"a block action left open",
         {std::string(standardBlock) + "BA \"busy\" 0\nAC \"x\" 0\n", "NI 1 7\n"},
         {"1.tdf:15: block action not closed"},
         "instance obj0:Sensor #7",
         1},
        {"the same definitions twice",
         {standardBlock, standardBlock},
         {"2.tdf:1: warning: definition block has the same ids as the one defined at 1.tdf:1"},
         "",
         2},
    };
    for (const FilesCase& c : cases) {
        Trace trace;
        int number = 0;
        for (const std::string& content : c.files)
            EXPECT_TRUE(trace.reader.readFile(write((std::to_string(++number) + ".tdf").c_str(), content))) << c.name;
        Texts reports = trace.reports.take();
        const std::string folder = dir.path().toStdString() + '/';
        for (std::string& report : reports) {
            for (size_t at; (at = report.find(folder)) != std::string::npos;)
                report.erase(at, folder.size());
        }
        EXPECT_EQ(reports, c.reports) << c.name;
        EXPECT_EQ(census(trace.reader), c.objects) << c.name;
        EXPECT_EQ(trace.reader.blocks.count, c.blocks) << c.name;
    }
}

// A line longer than the limit ends the reading of its file there; the
// limit does not count the line feed.
TEST_F(TraceFile, ALineLongerThanTheLimitEndsTheFile)
{
    Trace trace;
    trace.reader.maxLineLength = 40;
    const std::string fits = "AC \"" + std::string(33, 'a') + "\" 0\n";
    const QString path = write(
        "long.tdf", std::string(standardBlock) + fits + "AC \"" + std::string(34, 'b') + "\" 0\nAC \"after\" 0\n");
    EXPECT_FALSE(trace.reader.readFile(path));
    EXPECT_EQ(trace.reports.take(),
              Texts{path.toStdString() + ":15: line too long (more than 40 bytes): the rest of the file is not read"});
    EXPECT_EQ(census(trace.reader), "action " + std::string(33, 'a') + " @world");
}

TEST(TDFReset, PartialResetKeepsBlocksAndFullResetDropsThem)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "NI 1 7\nME 10 7\nNO \"pending\"\nGL 1\nBA \"open\" 0\n");
    EXPECT_TRUE(trace.reader.inBlockAction);
    trace.reader.reset(true);
    EXPECT_EQ(trace.reader.objects.count, 0);
    EXPECT_EQ(trace.reader.blocks.count, 1);
    EXPECT_FALSE(trace.reader.blocks.head->item->counted);
    EXPECT_FALSE(trace.reader.blocks.head->item->getMessageFromId(10)->used);
    EXPECT_EQ(trace.reader.pendingNote, nullptr);
    EXPECT_FALSE(trace.reader.inBlockAction) << "an open block action is abandoned";
    EXPECT_EQ(trace.reader.loopIterationStack.count, 1);
    EXPECT_EQ(trace.read("ME 10 7\n"), Texts{"19: no definition block while reading message"});
    EXPECT_EQ(trace.read("SF 1 1 2\nME 10 7\n"), Texts{}) << "SF binds the kept block again";
    EXPECT_EQ(trace.reader.totalMessageModels, 3);

    trace.reader.reset(false);
    EXPECT_EQ(trace.reader.blocks.count, 0);
    EXPECT_EQ(trace.reader.lineNumber, 0u);
    EXPECT_EQ(trace.read("SF 1 1 2\n"), Texts{"1: definition block not found (SF)"});
}

TEST(TDFReset, BlocksHandedInAreSharedAndNeverDeleted)
{
    Trace definitions;
    definitions.read(standardBlock);
    {
        TDF reader(definitions.tcf.get());
        reader.setDefinitionBlockList(definitions.reader.blocks);
        EXPECT_TRUE(reader.externalBlocks);
        reader.read("SF 5 1 2\n");
        reader.read("NI 1 7\n");
        EXPECT_EQ(reader.instances.head->item->model, definitions.reader.blocks.head->item->getInstanceFromId(1));
        reader.read("DB \"T\"\n");
        reader.read("ID 3 4\n");
        reader.read("ED\n");
        EXPECT_EQ(reader.blocks.count, 2) << "a block read afterwards joins the list";
        reader.reset(false);
        EXPECT_EQ(reader.blocks.count, 2) << "kept: they came from outside";
    }
    EXPECT_EQ(definitions.reader.blocks.count, 1);
    EXPECT_EQ(definitions.reader.blocks.head->item->getInstanceFromId(2)->name, QStringLiteral("Pump"));
}

}  // namespace
