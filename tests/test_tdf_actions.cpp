// Actions, block actions, synchronisations, notes and glyphs: what each line
// makes, what it reports, and what it leaves pending for the next event.
#include "test_tdf_support.h"

#include <QTextCodec>

#include <random>
#include <vector>

namespace {

struct Case {
    const char* name;
    std::string lines;  // read after the standard trace, counted from line 1
    Texts reports;
    std::string objects = "";  // decoratedCensus() of the objects the lines made
    std::string after = "-";   // pending() afterwards, with " open <depth>" inside a block action
};

void check(const Case& c)
{
    Trace trace;
    const int from = trace.begin(standardTrace);
    EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
    EXPECT_EQ(decoratedCensus(trace.reader, from), c.objects) << c.name;
    const std::string open = trace.reader.inBlockAction ? " open " + std::to_string(trace.reader.blockActionDepth) : "";
    EXPECT_EQ(pending(trace.reader) + open, c.after) << c.name;
}

TEST(TDFActions, ActionsAndBlockActions)
{
    const Case cases[] = {
        // AC
        {"string, the world", "AC \"Reset\" 0", {}, "action Reset @world"},
        {"static text, any blanks before the instance", "AC 21   3", {}, "action Check @3"},
        {"an empty string reads a static text id", "AC \"\" 21 4", {}, "action Check @4"},
        {"an empty string takes the instance id as the text id",
         "AC \"\" 0",
         {"1: can't retrieve text id for action in definition block."}},
        {"takes the pending style and link once",
         "ST 2\nLK \"doc\"\nAC \"Go\" 3\nAC \"Again\" 3",
         {},
         "action Go @3 [bold] <doc>; action Again @3"},
        {"an ended instance still has its id", "DI 3\nAC \"late\" 3", {}, "delete 3; action late @3"},
        {"no instance id", "AC \"x\"\nAC 21 ", {"1: can't read instance id.", "2: can't read instance id."}},
        {"unknown instance; the style stays pending",
         "ST 2\nAC \"x\" 9",
         {"2: can't find instance for action."},
         "",
         "style bold"},
        {"unknown static text", "AC 99 0", {"1: can't retrieve text id for action in definition block."}},
        {"neither string nor number",
         "AC \"open 0\nAC x 0",
         {"1: neither string nor number for action.", "2: neither string nor number for action."}},
        // BA ... EA
        {"lines inside are ignored; the style pending before BA is taken",
         "ST 2\nBA \"busy\" 3\nME 10 4\nST 1\nXX\nEA",
         {},
         "action busy @3 [bold]"},
        {"nested: the last EA makes one action of the inner BA",
         "BA \"a\" 3\nBA 21 4\nEA\nAC \"x\" 0\nEA",
         {},
         "action Check @4"},
        {"an inner EA makes nothing", "BA \"a\" 3\nBA \"b\" 4\nEA", {}, "", "- open 1"},
        {"an empty string is the text", "BA \"\" 0\nEA", {}, "action  @world"},
        {"a failed nested BA has overwritten the operands",
         "BA \"a\" 3\nBA \"b\" 9\nEA",
         {"2: can't find instance for action."},
         "action b @world"},
        {"no instance id opens nothing",
         "BA \"a\"\nEA",
         {"1: can't read instance id.", "2: unknown opcode or unexpected opcode"}},
        {"unknown static text",
         "BA 99 0\nEA",
         {"1: can't retrive text id for action in definition block.", "2: unknown opcode or unexpected opcode"}},
        {"unknown instance", "BA \"a\" 9", {"1: can't find instance for action."}},
        {"neither string nor number", "BA \"open 0", {"1: neither string nor number for action."}},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(TDFActions, Synchronisations)
{
    const Case cases[] = {
        // SA
        {"every live instance", "SA \"all\"", {}, "sync all [3 4]"},
        {"static text; an ended instance is left out", "DI 4\nSA 21", {}, "delete 4; sync Check [3]"},
        {"an instance ended later than the current time takes part",
         "TM 10\nDI 4\nTM 5\nSA \"x\"",
         {},
         "delete 4; sync x [3 4]"},
        {"an instance ended at the current time does not", "TM 10\nDI 4\nSA \"x\"", {}, "delete 4; sync x [3]"},
        {"no instance left",
         "DA\nSA \"x\"",
         {"2: SA whitout instance: no synchronisation created."},
         "deleteall [3 4]"},
        {"an empty string reads a static text id", "SA \"\" 21", {}, "sync Check [3 4]"},
        {"an empty string and no number", "SA \"\"", {"1: neither string nor number for synchronisation."}},
        {"unknown static text", "SA 99", {"1: can't retrieve text id for synchronisation in definition block."}},
        {"takes the pending style and link", "ST 1\nLK \"l\"\nSA \"x\"", {}, "sync x [3 4] [plain] <l>"},
        // SY
        {"a repeated id, the world twice, an unknown id as the world",
         "SY \"Lock\" 3 3 0 9",
         {"1: instance 3 already included into synchronisation."},
         "sync Lock [3 world world]"},
        {"ended instances: reported, nothing made, style and link dropped",
         "DI 3\nDI 4\nST 1\nLK \"l\"\nSY \"x\" 3 4",
         {"5: instance 3 is destroyed at synchronisation time.", "5: instance 4 is destroyed at synchronisation time."},
         "delete 3; delete 4"},
        {"an ended id given twice is reported as ended twice",
         "DI 3\nSY \"x\" 3 4 3",
         {"2: instance 3 is destroyed at synchronisation time.", "2: instance 3 is destroyed at synchronisation time."},
         "delete 3; sync x [4]"},
        {"an empty string is the text; static text", "SY \"\" 3\nSY 21 4 3", {}, "sync  [3]; sync Check [4 3]"},
        {"no ids: nothing made, style and link dropped", "ST 1\nLK \"l\"\nSY \"x\"", {"3: can't read instance id."}},
        {"ids are separated by exactly one blank", "SY \"x\" 3  4", {}, "sync x [3]"},
        {"takes the pending style and link", "ST 2\nLK \"l\"\nSY \"x\" 4", {}, "sync x [4] [bold] <l>"},
        {"unknown static text", "SY 99 3", {"1: can't retrieve text id for synchronisation in definition block."}},
        {"neither string nor number", "SY \"open 3", {"1: neither string nor number for synchronisation."}},
    };
    for (const Case& c : cases)
        check(c);
}

TEST(TDFActions, NotesAndGlyphs)
{
    const Case cases[] = {
        {"a note waits for the next message", "NO \"Check\"", {}, "", "note Check"},
        {"the message takes it", "NO \"Check\"\nME 10 3", {}, "message start 4->3; note Check @message"},
        {"the note takes the style and the link",
         "ST 2\nLK \"k\"\nNO \"n\"\nME 10 3",
         {},
         "message start 4->3; note n @message [bold] <k>"},
        {"static text and own text", "NO 20 \"extra\"", {}, "", "note Reset extra"},
        {"own text only after exactly one blank", "NO 21  \"x\"", {}, "", "note Check"},
        {"an unclosed own text is reported; the static text stays",
         "NO 21 \"x",
         {"1: can't read note text"},
         "",
         "note Check"},
        {"a codec name alone is the text",
         "NO \"NoSuchCodec\"\nME 10 3",
         {},
         "message start 4->3; note NoSuchCodec @message"},
        {"an empty text in a codec is empty", "NO \"ISO8859-1\" \"\"", {}, "", "note "},
        {"an unclosed text after a codec name makes no note",
         "NO \"ISO8859-1\" \"open\nNO \"open",
         {"1: can't read note text", "2: can't read note text"}},
        {"the codec decodes only the text after its name",
         "NO \"ISO8859-1\"   \"\xE9t\xE9\"\nME 10 3\nNO \"\xC3\xA9\"",
         {},
         "message start 4->3; note \xC3\xA9t\xC3\xA9 @message",
         "note \xC3\xA9"},
        {"the text is decoded before its quotes and escapes are found",
         "NO \"Shift_JIS\" \"\x95\x5C\\\"\"",
         {},
         "",
         "note \xE8\xA1\xA8\""},
        {"unknown codec", "NO \"NoSuchCodec\" \"x\"", {"1: Unknown text codec 'NoSuchCodec'"}},
        {"unknown static text", "NO 99", {"1: can't retrieve static text."}},
        {"nothing to read", "NO\nNO x", {"1: can't read note text", "2: can't read note text"}},
        {"a second note replaces the first",
         "NO \"a\"\nNO \"b\"",
         {"2: warning: pending note while reading new one (ignore previous)."},
         "",
         "note b"},
        {"a note drops a pending glyph",
         "GL 1\nNO \"a\"",
         {"2: warning: pending glyph while reading note (ignore glyph)."},
         "",
         "note a"},
        {"a glyph takes the link and drops the style",
         "ST 1\nLK \"k\"\nGL 1\nME 10 3",
         {},
         "message start 4->3; glyph call:null @message <k>"},
        {"glyph with static text and own text", "GL 2 21 \"more\"", {}, "", "glyph check:Check more"},
        {"glyph with own text only", "GL 1 \"own\"", {}, "", "glyph call:own"},
        {"an unclosed glyph text is reported; the glyph stays",
         "GL 2 21 \"more",
         {"1: can't read glyph text"},
         "",
         "glyph check:Check"},
        {"a second glyph replaces the first",
         "GL 1\nGL 2",
         {"2: warning: pending glyph while reading new one (ignore previous)."},
         "",
         "glyph check:null"},
        {"a failing glyph line still drops the pending note, not the style",
         "NO \"n\"\nST 1\nGL 7",
         {"3: warning: pending note while reading glyph (ignore note).", "3: can't retrieve glyph model"},
         "",
         "style plain"},
        {"glyph id missing", "GL\nGL \"x\"", {"1: glyph id must be a number.", "2: glyph id must be a number."}},
        {"a glyph id past 32 bits is no alias of a small one", "GL 4294967297", {"1: can't retrieve glyph model"}},
        {"glyph with unknown static text", "GL 1 99", {"1: can't retrieve static text."}},
        {"a return takes the glyph",
         "ME 10 3\nGL 1\nMR",
         {},
         "message start 4->3; return start; glyph call:null @return"},
        {"a return drops the note", "ME 10 3\nNO \"n\"\nMR", {}, "message start 4->3; return start"},
        {"a deletion takes the note", "NO \"n\"\nDI 3", {}, "delete 3; note n @instance_delete"},
        {"CI gives the current instance the note", "NO \"n\"\nCI 3", {}, "note n @3"},
        {"... or the glyph", "GL 1\nCI", {}, "glyph call:null @4"},
        {"delete-all drops the glyph", "GL 1\nDA", {}, "deleteall [3 4]"},
        {"other events leave them pending",
         "NO \"n\"\nAC \"a\" 0\nSA \"s\"\nSY \"y\" 3\nLS 1\nLE\nTI 1 1 0\nTM 5",
         {},
         "action a @world; sync s [3 4]; sync y [3]; loop Loop1:1 1; end Loop1:1; thread null 1:1",
         "note n"},
    };
    for (const Case& c : cases)
        check(c);
}

// The codec of a note applies to the whole rest of the line: in Shift_JIS
// the second byte of a character may be a backslash.
TEST(TDFActions, AStringInAMultiByteCodecEndsAtItsDecodedQuote)
{
    Trace trace;
    trace.reader.textCodec = QTextCodec::codecForName("Shift_JIS");
    ASSERT_NE(trace.reader.textCodec, nullptr);
    std::string line = "\"\x95\x5C\\\"\" rest";
    char* cursor = line.data();
    QString value;
    EXPECT_TRUE(trace.reader.readString(&cursor, value, false));
    EXPECT_EQ(value.toStdString(), "\xE8\xA1\xA8\"");
    EXPECT_EQ(cursor - line.data(), 7);
    line = "\"\x95\x5C\" x";
    cursor = line.data();
    EXPECT_TRUE(trace.reader.readString(&cursor, value, false)) << "the backslash belongs to a character";
    EXPECT_EQ(value.toStdString(), "\xE8\xA1\xA8");
    EXPECT_EQ(cursor - line.data(), 5);
}

TEST(TDFActions, ReturnedObjectsFlagsAndTimes)
{
    Trace trace;
    trace.begin(standardTrace + "TS 1\n");
    bool created = false;
    TDFObject* action = trace.line("AC \"a\" 0", &created);
    ASSERT_NE(action, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(action->toAction()->listNode, trace.reader.actions.last());

    // BA, an inner EA, NO and GL return nothing and leave the flag alone.
    created = false;
    for (const char* line : {"BA \"outer\" 3", "BA \"inner\" 4", "EA"})
        EXPECT_EQ(trace.line(line, &created), nullptr) << line;
    EXPECT_FALSE(created);
    TDFObject* block = trace.line("EA", &created);
    EXPECT_EQ(block, trace.reader.actions.last()->item);
    EXPECT_TRUE(created);
    created = false;
    EXPECT_EQ(trace.line("NO \"n\"", &created), nullptr);
    trace.read("AC 21 0\nME 10 3\n");
    created = false;
    EXPECT_EQ(trace.line("GL 2 \"g\"", &created), nullptr);
    EXPECT_FALSE(created);
    TDFObject* sync = trace.line("SY \"s\" 3", &created);
    ASSERT_EQ(trace.reader.synchronisations.count, 1);
    EXPECT_EQ(sync, trace.reader.synchronisations.last()->item);
    EXPECT_EQ(trace.line("SY \"none\"", &created), nullptr);
    EXPECT_FALSE(created) << "SY tells that it made nothing";
    created = true;
    EXPECT_EQ(trace.line("SA 99", &created), nullptr);
    EXPECT_TRUE(created) << "other failing lines leave the flag alone";
    trace.reports.take();

    // A note or glyph is stamped when read, before the object that takes it.
    trace.line("MR");
    EXPECT_EQ(decoratedCensus(trace.reader, 2),
              "action a @world; action inner @4; action Check @world; message start 4->3; note n @message; "
              "sync s [3]; return start; glyph check:g @return");
    EXPECT_EQ(times(trace.reader), "0 0 0 1 3 4 2 6 7 5");
}

TEST(TDFActions, WithoutBlockOrConfiguration)
{
    Trace trace;
    EXPECT_EQ(
        trace.read("AC 20 0\nBA 20 0\nSA 20\nSY 20 0\nNO 20\nGL 1\nTI 1 1 0\n"),
        (Texts{"1: can't retrieve text, no definition block set.", "2: can't retrieve text, no definition block set.",
               "3: can't retrieve text, no definition block set.", "4: can't retrieve text, no definition block set.",
               "5: can't retrieve text, no definition block set.", "6: no definition block set.",
               "7: no current definition block defined"}));
    EXPECT_EQ(trace.read("AC \"free\" 0\nSY \"w\" 0\nSA \"x\"\nNO \"n\"\n"),
              Texts{"10: SA whitout instance: no synchronisation created."});
    EXPECT_EQ(decoratedCensus(trace.reader), "action free @world; sync w [world]");
    EXPECT_EQ(pending(trace.reader), "note n");

    TDFDefinitionBlock bare;  // a block without configuration
    trace.reader.currentBlock = &bare;
    EXPECT_EQ(trace.read("GL 1\nTI 1 1 0\n"),
              (Texts{"12: warning: pending note while reading glyph (ignore note).", "12: definition block without tcf",
                     "13: no tcf defined in current definition"}));
    trace.reader.currentBlock = nullptr;

    // Where the world is not drawn, it takes part in every SA.
    Trace world;
    world.begin("DB \"U\"\nID 5\nED\nSF 2 5\n");
    EXPECT_EQ(world.read("SA \"w\"\nGL 1\n"), Texts{"2: can't retrieve glyph model"});
    EXPECT_EQ(census(world.reader), "sync w [world]");
}

// A synchronisation of all takes the instances alive at the current time,
// those ended later than it too, whatever order the times come in.
TEST(TDFSynchronisations, AllTakesTheInstancesAliveAtTheCurrentTime)
{
    Trace trace;
    trace.begin(standardBlock);
    std::mt19937 random(5);
    for (int line = 0; line < 2000; ++line) {
        const unsigned id = 1 + random() % 40;
        switch (random() % 4) {
        case 0:
            trace.line("NI 1 " + std::to_string(id));
            break;
        case 1:
            trace.line("DI " + std::to_string(id));
            break;
        case 2:
            trace.line("TM " + std::to_string(random() % 1000));
            break;
        default:
            TDFObject* made = trace.line("SA \"s\"");
            std::vector<const TDFInstance*> expected;
            for (const TDFInstance* instance : trace.reader.instances) {
                if (!instance->deletion || instance->deletion->time > trace.reader.currentTime)
                    expected.push_back(instance);
            }
            const List<TDFInstance*>* taken = made ? made->toSynchronisation()->instances : nullptr;
            ASSERT_EQ(taken ? std::vector<const TDFInstance*>(taken->begin(), taken->end())
                            : std::vector<const TDFInstance*>(),
                      expected)
                << "line " << line;
        }
    }
    trace.reports.take();
}

}  // namespace
