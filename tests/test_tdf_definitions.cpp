// Definition blocks read from traces (DB ... ED), the styles and links that
// prepare definitions and events (ST, LK), and the selection of a block
// (SF, CS): for each input, the exact reports and the blocks that survive.
#include "test_tdf_support.h"

#include <algorithm>

namespace {

// A static definition: "<id> <name>", then "/<style>", "^<super instance>",
// ":<source line>" and "@<link text>" where set.
std::string definition(const TDFDBObject& object)
{
    std::string out = std::to_string(object.id) + ' ' + text(object.name);
    if (object.style_)
        out += '/' + text(object.style_->name());
    if (object.type == TDFDB_INSTANCE) {
        if (const TDFDBInstance* super = static_cast<const TDFDBInstance&>(object).superInstance)
            out += '^' + std::to_string(super->id);
    }
    if (object.sourceLine)
        out += ':' + std::to_string(object.sourceLine);
    if (!object.sourceLinkText.isNull())
        out += '@' + text(object.sourceLinkText);
    return out;
}

// A block: "(<ids>) <source> IN ... MS ... TX ...", messages by id.
std::string describeBlock(TDFDefinitionBlock& block)
{
    std::string out = "(";
    for (int i = 0; block.tcf && i < block.tcf->idLength(); ++i)
        out += (i ? " " : "") + std::to_string(block.id(i));
    out += ")";
    if (block.source)
        out += " SO " + text(block.source->fileName) + ' ' + std::to_string(block.source->date)
            + (block.source->type == TDFDBSource::XRD ? " xrd" : " txt");
    for (const TDFDBInstance* instance : block.dbInstances)
        out += " IN " + definition(*instance);
    std::vector<const TDFDBMessage*> messages;
    block.dbMessages.forEach([&messages](const TDFDBMessage* message) { messages.push_back(message); });
    std::sort(messages.begin(), messages.end(), [](auto* a, auto* b) { return a->id < b->id; });
    for (const TDFDBMessage* message : messages)
        out += " MS " + definition(*message);
    for (const TDFDBText* definitionText : block.dbTexts)
        out += " TX " + definition(*definitionText);
    return out;
}

std::string blocks(const TDF& reader)
{
    std::string out;
    for (TDFDefinitionBlock* block : reader.blocks)
        out += (out.empty() ? "" : "; ") + describeBlock(*block);
    return out;
}

struct BlockCase {
    const char* name;
    std::string lines;
    Texts reports;
    std::string blocks;
};

TEST(TDFDefinitionBlocks, WhatEachLineDefinesAndWhatInvalidatesABlock)
{
    const BlockCase cases[] = {
        {"every kind of line",
         "DB \"T\"\nID 1 0Ah\nSO \"prog.src\" 20240101 \"txt\"\nST 2\nLK 7\nIN \"task\" 1 \"Sensor\"\n"
         "SI 1\nLK \"#pump\"\nIN \"queue\" 2 \"Pump\"\nMS 10 \"start\"\nTX 20 \"Reset\"\nMS 11 \"stop\"\nED\n",
         {},
         "(1 10) SO prog.src 20240101 txt IN 1 Sensor/bold:7 IN 2 Pump^1@#pump MS 10 start@#pump MS 11 stop "
         "TX 20 Reset@#pump"},
        {"a model source", "DB \"T\"\nID 1 2\nSO \"model.xrd\" 0 \"xrd\"\nED\n", {}, "(1 2) SO model.xrd 0 xrd"},
        {"an ID line without numbers", "DB \"T\"\nID\nED\n", {}, "(0 0)"},
        {"fewer ids than the length", "DB \"T\"\nID 5\nED\n", {}, "(5 0)"},
        {"no ID line", "DB \"T\"\nIN \"task\" 1 \"a\"\nED\n", {"3: definition block has no id"}, ""},
        {"configuration name not a string",
         "DB T\nID 1 2\nED\n",
         {"1: configuration name must be a string", "3: definition block has no id"},
         ""},
        {"unknown configuration",
         "DB \"Nope\"\nID 1 2\nED\n",
         {"1: undefined configuration name", "3: definition block has no id"},
         ""},
        {"a second ID line", "DB \"T\"\nID 1 2\nID 3 4\nED\n", {"3: id statement already defined"}, ""},
        {"too many ids", "DB \"T\"\nID 1 2 3\nED\n", {"2: too many id defined", "3: definition block has no id"}, ""},
        {"an id that is no number",
         "DB \"T\"\nID 1 x\nED\n",
         {"2: wrong block identification", "3: definition block has no id"},
         ""},
        {"a second source",
         "DB \"T\"\nID 1 2\nSO \"a\" 1 \"txt\"\nSO \"b\" 1 \"txt\"\nED\n",
         {"4: source already defined"},
         ""},
        {"source file not a string", "DB \"T\"\nID 1 2\nSO a 1 \"txt\"\nED\n", {"3: file name must be a string"}, ""},
        {"source date not a number", "DB \"T\"\nID 1 2\nSO \"a\" \"txt\"\nED\n", {"3: wrong date format"}, ""},
        {"source type not a string", "DB \"T\"\nID 1 2\nSO \"a\" 1 txt\nED\n", {"3: source type must be a string"}, ""},
        {"unknown source type", "DB \"T\"\nID 1 2\nSO \"a\" 1 \"TXT\"\nED\n", {"3: unknown source type"}, ""},
        {"instance type not a string",
         "DB \"T\"\nID 1 2\nIN task 1 \"a\"\nED\n",
         {"3: type parameter must be a string"},
         ""},
        {"unknown instance type", "DB \"T\"\nID 1 2\nIN \"boat\" 1 \"a\"\nED\n", {"3: undefined instance type"}, ""},
        {"instance id not a number", "DB \"T\"\nID 1 2\nIN \"task\" \"a\"\nED\n", {"3: wrong identification"}, ""},
        {"instance name not a string",
         "DB \"T\"\nID 1 2\nIN \"task\" 1 a\nED\n",
         {"3: name parameter must be a string"},
         ""},
        {"an id used twice", "DB \"T\"\nID 1 2\nIN \"task\" 3 \"a\"\nTX 3 \"b\"\nED\n", {"4: id already defined"}, ""},
        {"message id not a number", "DB \"T\"\nID 1 2\nMS x \"a\"\nED\n", {"3: can't read MS number"}, ""},
        {"message name not a string", "DB \"T\"\nID 1 2\nMS 1 a\nED\n", {"3: second parameter must be a string"}, ""},
        {"text id not a number", "DB \"T\"\nID 1 2\nTX \"a\"\nED\n", {"3: can't read TX number"}, ""},
        {"a bad number in a definition",
         "DB \"T\"\nID 1 2\nTX 1x \"a\"\nED\n",
         {"3: bad number", "3: can't read TX number"},
         ""},
        {"a link that is neither text nor number", "DB \"T\"\nID 1 2\nLK x\nED\n", {"3: link id must be a number"}, ""},
        {"a link line past what an int holds",
         "DB \"T\"\nID 1 2\nLK 2147483648\nMS 1 \"a\"\nED\n",
         {"3: 32 bits number overflow", "3: link id must be a number"},
         ""},
        {"the largest link line", "DB \"T\"\nID 1 2\nLK 2147483647\nMS 1 \"a\"\nED\n", {}, "(1 2) MS 1 a:2147483647"},
        {"super instance not a number", "DB \"T\"\nID 1 2\nSI x\nED\n", {"3: super-instance id must be a number"}, ""},
        {"super instance not defined", "DB \"T\"\nID 1 2\nSI 4\nED\n", {"3: referenced super instance not found"}, ""},
        {"super instance block id not a number",
         "DB \"T\"\nID 1 2\nSI 4 x\nED\n",
         {"3: wrong block identification"},
         ""},
        {"super instance of a missing block",
         "DB \"T\"\nID 1 2\nSI 4 7 7\nIN \"task\" 1 \"a\"\nED\n",
         {},
         "(1 2) IN 1 a"},
        {"unknown style in a block",
         "DB \"T\"\nID 1 2\nST 9\nMS 1 \"a\"\nED\n",
         {"3: can't retrieve style"},
         "(1 2) MS 1 a"},
        {"no style id in a block",
         "DB \"T\"\nID 1 2\nST\nMS 1 \"a\"\nED\n",
         {"3: can't read style id."},
         "(1 2) MS 1 a"},
        {"a second block with the same ids",
         "DB \"T\"\nID 1 2\nED\nDB \"T\"\nID 3 4\nED\nDB \"T\"\nID 1 2\nMS 1 \"a\"\nED\n",
         {"7: warning: definition block has the same ids as the one defined at <tdf>:1"},
         "(1 2); (3 4); (1 2) MS 1 a"},
        {"a block for another configuration",
         "DB \"T\"\nID 1 2\nED\nDB \"U\"\nID 5\nMS 1 \"a\"\nED\n",
         {"4: configuration mistmatch the current, skipping this definition block", "7: definition block has no id"},
         "(1 2)"},
    };
    for (const BlockCase& c : cases) {
        Trace trace;
        EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
        EXPECT_EQ(blocks(trace.reader), c.blocks) << c.name;
        EXPECT_FALSE(trace.reader.inDefinitionBlock) << c.name;
        EXPECT_EQ(trace.reader.definingBlock, nullptr) << c.name;
    }
}

TEST(TDFDefinitionBlocks, LinksApplyToTheFollowingDefinitions)
{
    Trace trace;
    EXPECT_EQ(trace.read("DB \"T\"\nID 1 2\nLK \"#x\"\nIN \"task\" 1 \"a\"\nMS 2 \"b\"\nTX 3 \"c\"\n"
                         "IN \"task\" 4 \"d\"\nLK 120\nMS 5 \"e\"\nED\n"),
              Texts{});
    EXPECT_EQ(blocks(trace.reader), "(1 2) IN 1 a@#x IN 4 d MS 2 b@#x MS 5 e:120 TX 3 c@#x")
        << "a text link stays for instances and messages until a text takes it";
    trace.read("DB \"T\"\nST 1\nLK 9\nED\nDB \"T\"\nID 3 4\nMS 1 \"m\"\nED\n");
    EXPECT_EQ(describeBlock(*trace.reader.blocks.last()->item), "(3 4) MS 1 m") << "DB and ED clear them";
}

TEST(TDFDefinitionBlocks, SuperInstancesComeFromTheLastBlockWithTheIds)
{
    Trace trace;
    EXPECT_EQ(trace.read("DB \"T\"\nID 7 7\nIN \"task\" 1 \"first\"\nED\n"
                         "DB \"T\"\nID 7 7\nIN \"task\" 2 \"second\"\nED\n"
                         "DB \"T\"\nID 1 2\nSI 2 7 7\nIN \"task\" 5 \"child\"\nED\n"
                         "SF 1 7 7\nNI 1 10\n"),
              Texts{"5: warning: definition block has the same ids as the one defined at <tdf>:1"});
    const TDFDBInstance* child = trace.reader.blocks.last()->item->getInstanceFromId(5);
    ASSERT_NE(child->superInstance, nullptr);
    EXPECT_EQ(text(child->superInstance->name), "second");
    EXPECT_EQ(trace.reader.currentBlock, trace.reader.blocks.head->item) << "SF selects the first";
}

struct SelectionCase {
    const char* name;
    std::string lines;  // after two blocks, (1 2) and (3 4), on lines 1 to 6
    Texts reports;
    const char* current;  // ids of the selected block, or "none"
};

TEST(TDFBlockSelection, SfAndCs)
{
    const SelectionCase cases[] = {
        {"SF selects by ids", "SF 1 3 4\n", {}, "3 4"},
        {"ids in hexadecimal", "SF 1 1 02h\n", {}, "1 2"},
        {"unknown ids", "SF 1 5 6\n", {"7: definition block not found (SF)"}, "none"},
        {"too few ids", "SF 1 3\n", {"7: definition block not found (SF)"}, "none"},
        {"a bad id", "SF 1 3 4x\n", {"7: bad number", "7: definition block not found (SF)"}, "none"},
        {"an id that is no number", "SF 1 3 x\n", {"7: definition block not found (SF)"}, "none"},
        {"no SF number", "SF 1 1 2\nSF\n", {"8: can't read SF number"}, "none"},
        {"no CS number", "SF 1 1 2\nCS x\n", {"8: can't read CS number"}, "none"},
        {"CS of a bound number", "SF 1 3 4\nSF 2 1 2\nCS 1\n", {}, "3 4"},
        {"SF binds a number again",
         "SF 1 1 2\nSF 1 3 4\nCS 2\nCS 1\n",
         {"9: definition block not found (CS)",
          "10: warning: due to previous error, restart analyzing at this line (1 lines skipped)"},
         "3 4"},
        {"CS of an unbound number",
         "CS 9\nME 99 1\nXX\nCS 9\nSF 1 1 2\n",
         {"7: definition block not found (CS)",
          "10: warning: due to previous error, restart analyzing at this line (3 lines skipped)",
          "10: definition block not found (CS)",
          "11: warning: due to previous error, restart analyzing at this line (1 lines skipped)"},
         "1 2"},
        {"a failed SF deselects", "SF 1 1 2\nSF 2 9 9\n", {"8: definition block not found (SF)"}, "none"},
        {"style before any block",
         "ST 1\n",
         {"7: no current definition block defined (or definition block without tcf link)"},
         "none"},
        {"unknown style", "SF 1 1 2\nST 9\n", {"8: can't retrieve style"}, "1 2"},
        {"no style id", "SF 1 1 2\nST x\n", {"8: can't read style id."}, "1 2"},
    };
    for (const SelectionCase& c : cases) {
        Trace trace;
        trace.read("DB \"T\"\nID 1 2\nED\nDB \"T\"\nID 3 4\nED\n");
        EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
        const TDFDefinitionBlock* current = trace.reader.currentBlock;
        EXPECT_EQ(current ? std::to_string(current->id(0)) + ' ' + std::to_string(current->id(1)) : "none", c.current)
            << c.name;
    }
}

TEST(TDFBlockSelection, SfCountsEachBlocksMessagesOnce)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "SF 2 1 2\nST 2\n");
    EXPECT_EQ(trace.reader.totalMessageModels, 3);
    EXPECT_TRUE(trace.reader.blocks.head->item->counted);
    EXPECT_EQ(text(trace.reader.pendingStyle->name()), "bold");
    EXPECT_EQ(trace.reader.sfTable.entryCount, 2);
}

TEST(TDFBlockSelection, AnSfLineTakesNineIdsAtMost)
{
    std::unique_ptr<TCFList> nine = loadTCF("tcf { name = \"N\" id_length = 9 }");
    TraceReports reports;
    TDF reader(nine.get());
    for (const char* line : {"DB \"N\"\n", "ID 1 2 3 4 5 6 7 8 9\n", "ED\n", "SF 1 1 2 3 4 5 6 7 8 9\n"})
        reader.read(line);
    EXPECT_EQ(reports.take(), Texts{});
    EXPECT_NE(reader.currentBlock, nullptr);
    reader.read("SF 2 1 2 3 4 5 6 7 8 9 10\n");
    EXPECT_EQ(reports.take(), Texts{"5: internal error: sf_id overflow"});
    EXPECT_EQ(reader.currentBlock, nullptr);
    EXPECT_FALSE(reader.skippingToNextBlock);
}

TEST(TDFDefinitionBlocks, LinksBetweenEventsGoToTheNextEvent)
{
    Trace trace;
    trace.begin(standardBlock);
    EXPECT_EQ(trace.read("LK \"prog.c:12\"\nNI 1 7\nLK\nNI 2 8\nLK \"unclosed\nNI 4 9\nLK 12\nNI 4 10\n"),
              (Texts{"5: can't read link text.", "7: can't read link text."}));
    std::string links;
    for (const TDFInstance* instance : trace.reader.instances)
        links += text(instance->linkText) + ' ';
    EXPECT_EQ(links, "prog.c:12 null null null ");
}

}  // namespace
