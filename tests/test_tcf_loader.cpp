#include "test_tcf_support.h"

namespace {

// ---- Walking the resources

TEST(TCFLoader, NullRootGivesNullAndNoTcfGivesAnEmptyList)
{
    ReportRecorder recorder;
    EXPECT_EQ(readTCFFromResources(nullptr), nullptr);
    std::unique_ptr<TCFList> list = loadTCF("other { tcf { name = \"nested\" } }\nsetting = 3\n");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->count, 0) << "only the root and its siblings are searched";
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, MinimalConfigurationHasTheDefaults)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf { name = \"Only\" }\n");
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    EXPECT_EQ(tcf->name(), "Only");
    EXPECT_EQ(tcf->idLength(), 1);
    EXPECT_FALSE(tcf->nestedControlFlow());
    EXPECT_TRUE(tcf->displayWorldActor);
    EXPECT_TRUE(tcf->comment().isNull());
    EXPECT_EQ(tcf->publicName(), "Only");
    EXPECT_EQ(tcf->loopNaming, nullptr);
    EXPECT_EQ(tcf->styles.count + tcf->instanceTypes.count + tcf->threadStates.count + tcf->glyphs.count, 0);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(tcf->defaultStyle(TCF::Object(object)), nullptr);
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, ConfigurationsKeepTheirOrderAndDuplicateNames)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf { name = \"A\" id_length = 2 }\n"
                                            "other = 1\n"
                                            "tcf { name = \"B\" }\n"
                                            "tcf { name = \"A\" id_length = 3 }\n");
    ASSERT_EQ(list->count, 3);
    EXPECT_EQ(list->head->next->item->name(), "B");
    EXPECT_EQ(list->search("A"), list->head->item);
    EXPECT_EQ(list->search("A")->idLength(), 2);
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, ReadsEverySettingOfAConfiguration)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        loop_naming = ("L%1", LOOP_NUMBER)
        name = "Full"
        id_length = 0
        control_flow = NESTED
        comment = "a comment"
        public_name = "Shown"
        display_world_actor = false
    }
    tcf { name = "Widest" id_length = 9 control_flow = FLAT })");
    ASSERT_EQ(list->count, 2);
    const TCF* tcf = list->head->item;
    EXPECT_EQ(tcf->idLength(), 0);
    EXPECT_TRUE(tcf->nestedControlFlow());
    EXPECT_EQ(tcf->comment(), "a comment");
    EXPECT_EQ(tcf->publicName(), "Shown");
    EXPECT_FALSE(tcf->displayWorldActor);
    EXPECT_EQ(Naming::processLoop(tcf->loopNaming, 7, "1.2", 3), "L7");
    EXPECT_EQ(list->head->next->item->idLength(), 9);
    EXPECT_FALSE(list->head->next->item->nestedControlFlow());
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, ReadsStyleAttributesInAnyResourceOrder)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        name = "T"
        style {
            line { arrow = HALF_ARROW  style = DASH_DOT_LINE  color = rgb(7, 8, 9) }
            background { color = rgb(4, 5, 6) }
            text { style = (UNDERLINE, ITALIC)  size = 8  font = "Mono"  color = rgb(1, 2, 3) }
            id = 4
            name = "all"
        }
        style { name = "single" id = 5 text { style = BOLD } line { style = dotted arrow = open } }
    })");
    ASSERT_EQ(list->count, 1);
    const Style* all = list->head->item->style(4);
    ASSERT_NE(all, nullptr);
    EXPECT_EQ(all->name(), "all");
    EXPECT_EQ(all->textColor(), RGBValue(1, 2, 3));
    EXPECT_EQ(all->fontName(), "Mono");
    EXPECT_EQ(all->fontSize(), 8);
    EXPECT_EQ(all->fontStyle(), Style::UNDERLINE | Style::ITALIC);
    EXPECT_EQ(all->backColor(), RGBValue(4, 5, 6));
    EXPECT_EQ(all->lineColor(), RGBValue(7, 8, 9));
    EXPECT_EQ(all->lineStyle(), Style::DASH_DOT_LINE);
    EXPECT_EQ(all->arrowStyle(), Style::HALF_ARROW);
    const Style* single = list->head->item->style(5);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->fontStyle(), Style::BOLD);
    EXPECT_EQ(single->lineStyle(), Style::SOLID_LINE) << "unknown texts give 0 without a message";
    EXPECT_EQ(single->arrowStyle(), Style::PLAIN_ARROW);
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, ReadsInstanceTypesThreadStatesAndGlyphs)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        name = "T"
        control_flow = NESTED
        instance_type { id = Task  icon_tag = "task.png"  control_flow = FLAT  style = 2
                        naming = ("%1#%2", STATIC_NAME, D_OCCURENCE) }
        instance_type { id = Queue }
        style { name = "a" id = 1 }
        style { name = "b" id = 2 }
        thread_state { id = 1 name = "ready" }
        thread_state { id = 2 name = "running" is_active_state = true }
        glyph { id = 1 name = "call" icon_tag = "call.png" type = UNEXPECTED_CALL }
        glyph { id = 2 name = "check" }
        glyph { id = 3 name = "data" type = UNEXPECTED_DATA }
        glyph { id = 4 name = "lower" type = unexpected_call }
        glyph { id = 5 name = "none" }
    })");
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    const InstanceType* task = tcf->instanceType("Task");
    ASSERT_NE(task, nullptr);
    EXPECT_EQ(task->iconTag, "task.png");
    EXPECT_TRUE(task->hasControlFlow);
    EXPECT_FALSE(task->nestedControlFlow());
    EXPECT_EQ(task->style, tcf->style(2));
    EXPECT_EQ(Naming::processInstance(task->naming, 3, "Sensor"), "Sensor#3");
    const InstanceType* queue = tcf->instanceType("Queue");
    ASSERT_NE(queue, nullptr);
    EXPECT_TRUE(queue->iconTag.isNull());
    EXPECT_FALSE(queue->hasControlFlow);
    EXPECT_TRUE(queue->nestedControlFlow());
    EXPECT_EQ(queue->style, nullptr);
    EXPECT_EQ(queue->naming, nullptr);

    ASSERT_EQ(tcf->threadStates.count, 2);
    EXPECT_EQ(tcf->threadState(1)->name, "ready");
    EXPECT_FALSE(tcf->threadState(1)->isActiveState);
    EXPECT_TRUE(tcf->threadState(2)->isActiveState);

    ASSERT_EQ(tcf->glyphs.count, 5);
    EXPECT_EQ(tcf->glyph(1)->iconTag, "call.png");
    EXPECT_EQ(tcf->glyph(1)->type, Glyph::UNEXPECTED_CALL);
    EXPECT_EQ(tcf->glyph(3)->type, Glyph::UNEXPECTED_DATA);
    EXPECT_EQ(tcf->glyph(4)->type, Glyph::NO_GLYPH_TYPE) << "unknown types give 0 without a message";
    EXPECT_EQ(tcf->glyph(5)->type, Glyph::NO_GLYPH_TYPE);
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, BadNamingListKeepsItsOwnerWithTheDefaultNaming)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf {\n"
                                            "  name = \"T\"\n"
                                            "  loop_naming = (\"L%1\", 3)\n"
                                            "  instance_type {\n"
                                            "    id = Task\n"
                                            "    naming = (\"%1\", Static_Name)\n"
                                            "  }\n"
                                            "}\n");
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    EXPECT_EQ(tcf->loopNaming, nullptr);
    ASSERT_NE(tcf->instanceType("Task"), nullptr);
    EXPECT_EQ(tcf->instanceType("Task")->naming, nullptr);
    ASSERT_EQ(recorder.all().size(), 2u);
    EXPECT_EQ(recorder.all()[0].message, "unhandled resource type (3) into tcf.loop_naming list");
    EXPECT_EQ(recorder.all()[0].line, 3);
    EXPECT_EQ(recorder.all()[0].column, 25);
    EXPECT_EQ(recorder.all()[1].message, "unknown identifier into tcf.instance_type.naming list");
    EXPECT_EQ(recorder.all()[1].line, 6);
}

// ---- Faults that discard a whole configuration

struct Fault {
    const char* name;
    std::string text;
    std::string message;
    int line;
    int column;
};

void PrintTo(const Fault& fault, std::ostream* out)
{
    *out << fault.name;
}

std::string faultName(const ::testing::TestParamInfo<Fault>& info)
{
    return info.param.name;
}

// The body of a configuration that starts on line 2; a trailing style
// without an id would be reported if the rest of the group were read.
class ConfigurationFault : public ::testing::TestWithParam<Fault> {};

TEST_P(ConfigurationFault, DiscardsTheConfigurationOnly)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list =
        loadTCF("tcf {\n" + GetParam().text + "  style { name = \"unread\" }\n}\ntcf { name = \"Next\" }\n");
    expectOneError(recorder, GetParam().message, GetParam().line, GetParam().column);
    ASSERT_EQ(list->count, 1);
    EXPECT_EQ(list->head->item->name(), "Next");
}

const std::string named = "  name = \"Bad\"\n";

INSTANTIATE_TEST_SUITE_P(
    TCFLoader, ConfigurationFault,
    ::testing::Values(
        Fault{"NameMissing", "  comment = \"anonymous\"\n", "tcf.name must be a defined string", 1, 1},
        Fault{"NameNotString", "  name = Bad\n", "tcf.name must be a string", 2, 3},
        Fault{"IdLengthNotInteger", named + "  id_length = \"2\"\n", "tcf.id_length must be an integer", 3, 3},
        Fault{"IdLengthNegative", named + "  id_length = -1\n", "tcf.id_length must be between 0 and 9, not -1.", 3, 3},
        Fault{"IdLengthTooLarge", named + "  id_length = 10\n", "tcf.id_length must be between 0 and 9, not 10.", 3, 3},
        Fault{"ControlFlowLetterCase", named + "  control_flow = Nested\n",
              "tcf.control_flow must be FLAT or NESTED identifier.", 3, 3},
        Fault{"ControlFlowString", named + "  control_flow = \"NESTED\"\n",
              "tcf.control_flow must be FLAT or NESTED identifier.", 3, 3},
        Fault{"CommentNotString", named + "  comment = 3\n", "tcf.comment must be a string", 3, 3},
        Fault{"PublicNameNotString", named + "  public_name = (\"x\")\n", "tcf.public_name must be a string", 3, 3},
        Fault{"WorldActorNotBoolean", named + "  display_world_actor = 1\n",
              "tcf.display_world_actor must be a boolean", 3, 3},
        Fault{"LoopNamingNotList", named + "  loop_naming = \"L%1\"\n", "tcf.loop_naming must be a list", 3, 3},
        Fault{"LaterKeyStillChecked", named + "  id_length = 2\n  control_flow = FLAT\n  comment = \"c\"\n"
                                               "  public_name = \"p\"\n  display_world_actor = true\n"
                                               "  loop_naming = L1\n",
              "tcf.loop_naming must be a list", 8, 3}),
    faultName);

TEST(TCFLoader, ResourceTaggedTcfThatIsNoGroupIsSkipped)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf = \"Main\"\ntcf { name = \"Next\" }\n");
    expectOneError(recorder, "tcf must be a group", 1, 1);
    ASSERT_EQ(list->count, 1);
    EXPECT_EQ(list->head->item->name(), "Next");
}

// ---- Faults that discard one style, instance type, thread state or glyph

// Each faulty item stands from line 8 between valid items of every kind;
// only the faulty one may be missing afterwards.
class ItemFault : public ::testing::TestWithParam<Fault> {};

TEST_P(ItemFault, DiscardsTheItemOnly)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf {\n"
                                            "  name = \"T\"\n"
                                            "  style { name = \"s1\" id = 1 }\n"
                                            "  style { name = \"s2\" id = 2 }\n"
                                            "  instance_type { id = Task }\n"
                                            "  thread_state { id = 1 name = \"run\" }\n"
                                            "  glyph { id = 1 name = \"call\" }\n"
                                            + GetParam().text
                                            + "  style { name = \"after\" id = 3 }\n"
                                              "  instance_type { id = After }\n"
                                              "  thread_state { id = 2 name = \"after\" }\n"
                                              "  glyph { id = 2 name = \"after\" }\n"
                                              "}\n");
    expectOneError(recorder, GetParam().message, GetParam().line, GetParam().column);
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    EXPECT_EQ(tcf->styles.count, 3);
    EXPECT_EQ(tcf->instanceTypes.count, 2);
    EXPECT_EQ(tcf->threadStates.count, 2);
    EXPECT_EQ(tcf->glyphs.count, 2);
    EXPECT_EQ(tcf->style(1)->name(), "s1") << "the first of two equal ids stays";
    EXPECT_NE(tcf->style(3), nullptr);
    EXPECT_NE(tcf->instanceType("After"), nullptr);
    EXPECT_NE(tcf->threadState(2), nullptr);
    EXPECT_NE(tcf->glyph(2), nullptr);
}

// A style with a good name and id 5 whose other keys start on line 11.
std::string style(const std::string& keys)
{
    return "style {\n  name = \"x\"\n  id = 5\n" + keys + "}\n";
}

INSTANTIATE_TEST_SUITE_P(
    Styles, ItemFault,
    ::testing::Values(
        Fault{"NotGroup", "style = 5\n", "tcf.style must be a group", 8, 1},
        Fault{"NameMissing", "style {\n  id = 5\n}\n", "tcf.style.name must be a defined string", 8, 1},
        Fault{"NameNotString", "style {\n  name = x\n  id = 5\n}\n", "tcf.style.name must be a string", 9, 3},
        Fault{"IdMissing", "style {\n  name = \"x\"\n}\n", "tcf.style.id must be a defined integer", 8, 1},
        Fault{"IdNotInteger", "style {\n  name = \"x\"\n  id = \"5\"\n}\n", "tcf.style.id must be an integer", 10, 3},
        Fault{"IdUsed", "style {\n  name = \"x\"\n  id = 1\n}\n", "tcf.style.id \"1\" already defined.", 10, 3},
        Fault{"TextNotGroup", style("  text = BOLD\n"), "tcf.style.text must be a group", 11, 3},
        Fault{"BackgroundNotGroup", style("  background = rgb(1, 1, 1)\n"), "tcf.style.background must be a group",
              11, 3},
        Fault{"LineNotGroup", style("  line = DOT_LINE\n"), "tcf.style.line must be a group", 11, 3},
        Fault{"TextColorNotRgb", style("  text {\n    color = \"red\"\n  }\n"),
              "tcf.style.text.color must be a rgb value", 12, 5},
        Fault{"FontNotString", style("  text {\n    font = Sans\n  }\n"), "tcf.style.text.font must be a string", 12,
              5},
        Fault{"SizeNotInteger", style("  text {\n    size = \"9\"\n  }\n"), "tcf.style.text.size must be an integer",
              12, 5},
        Fault{"FontStyleString", style("  text {\n    style = \"BOLD\"\n  }\n"),
              "tcf.style.text.style must be an identifier or an identifier list", 12, 5},
        Fault{"FontStyleMixedList", style("  text {\n    style = (BOLD, \"ITALIC\")\n  }\n"),
              "tcf.style.text.style must be an identifier list", 12, 5},
        Fault{"BackgroundColorNotRgb", style("  background {\n    color = 255\n  }\n"),
              "tcf.style.background.color must be a rgb value", 12, 5},
        Fault{"LineColorNotRgb", style("  line {\n    color = black\n  }\n"),
              "tcf.style.line.color must be a rgb value", 12, 5},
        Fault{"LineStyleNotIdentifier", style("  line {\n    style = \"DOT_LINE\"\n  }\n"),
              "tcf.style.line.style must be an identifier", 12, 5},
        Fault{"ArrowNotIdentifierAfterGoodAttributes",
              style("  text {\n    color = rgb(1, 2, 3)\n  }\n  background {\n    color = rgb(1, 2, 3)\n  }\n"
                    "  line {\n    arrow = \"OPEN_ARROW\"\n  }\n"),
              "tcf.style.line.arrow must be an identifier", 18, 5},
        Fault{"TextCheckedBeforeLine",
              style("  line {\n    arrow = \"OPEN_ARROW\"\n  }\n  text {\n    size = big\n  }\n"),
              "tcf.style.text.size must be an integer", 15, 5}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    InstanceTypes, ItemFault,
    ::testing::Values(
        Fault{"NotGroup", "instance_type = Task2\n", "tcf.instance_type must be a group", 8, 1},
        Fault{"IdMissing", "instance_type {\n  icon_tag = \"i\"\n}\n",
              "tcf.instance_type.id must be a defined identifier", 8, 1},
        Fault{"IdNotIdentifier", "instance_type {\n  id = \"Task2\"\n}\n", "tcf.instance_type.id must be an identifier",
              9, 3},
        Fault{"IdUsed", "instance_type {\n  id = Task\n}\n", "tcf.instance_type \"Task\" already defined.", 9, 3},
        Fault{"IconTagNotString", "instance_type {\n  id = Task2\n  icon_tag = icon\n}\n",
              "tcf.instance_type.icon_tag must be a string", 10, 3},
        Fault{"ControlFlowBad", "instance_type {\n  id = Task2\n  control_flow = flat\n}\n",
              "tcf.instance_type.control_flow must be a defined identifier", 10, 3},
        Fault{"StyleNotInteger", "instance_type {\n  id = Task2\n  style = \"1\"\n}\n",
              "tcf.instance_type.style must be an integer", 8, 1},
        Fault{"StyleUndefined", "instance_type {\n  id = Task2\n  style = 9\n}\n",
              "undefined style 9 for tcf.instance_type.style.\n", 10, 3},
        Fault{"NamingNotList", "instance_type {\n  id = Task2\n  naming = \"%1\"\n}\n",
              "tcf.instance_type.naming must be a list", 8, 1}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    ThreadStates, ItemFault,
    ::testing::Values(
        Fault{"NotGroup", "thread_state = 3\n", "tcf.thread_state must be a group", 8, 1},
        Fault{"IdMissing", "thread_state {\n  name = \"x\"\n}\n", "tcf.thread_state.id must be an integer", 8, 1},
        Fault{"IdNotInteger", "thread_state {\n  id = \"3\"\n}\n", "tcf.thread_state.id must be an integer", 9, 3},
        Fault{"IdUsed", "thread_state {\n  id = 1\n  name = \"x\"\n}\n", "tcf.thread_state \"1\" already defined.", 9,
              3},
        Fault{"NameMissing", "thread_state {\n  id = 3\n}\n", "tcf.thread_state.name must defined.", 8, 1},
        Fault{"NameNotString", "thread_state {\n  id = 3\n  name = x\n}\n", "tcf.thread_state.name must be a string",
              10, 3},
        Fault{"ActiveNotBoolean", "thread_state {\n  id = 3\n  name = \"x\"\n  is_active_state = 1\n}\n",
              "tcf.thread_state.is_active_state must be a boolean", 11, 3}),
    faultName);

INSTANTIATE_TEST_SUITE_P(
    Glyphs, ItemFault,
    ::testing::Values(
        Fault{"NotGroup", "glyph = 3\n", "tcf.glyph must be a group", 8, 1},
        Fault{"IdMissing", "glyph {\n  name = \"x\"\n}\n", "tcf.glyph.id must be an integer", 8, 1},
        Fault{"IdNotInteger", "glyph {\n  id = three\n}\n", "tcf.glyph.id must be an integer", 9, 3},
        Fault{"IdUsed", "glyph {\n  id = 1\n  name = \"x\"\n}\n", "tcf.glyph \"1\" already defined.", 9, 3},
        Fault{"NameMissing", "glyph {\n  id = 3\n  icon_tag = \"i\"\n}\n", "tcf.glyph.name must defined.", 8, 1},
        Fault{"NameNotString", "glyph {\n  id = 3\n  name = 4\n}\n", "tcf.glyph.name must be a string", 10, 3},
        Fault{"IconTagNotString", "glyph {\n  id = 3\n  name = \"x\"\n  icon_tag = i\n}\n",
              "tcf.glyph.icon_tag must be a string", 11, 3},
        Fault{"TypeNotIdentifier", "glyph {\n  id = 3\n  name = \"x\"\n  type = \"UNEXPECTED_CALL\"\n}\n",
              "tcf.glyph.type must be an identifier", 11, 3}),
    faultName);

// ---- Default styles

// Style 100 + n is meant for slot n.
TEST(TCFLoader, EveryDefaultStyleKeySetsItsSlot)
{
    std::string text = "tcf {\n  name = \"T\"\n";
    for (int object = 0; object < TCF::objectCount; ++object)
        text += "  style { name = \"s\" id = " + std::to_string(100 + object) + " }\n";
    text += R"(
        default_style {
            world = 100
            instance { title = 101  activated = 102  desactivated = 103  delete = 104  note = 105 }
            message { body = 106  return = 107  note = 108 }
            synchronisation = 109
            action = 110
            loop { start = 111  end = 112 }
            time = 113
        }
    })";
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(text);
    ASSERT_EQ(list->count, 1);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(list->head->item->defaultStyle(TCF::Object(object))->id(), 100 + object)
            << TCF::strObject(TCF::Object(object));
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFLoader, WithoutDefaultStylesTheFirstStyleIsEverywhere)
{
    std::unique_ptr<TCFList> list =
        loadTCF("tcf { name = \"T\" style { name = \"a\" id = 3 } style { name = \"b\" id = 5 } }");
    ASSERT_EQ(list->count, 1);
    for (int object = 0; object < TCF::objectCount; ++object)
        EXPECT_EQ(list->head->item->defaultStyle(TCF::Object(object))->id(), 3) << object;
}

TEST(TCFLoader, DefaultStyleFaultsLeaveOnlyTheirSlotsUnchanged)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf {\n"
                                            "  name = \"T\"\n"
                                            "  style { name = \"a\" id = 1 }\n"
                                            "  style { name = \"b\" id = 2 }\n"
                                            "  default_style {\n"
                                            "    loop {\n"
                                            "      end = 8\n"
                                            "      start = 2\n"
                                            "    }\n"
                                            "    time = 7\n"
                                            "    action = \"2\"\n"
                                            "    world = 2\n"
                                            "    message {\n"
                                            "      note = NOTE\n"
                                            "      body = 2\n"
                                            "    }\n"
                                            "    instance = 2\n"
                                            "  }\n"
                                            "}\n");
    ASSERT_EQ(list->count, 1);
    const std::vector<std::string> expected = {
        "tcf.default_style.instance must be a group",    "tcf.default_style.message.note must be an integer",
        "tcf.default_style.action must be an integer",   "undefined style 7 for tcf.default_style.time",
        "undefined style 8 for tcf.default_style.loop.end",
    };
    EXPECT_EQ(recorder.messages(), expected) << "reported in the order of the slots";
    const int lines[] = {17, 14, 11, 10, 7};
    for (size_t i = 0; i < recorder.all().size() && i < 5; ++i)
        EXPECT_EQ(recorder.all()[i].line, lines[i]) << expected[i];
    const TCF* tcf = list->head->item;
    for (int object = 0; object < TCF::objectCount; ++object) {
        const bool set = object == TCF::MESSAGE_BODY || object == TCF::WORLD || object == TCF::LOOP_START;
        EXPECT_EQ(tcf->defaultStyle(TCF::Object(object))->id(), set ? 2 : 1) << TCF::strObject(TCF::Object(object));
    }
}

TEST(TCFLoader, DefaultStyleThatIsNoGroupSkipsOnlyTheDefaults)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF("tcf {\n"
                                            "  name = \"T\"\n"
                                            "  style { name = \"a\" id = 1 }\n"
                                            "  default_style = 2\n"
                                            "  instance_type { id = Task }\n"
                                            "  thread_state { id = 1 name = \"x\" }\n"
                                            "  glyph { id = 1 name = \"x\" }\n"
                                            "}\n");
    expectOneError(recorder, "tcf.default_style must be a group", 4, 3);
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    EXPECT_EQ(tcf->defaultStyle(TCF::TIME), tcf->style(1));
    EXPECT_EQ(tcf->instanceTypes.count + tcf->threadStates.count + tcf->glyphs.count, 3);
}

// ---- The style factory

class CountingStyle : public Style {
public:
    static int made;
    static int destroyed;
    int setterCalls = 0;

    CountingStyle(const QString& name, int id) : Style(name, id) { ++made; }
    ~CountingStyle() override { ++destroyed; }
    void setTextColor(const RGBValue& color) override { ++setterCalls, Style::setTextColor(color); }
    void setBackColor(const RGBValue& color) override { ++setterCalls, Style::setBackColor(color); }
    void setLineColor(const RGBValue& color) override { ++setterCalls, Style::setLineColor(color); }
    void setFontStyle(Style::Font font) override { ++setterCalls, Style::setFontStyle(font); }
    void setLineStyle(Style::Line line) override { ++setterCalls, Style::setLineStyle(line); }
    void setArrowStyle(Style::Arrow arrow) override { ++setterCalls, Style::setArrowStyle(arrow); }
    void setFontSize(int size) override { ++setterCalls, Style::setFontSize(size); }
    void setFontName(const QString& name) override { ++setterCalls, Style::setFontName(name); }
    void composeFontStyle(Style::Font font) override { ++setterCalls, Style::composeFontStyle(font); }
};
int CountingStyle::made = 0;
int CountingStyle::destroyed = 0;

Style* countingFactory(const QString& name, int id)
{
    return new CountingStyle(name, id);
}

TEST(TCFLoader, FactoryMakesEveryStyleThatPassesItsNameAndIdChecks)
{
    CountingStyle::made = CountingStyle::destroyed = 0;
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        name = "T"
        style {
            name = "all"  id = 1
            text { color = rgb(1, 1, 1)  font = "Mono"  size = 9  style = (BOLD, ITALIC) }
            background { color = rgb(2, 2, 2) }
            line { color = rgb(3, 3, 3)  style = DOT_LINE  arrow = OPEN_ARROW }
        }
        style { name = "replaced emphasis"  id = 2  text { style = BOLD } }
        style { name = "bad arrow"  id = 3  text { size = 9 }  line { arrow = "OPEN_ARROW" } }
        style { id = 4 }
        style { name = "twin"  id = 1 }
        style { name = "no id" }
    })",
                                            countingFactory);
    EXPECT_EQ(recorder.all().size(), 4u);
    EXPECT_EQ(CountingStyle::made, 3);
    EXPECT_EQ(CountingStyle::destroyed, 1) << "the discarded style is deleted at once";
    ASSERT_EQ(list->count, 1);
    const TCF* tcf = list->head->item;
    ASSERT_EQ(tcf->styles.count, 2);
    const CountingStyle* all = dynamic_cast<const CountingStyle*>(tcf->style(1));
    ASSERT_NE(all, nullptr) << "the factory's object is the style";
    EXPECT_EQ(all->name(), "all");
    EXPECT_EQ(all->setterCalls, 9) << "three colours, font, size, two emphasis values, line style and arrow";
    EXPECT_EQ(all->fontStyle(), Style::BOLD | Style::ITALIC);
    EXPECT_EQ(all->arrowStyle(), Style::OPEN_ARROW);
    EXPECT_EQ(dynamic_cast<const CountingStyle*>(tcf->style(2))->setterCalls, 1);
    list.reset();
    EXPECT_EQ(CountingStyle::destroyed, 3);
}

TEST(TCFLoader, FactoryThatMakesNothingSkipsTheStyle)
{
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list =
        loadTCF("tcf { name = \"T\" style { name = \"s\" id = 1 } }",
                [](const QString&, int) -> Style* { return nullptr; });
    ASSERT_EQ(list->count, 1);
    EXPECT_EQ(list->head->item->styles.count, 0);
    EXPECT_TRUE(recorder.all().empty());
}

}  // namespace
