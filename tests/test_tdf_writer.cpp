// The trace writer: number and text formats, block and instance selection,
// and the lines written for each kind of object read from a trace.
#include "tdf/tdfwrt.h"
#include "test_tdf_support.h"

#include <sstream>

namespace {

// Everything `reader` holds, written in order by one writer.
std::string written(TDF& reader, bool writeTimes = false)
{
    std::ostringstream out;
    TDFWriter writer(out);
    writer.writeTimes = writeTimes;
    for (TDFObject* object : reader.objects)
        object->write(writer);
    return out.str();
}

TEST(TDFWriter, NumbersAndTexts)
{
    const std::pair<unsigned long, const char*> numbers[] = {
        {0, "0"},
        {999999, "999999"},
        {1000000, "0f4240h"},
        {10000000, "989680h"},
        {4294967295UL, "0ffffffffh"},
        {4294967296UL, "4294967296"},
    };
    for (const auto& [value, expected] : numbers) {
        std::ostringstream out;
        TDFWriter writer(out);
        writer.writeHexa(value);
        EXPECT_EQ(out.str(), expected);
    }
    std::ostringstream out;
    TDFWriter writer(out);
    writer.writeText(QStringLiteral("say \"hi\" \\ \u00e9"));
    writer.writeText(QString());
    writer.writeText(QStringLiteral("two\nlines"));
    EXPECT_EQ(out.str(), "\"say \\\"hi\\\" \\\\ \xC3\xA9\"\"\"\"two lines\"");
}

TEST(TDFWriter, SelectsBlocksAndInstancesOnlyWhenTheyChange)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "DB \"T\"\nID 3 1000000\nED\nNI 1 7\n");
    TDFDefinitionBlock* first = trace.reader.blocks.head->item;
    TDFDefinitionBlock* second = trace.reader.blocks.last()->item;
    TDFInstance* instance = trace.reader.instances.head->item;
    std::ostringstream out;
    TDFWriter writer(out);
    EXPECT_TRUE(writer.changeDefinitionBlock(first));
    EXPECT_FALSE(writer.changeDefinitionBlock(first));
    EXPECT_TRUE(writer.changeDefinitionBlock(second));
    EXPECT_TRUE(writer.changeDefinitionBlock(first));
    EXPECT_FALSE(writer.changeInstance(nullptr));
    EXPECT_TRUE(writer.changeInstance(instance));
    EXPECT_FALSE(writer.changeInstance(instance));
    EXPECT_TRUE(writer.changeInstance(nullptr));
    EXPECT_EQ(out.str(), "SF 1 1 2\nSF 2 3 0f4240h\nCS 1\nCI 7\nCI 0\n");
    EXPECT_EQ(writer.nextBlockRef, 3);
}

TEST(TDFWriter, WorkedExample)
{
    Trace trace;
    trace.read("DB \"T\"\nID 10 1000000\nIN \"task\" 1 \"A\"\nMS 3 \"m\"\nED\n"
               "SF 9 10 0F4240h\nNI 1 5\nNI 1 7\nCI 5\nME 3 7\nMR 3\nME 3 7\n");
    TDFObject* first = trace.reader.messages.head->item;
    TDFObject* second = trace.reader.messages.last()->item;
    TDFObject* messageReturn = trace.reader.messageReturns.head->item;
    std::ostringstream out;
    TDFWriter writer(out);
    for (TDFObject* object : {first, messageReturn, second})
        object->write(writer);
    EXPECT_EQ(out.str(), "CI 5\nSF 1 10 0f4240h\nME 3 7\nMR 3\nME 3 7\n");
}

struct WriteCase {
    const char* name;
    std::string lines;  // read after the standard block
    std::string output;
};

TEST(TDFWriter, WhatEachObjectWrites)
{
    const WriteCase cases[] = {
        {"instances and a message", "NI 1 7\nNI 2 8 \"Pump\"\nCI 7\nME 10 8 \"go\"\n",
         "SF 1 1 2\nNI 1 7\nNI 2 8 \"Pump\"\nCI 7\nME 10 8 \"go\"\n"},
        {"a message that creates its receiver", "ME 10 8\nNI 2 8\n", "SF 1 1 2\nME 10 8\nNI 2 8\n"},
        {"a call and its completion", "NI 1 7\nMC 5 11\nCI 0\nME 11 8 5\n", "SF 1 1 2\nNI 1 7\nMC 5 11\nME 11 8 5\n"},
        {"a call of the world", "NI 1 7\nCI 0\nMC 5 11\nCI 7\nME 11 8 5\n",
         "SF 1 1 2\nNI 1 7\nCI 0\nMC 5 11\nME 11 8 5\n"},
        {"a call of another instance", "NI 1 7\nNI 2 8\nMC 5 11 7\nME 11 0 5\n",
         "SF 1 1 2\nNI 1 7\nNI 2 8\nMC 5 11 7\nCI 7\nME 11 0 5\n"},
        {"returns", "NI 1 7\nME 10 8\nMR\n", "SF 1 1 2\nNI 1 7\nME 10 8\nMR 10\n"},
        {"deletions", "NI 1 7\nNI 2 8\nME 12 7\nMR\nDI 8\nDI 7 12\nNI 1 9\nDA\n",
         "SF 1 1 2\nNI 1 7\nNI 2 8\nME 12 7\nMR 12\nDI 8\nDI 7 12\nNI 1 9\nDA\n"},
        {"a note of a message", "NI 1 7\nNO \"why\"\nME 10 0\n", "SF 1 1 2\nNI 1 7\nNO \"why\"\nME 10 0\n"},
        {"notes of instances", "NI 1 7\nNO 20 \"more\"\nCI\nNO \"free\"\nCI 0\n",
         "SF 1 1 2\nNI 1 7\nNO 20 \"more\"\nCI 7\nNO \"free\"\nCI 0\n"},
        {"a note of a deletion", "NI 1 7\nNO \"gone\"\nDI 7\n", "SF 1 1 2\nNI 1 7\nNO \"gone\"\nDI 7\n"},
        {"glyphs", "NI 1 7\nGL 1\nME 10 0\nGL 2 21 \"x\"\nCI 7\n",
         "SF 1 1 2\nNI 1 7\nGL 1\nME 10 0\nGL 2 21 \"x\"\nCI 7\n"},
        {"a glyph of a return", "NI 1 7\nME 10 8\nGL 1\nMR\n", "SF 1 1 2\nNI 1 7\nME 10 8\nGL 1\nMR 10\n"},
        {"actions", "NI 1 7\nAC \"own\" 7\nAC 20 0\nBA \"\" 7\nEA\n",
         "SF 1 1 2\nNI 1 7\nAC \"own\" 7\nAC 20 0\nBA \"\" 7\nEA\n"},
        {"synchronisations", "NI 1 7\nNI 2 8\nSY \"s\" 7 0 8\nSA 21\n",
         "SF 1 1 2\nNI 1 7\nNI 2 8\nSY \"s\" 7 0 8\nSY 21 7 8\n"},
        {"loops", "NI 1 7\nLS 3\nCI 0\nLE\n", "SF 1 1 2\nNI 1 7\nLS 3\nCI 0\nLE\n"},
        {"triggers", "NI 1 7\nET\nGA\nCI 0\nGS\n", "SF 1 1 2\nNI 1 7\nET\nGA\nCI 0\nGS\n"},
        {"threads", "NI 1 7\nTI 1 1 0 \"main\"\nTI 2 3 5\n", "SF 1 1 2\nNI 1 7\nTI 1 1 0 \"main\"\nTI 2 3 5\n"},
        {"a thread before any block is selected", "TI 1 1 0\n", ""},
        {"styles and links", "ST 2\nLK \"a.c:1\"\nNI 1 7\nST 1\nME 10 0\n",
         "SF 1 1 2\nLK \"a.c:1\"\nST 2\nNI 1 7\nST 1\nME 10 0\n"},
        {"a style on a call", "NI 1 7\nST 2\nMC 5 11\nME 11 0 5\n", "SF 1 1 2\nNI 1 7\nST 2\nMC 5 11\nME 11 0 5\n"},
        {"texts with quotes", "AC \"say \\\"x\\\" \\\\\" 0\n", "AC \"say \\\"x\\\" \\\\\" 0\n"},
        {"a new trace", "NI 1 7\nNT\nSF 4 1 2\nNI 2 8\n", "NT\nSF 1 1 2\nNI 2 8\n"},
        {"a note whose text holds a line feed, in the codec that keeps it",
         "NI 1 7\nNO \"UTF-7\" \"a+AAo-b +AFw-\"q+AFw-\" +AAA-\"\nME 10 0\n",
         "SF 1 1 2\nNI 1 7\nNO \"UTF-7\" \"a+AAo-b +AFw-\"q+AFw-\" +AAA-\"\nME 10 0\n"},
    };
    for (const WriteCase& c : cases) {
        Trace trace;
        trace.read(standardBlock);
        EXPECT_EQ(trace.read(c.lines), Texts{}) << c.name;
        EXPECT_EQ(written(trace.reader), c.output) << c.name;
    }
}

// A host that writes objects itself sets no default block: the records that
// need one (a style, a glyph) select the block of their own record, else a
// block that an object of the trace refers to.
TEST(TDFWriter, StylesAndGlyphsFindABlockWithoutADefault)
{
    Trace trace;
    EXPECT_EQ(
        trace.read(std::string(standardBlock)
                   + "NI 1 5\nNI 1 7\nCI 5\nST 2\nNO \"n\"\nME 10 7\nGL 1\nME 11 5\nLK \"a.c:3\"\nST 2\nAC \"x\" 0\n"),
        Texts{});
    const struct {
        TDFObject* object;
        std::string output;
    } cases[] = {
        {trace.reader.messages.head->item, "CI 5\nSF 1 1 2\nST 2\nNO \"n\"\nME 10 7\n"},
        {trace.reader.messages.last()->item, "CI 7\nSF 1 1 2\nGL 1\nME 11 5\n"},
        {trace.reader.actions.head->item, "LK \"a.c:3\"\nSF 1 1 2\nST 2\nAC \"x\" 0\n"},
    };
    for (const auto& c : cases) {
        std::ostringstream out;
        TDFWriter writer(out);
        c.object->write(writer);
        EXPECT_EQ(out.str(), c.output);
        EXPECT_EQ(writer.unwritten, 0);
    }

    Trace blockless;
    blockless.read(std::string(standardBlock) + "ST 2\nAC \"x\" 0\n");
    std::ostringstream out;
    TDFWriter writer(out);
    blockless.reader.actions.head->item->write(writer);
    EXPECT_EQ(out.str(), "AC \"x\" 0\n");
    EXPECT_EQ(writer.unwritten, 1) << "no object refers to a block: the style is counted as left out";
}

// A whole trace: its blocks, its time unit, and the NI lines that gave a
// living instance a model, where they were read.
TEST(TDFWriter, WholeTraces)
{
    const WriteCase cases[] = {
        {"the definition block and the time unit", "TU \"ms\"\nNI 1 7\n",
         std::string("DB \"T\"\nID 1 2\nIN \"task\" 1 \"Sensor\"\nIN \"task\" 2 \"Pump\"\nIN \"isr\" 3 \"Timer\"\n"
                     "IN \"queue\" 4 \"Mailbox\"\nMS 10 \"start\"\nMS 11 \"stop\"\nMS 12 \"ping\"\nTX 20 \"Reset\"\n"
                     "TX 21 \"Check\"\nED\nTU \"ms\"\nSF 1 1 2\nNI 1 7\n")},
        {"a model given again and a model given late", "NI 1 7\nME 10 8\nAC \"a\" 0\nNI 2 7 \"Pump\"\nNI 3 8\n",
         "SF 1 1 2\nNI 1 7\nME 10 8\nAC \"a\" 0\nNI 2 7\nNI 3 8\n"},
    };
    for (const WriteCase& c : cases) {
        Trace trace;
        trace.read(standardBlock);
        EXPECT_EQ(trace.read(c.lines), Texts{}) << c.name;
        std::ostringstream out;
        TDFWriter writer(out);
        writeTrace(writer, trace.reader, c.name == cases[0].name);
        EXPECT_EQ(out.str(), c.output) << c.name;
    }
}

TEST(TDFWriter, TimesGoBeforeTheirRecords)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "TS 5\nTM 1000000\nNI 1 7\nTM 1 2\nME 10 0\nET\n");
    EXPECT_EQ(written(trace.reader, true), "SF 1 1 2\nTM 0f4240h\nNI 1 7\nTM 1 2\nME 10 0\nTM 1 7\nET\n");
    EXPECT_EQ(written(trace.reader, false), "SF 1 1 2\nNI 1 7\nME 10 0\nET\n");
}

// A heap size goes before the message, call or return that carries it,
// when it changed, with the two-number form above 32 bits; the other
// events carry none.
TEST(TDFWriter, HeapSizesGoBeforeTheMessagesThatCarryThem)
{
    Trace trace;
    EXPECT_EQ(trace.read(std::string(standardBlock) + "HS 2048\nNI 1 7\nME 10 0\nMR\nAC \"a\" 0\nHS 1 2\nME 10 0\n"),
              Texts{});
    EXPECT_EQ(written(trace.reader), "SF 1 1 2\nNI 1 7\nHS 2048\nME 10 0\nMR 10\nAC \"a\" 0\nHS 1 2\nME 10 0\n");
}

TEST(TDFWriter, TheOutputReadsBackIntoTheSameObjects)
{
    Trace original;
    original.read(std::string(standardBlock)
                  + "TS 3\nNI 1 7 \"Pump\"\nTI 1 1 0 \"main\"\nST 2\nLK \"x.c:9\"\nME 10 8 \"go\"\nNO 20 \"n\"\n"
                    "CI 8\nMC 4 11\nME 11 0 4\nGL 1 21\nMR\nMR\nLS 2\nAC \"a\" 8\nLE\nDI 8 10\nSY 21 7\n"
                    "NO \"UTF-7\" \"two+AAo-lines\"\nCI 7\nDA\n");
    ASSERT_EQ(original.reports.take(), Texts{});
    const std::string text = written(original.reader, true);

    Trace copy;
    copy.reader.setDefinitionBlockList(original.reader.blocks);
    EXPECT_EQ(copy.read(text), Texts{}) << text;
    EXPECT_EQ(census(copy.reader), census(original.reader));
    EXPECT_EQ(times(copy.reader), times(original.reader));
    EXPECT_EQ(written(copy.reader, true), text);
}

}  // namespace
