// Loading configurations from resource text: what the keys set, and for
// every fault its message, its position and what it discards.
#include "test_tcf_support.h"

namespace {

// The single-valued settings: "<id length> <control flow> <world actor>
// <public name>/<comment> <name of loop 7, id 1.2, iteration 3>".
std::string settings(const TCF& tcf)
{
    return std::to_string(tcf.idLength()) + (tcf.nestedControlFlow() ? " NESTED " : " FLAT ")
        + (tcf.displayWorldActor ? "shown " : "hidden ") + tcf.publicName().toStdString() + '/'
        + (tcf.comment().isNull() ? "null" : tcf.comment().toStdString()) + ' '
        + Naming::processLoop(tcf.loopNaming, 7, "1.2", 3).toStdString();
}

TEST(TCFLoader, ReadsEveryKeyAndKeepsConfigurationsInOrder)
{
    EXPECT_EQ(readTCFFromResources(nullptr), nullptr);
    ReportRecorder recorder;
    std::unique_ptr<TCFList> none = loadTCF("other { tcf { name = \"nested\" } }\n");
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->count, 0) << "only the root and its siblings are searched";

    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        loop_naming = ("L%1", LOOP_NUMBER)
        name = "Full"
        id_length = 0
        control_flow = NESTED
        comment = "a comment"
        public_name = "Shown"
        display_world_actor = false
        instance_type { id = Task  icon_tag = "task.png"  control_flow = FLAT  style = 2
                        naming = ("%1#%2", STATIC_NAME, D_OCCURENCE) }
        instance_type { id = Queue }
        style { name = "a" id = 1 }
        style { name = "b" id = 2 }
        thread_state { id = 1 name = "ready" }
        thread_state { id = 2 name = "running" is_active_state = true }
        glyph { id = 1 name = "call" icon_tag = "call.png" type = UNEXPECTED_CALL }
        glyph { id = 2 name = "check" type = VERIFICATION_POINT_FAILED }
        glyph { id = 3 name = "data" type = UNEXPECTED_DATA }
        glyph { id = 4 name = "lower" type = unexpected_call }
    }
    setting = 3
    tcf { name = "Min" }
    tcf { name = "Full" id_length = 9 control_flow = FLAT public_name = "" })");
    EXPECT_EQ(recorder.messages(), Texts{});
    ASSERT_EQ(census(*list), "Full(a,b|Task,Queue|ready,running|call,check,data,lower); Min(|||); Full(|||)");
    const TCF* full = list->head->item;
    EXPECT_EQ(list->search("Full"), full);
    EXPECT_EQ(list->search("full"), nullptr);
    EXPECT_EQ(none->search("Full"), nullptr);
    EXPECT_EQ(settings(*full), "0 NESTED hidden Shown/a comment L7");
    EXPECT_EQ(settings(*list->head->next->item), "1 FLAT shown Min/null Loop1.2:3") << "the defaults";
    EXPECT_EQ(settings(*list->head->prev->item), "9 FLAT shown /null Loop1.2:3") << "an empty public name is kept";
    EXPECT_EQ(slotIds(*list->head->next->item), std::vector<int>(TCF::objectCount, 0));

    // "<icon tag> <style> [own] <control flow> <name of occurrence 3 of Sensor>"
    const auto type = [](const InstanceType& t) {
        return (t.iconTag.isNull() ? "-" : t.iconTag.toStdString()) + ' '
            + (t.style ? t.style->name().toStdString() : "-") + (t.hasControlFlow ? " own " : " ")
            + (t.nestedControlFlow() ? "NESTED " : "FLAT ")
            + Naming::processInstance(t.naming, 3, "Sensor").toStdString();
    };
    EXPECT_EQ(join(full->instanceTypes, "; ", type), "task.png b own FLAT Sensor#3; - - NESTED obj3:Sensor");
    const auto state = [](const ThreadState& s) { return std::to_string(s.id) + (s.isActiveState ? " active" : ""); };
    EXPECT_EQ(join(full->threadStates, ", ", state), "1, 2 active");
    const auto glyph = [](const Glyph& g) {  // "<id>:<type>[:<icon tag>]"
        const std::string icon = g.iconTag.isNull() ? "" : ':' + g.iconTag.toStdString();
        return std::to_string(g.id) + ':' + std::to_string(g.type) + icon;
    };
    EXPECT_EQ(join(full->glyphs, ", ", glyph), "1:1:call.png, 2:2, 3:3, 4:0") << "a type in lower case gives 0";
}

// Configuration "T" with a good item of each kind before `text` (which
// starts on line 8) and another one after it, then configuration "Next".
std::string inT(const std::string& text)
{
    return "tcf {\n"
           "  name = \"T\"\n"
           "  style { name = \"s1\" id = 1 }\n"
           "  style { name = \"s2\" id = 2 }\n"
           "  instance_type { id = Task }\n"
           "  thread_state { id = 1 name = \"run\" }\n"
           "  glyph { id = 1 name = \"call\" }\n"
        + text
        + "  style { name = \"s3\" id = 3 }\n"
          "  instance_type { id = After }\n"
          "  thread_state { id = 2 name = \"wait\" }\n"
          "  glyph { id = 2 name = \"mark\" }\n"
          "}\n"
          "tcf { name = \"Next\" }\n";
}

// A faulty setting of T; the style without an id after it would be
// reported if the rest of T were read.
std::string setting(const std::string& key)
{
    return inT(key + "  style { name = \"unread\" }\n");
}

// An item of T on line 8 whose keys start on line 9.
std::string item(const char* kind, const std::string& keys)
{
    return inT(kind + std::string(" {\n") + keys + "}\n");
}

// A style of T with a good name and id 5, whose other keys start on line 11.
std::string style(const std::string& keys)
{
    return item("style", "  name = \"x\"\n  id = 5\n" + keys);
}

const char* const everyGoodItem = "T(s1,s2,s3|Task,After|run,wait|call,mark); Next(|||)";
const char* const onlyNext = "Next(|||)";

struct Fault {
    std::string text;
    std::string report;
    std::string survivors = everyGoodItem;  // the census of the list loaded
};

TEST(TCFLoader, EveryFaultIsReportedAtItsPositionAndDiscardsItsUnitOnly)
{
    const Fault faults[] = {
        // Configurations
        {"tcf = \"Main\"\n" + inT(""), "1:1: tcf must be a group"},
        {"tcf {\n  comment = \"x\"\n}\n" + inT(""), "1:1: tcf.name must be a defined string"},
        {"tcf {\n  name = Bad\n}\n" + inT(""), "2:3: tcf.name must be a string"},
        {setting("  id_length = \"2\"\n"), "8:3: tcf.id_length must be an integer", onlyNext},
        {setting("  id_length = -1\n"), "8:3: tcf.id_length must be between 0 and 9, not -1.", onlyNext},
        {setting("  id_length = 10\n"), "8:3: tcf.id_length must be between 0 and 9, not 10.", onlyNext},
        {setting("  control_flow = Nested\n"), "8:3: tcf.control_flow must be FLAT or NESTED identifier.", onlyNext},
        {setting("  control_flow = \"FLAT\"\n"), "8:3: tcf.control_flow must be FLAT or NESTED identifier.", onlyNext},
        {setting("  comment = 3\n"), "8:3: tcf.comment must be a string", onlyNext},
        {setting("  public_name = (\"x\")\n"), "8:3: tcf.public_name must be a string", onlyNext},
        {setting("  display_world_actor = 1\n"), "8:3: tcf.display_world_actor must be a boolean", onlyNext},
        {setting("  loop_naming = \"L%1\"\n"), "8:3: tcf.loop_naming must be a list", onlyNext},
        {inT("  loop_naming = (\"L%1\", 3)\n"), "8:25: unhandled resource type (3) into tcf.loop_naming list"},
        {inT("  default_style = 2\n"), "8:3: tcf.default_style must be a group"},
        // Styles
        {inT("style = 5\n"), "8:1: tcf.style must be a group"},
        {item("style", "  id = 5\n"), "8:1: tcf.style.name must be a defined string"},
        {item("style", "  name = x\n  id = 5\n"), "9:3: tcf.style.name must be a string"},
        {item("style", "  name = \"x\"\n"), "8:1: tcf.style.id must be a defined integer"},
        {item("style", "  name = \"x\"\n  id = \"5\"\n"), "10:3: tcf.style.id must be an integer"},
        {item("style", "  name = \"x\"\n  id = 1\n"), "10:3: tcf.style.id \"1\" already defined."},
        {style("  text = BOLD\n"), "11:3: tcf.style.text must be a group"},
        {style("  background = rgb(1, 1, 1)\n"), "11:3: tcf.style.background must be a group"},
        {style("  line = DOT_LINE\n"), "11:3: tcf.style.line must be a group"},
        {style("  text {\n    color = \"red\"\n  }\n"), "12:5: tcf.style.text.color must be a rgb value"},
        {style("  text {\n    font = Sans\n  }\n"), "12:5: tcf.style.text.font must be a string"},
        {style("  text {\n    size = \"9\"\n  }\n"), "12:5: tcf.style.text.size must be an integer"},
        {style("  text {\n    style = \"BOLD\"\n  }\n"),
         "12:5: tcf.style.text.style must be an identifier or an identifier list"},
        {style("  text {\n    style = (BOLD, \"I\")\n  }\n"), "12:5: tcf.style.text.style must be an identifier list"},
        {style("  background {\n    color = 255\n  }\n"), "12:5: tcf.style.background.color must be a rgb value"},
        {style("  line {\n    color = black\n  }\n"), "12:5: tcf.style.line.color must be a rgb value"},
        {style("  line {\n    style = \"DOT_LINE\"\n  }\n"), "12:5: tcf.style.line.style must be an identifier"},
        {style("  text {\n    color = rgb(1, 2, 3)\n  }\n  background {\n    color = rgb(1, 2, 3)\n  }\n"
               "  line {\n    arrow = \"OPEN_ARROW\"\n  }\n"),
         "18:5: tcf.style.line.arrow must be an identifier"},
        {style("  line {\n    arrow = \"OPEN_ARROW\"\n  }\n  text {\n    size = big\n  }\n"),
         "15:5: tcf.style.text.size must be an integer"},
        // Instance types
        {inT("instance_type = Task2\n"), "8:1: tcf.instance_type must be a group"},
        {item("instance_type", "  icon_tag = \"i\"\n"), "8:1: tcf.instance_type.id must be a defined identifier"},
        {item("instance_type", "  id = \"Task2\"\n"), "9:3: tcf.instance_type.id must be an identifier"},
        {item("instance_type", "  id = Task\n"), "9:3: tcf.instance_type \"Task\" already defined."},
        {item("instance_type", "  id = T2\n  icon_tag = i\n"), "10:3: tcf.instance_type.icon_tag must be a string"},
        {item("instance_type", "  id = T2\n  control_flow = flat\n"),
         "10:3: tcf.instance_type.control_flow must be a defined identifier"},
        {item("instance_type", "  id = T2\n  style = \"1\"\n"), "8:1: tcf.instance_type.style must be an integer"},
        {item("instance_type", "  id = T2\n  style = 9\n"), "10:3: undefined style 9 for tcf.instance_type.style.\n"},
        {item("instance_type", "  id = T2\n  naming = \"%1\"\n"), "8:1: tcf.instance_type.naming must be a list"},
        {item("instance_type", "  id = T2\n  naming = (\"%1\", Static_Name)\n"),
         "10:19: unknown identifier into tcf.instance_type.naming list",
         "T(s1,s2,s3|Task,T2,After|run,wait|call,mark); Next(|||)"},
        // Thread states
        {inT("thread_state = 3\n"), "8:1: tcf.thread_state must be a group"},
        {item("thread_state", "  name = \"x\"\n"), "8:1: tcf.thread_state.id must be an integer"},
        {item("thread_state", "  id = \"3\"\n"), "9:3: tcf.thread_state.id must be an integer"},
        {item("thread_state", "  id = 1\n  name = \"x\"\n"), "9:3: tcf.thread_state \"1\" already defined."},
        {item("thread_state", "  id = 3\n"), "8:1: tcf.thread_state.name must defined."},
        {item("thread_state", "  id = 3\n  name = x\n"), "10:3: tcf.thread_state.name must be a string"},
        {item("thread_state", "  id = 3\n  name = \"x\"\n  is_active_state = 1\n"),
         "11:3: tcf.thread_state.is_active_state must be a boolean"},
        // Glyphs
        {inT("glyph = 3\n"), "8:1: tcf.glyph must be a group"},
        {item("glyph", "  name = \"x\"\n"), "8:1: tcf.glyph.id must be an integer"},
        {item("glyph", "  id = three\n"), "9:3: tcf.glyph.id must be an integer"},
        {item("glyph", "  id = 1\n  name = \"x\"\n"), "9:3: tcf.glyph \"1\" already defined."},
        {item("glyph", "  id = 3\n  icon_tag = \"i\"\n"), "8:1: tcf.glyph.name must defined."},
        {item("glyph", "  id = 3\n  name = 4\n"), "10:3: tcf.glyph.name must be a string"},
        {item("glyph", "  id = 3\n  name = \"x\"\n  icon_tag = i\n"), "11:3: tcf.glyph.icon_tag must be a string"},
        {item("glyph", "  id = 3\n  name = \"x\"\n  type = \"MARK\"\n"), "11:3: tcf.glyph.type must be an identifier"},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.report);
        ReportRecorder recorder;
        std::unique_ptr<TCFList> list = loadTCF(fault.text);
        EXPECT_EQ(recorder.messages(), Texts{fault.report});
        EXPECT_EQ(census(*list), fault.survivors);
    }
}

// "Faulty" has faults that leave their slots on its first style; style
// 100 + n of "All", defined after the defaults, is meant for slot n.
TEST(TCFLoader, DefaultStylesSetTheirSlotsAndFaultsLeaveThemUnchanged)
{
    std::string text = R"(tcf {
  name = "Faulty"  style { name = "a" id = 1 }  style { name = "b" id = 2 }
  default_style {
    loop { end = 8  start = 2 }
    time = 7  action = "2"  world = 2
    message { note = NOTE  body = 2 }
    instance = 2
  }
}
tcf {
  name = "All"
  default_style {
    world = 100
    instance { title = 101  activated = 102  desactivated = 103  delete = 104  note = 105 }
    message { body = 106  return = 107  note = 108 }
    synchronisation = 109  action = 110  time = 113
    loop { start = 111  end = 112 }
  }
)";
    std::vector<int> all;
    for (int object = 0; object < TCF::objectCount; ++object) {
        all.push_back(100 + object);
        text += "  style { name = \"s\" id = " + std::to_string(100 + object) + " }\n";
    }
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(text + "}\n");
    EXPECT_EQ(
        recorder.messages(),
        (Texts{"7:5: tcf.default_style.instance must be a group",
               "6:15: tcf.default_style.message.note must be an integer",
               "5:15: tcf.default_style.action must be an integer", "5:5: undefined style 7 for tcf.default_style.time",
               "4:12: undefined style 8 for tcf.default_style.loop.end"}))
        << "reported in the order of the slots";
    ASSERT_EQ(list->count, 2);
    EXPECT_EQ(slotIds(*list->head->item), (std::vector<int>{2, 1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 1, 1}));
    EXPECT_EQ(slotIds(*list->head->next->item), all);
}

// Logs the setters called on it, and counts its destructions.
class LoggingStyle : public Style {
public:
    static int destroyed;
    Texts calls;

    LoggingStyle(const QString& name, int id) : Style(name, id) {}
    ~LoggingStyle() override { ++destroyed; }
    void setTextColor(const RGBValue& color) override { calls.push_back("textColor"), Style::setTextColor(color); }
    void setBackColor(const RGBValue& color) override { calls.push_back("backColor"), Style::setBackColor(color); }
    void setLineColor(const RGBValue& color) override { calls.push_back("lineColor"), Style::setLineColor(color); }
    void setFontStyle(Style::Font font) override { calls.push_back("fontStyle"), Style::setFontStyle(font); }
    void setLineStyle(Style::Line line) override { calls.push_back("lineStyle"), Style::setLineStyle(line); }
    void setArrowStyle(Style::Arrow arrow) override { calls.push_back("arrowStyle"), Style::setArrowStyle(arrow); }
    void setFontSize(int size) override { calls.push_back("fontSize"), Style::setFontSize(size); }
    void setFontName(const QString& name) override { calls.push_back("fontName"), Style::setFontName(name); }
    void composeFontStyle(Style::Font font) override { calls.push_back("compose"), Style::composeFontStyle(font); }
};
int LoggingStyle::destroyed = 0;

Texts factoryCalls;

// Makes logging styles, none for a style named "refused", and one with the
// wrong id for a style named "wrong id".
Style* loggingFactory(const QString& name, int id)
{
    factoryCalls.push_back(name.toStdString() + ' ' + std::to_string(id));
    if (name == "refused")
        return nullptr;
    return new LoggingStyle(name, name == "wrong id" ? 1 : id);
}

TEST(TCFLoader, FactoryMakesEveryStyleThatPassesItsNameAndIdChecks)
{
    LoggingStyle::destroyed = 0;
    factoryCalls.clear();
    ReportRecorder recorder;
    std::unique_ptr<TCFList> list = loadTCF(R"(tcf {
        name = "T"
        style {
            line { arrow = HALF_ARROW  style = DASH_DOT_LINE  color = rgb(7, 8, 9) }
            background { color = rgb(4, 5, 6) }
            text { style = (UNDERLINE, ITALIC)  size = 8  font = "Mono"  color = rgb(1, 2, 3) }
            id = 1
            name = "all"
        }
        style { name = "single"  id = 2  text { style = BOLD }  line { style = dotted  arrow = open } }
        style { name = "bad arrow"  id = 3  text { size = 9 }  line { arrow = "OPEN_ARROW" } }
        style { name = "refused"  id = 4 }
        style { name = "wrong id"  id = 6 }
        style { id = 5 }
        style { name = "twin"  id = 1 }
        style { name = "no id" }
    })",
                                            loggingFactory);
    EXPECT_EQ(recorder.messages().size(), 4u) << ::testing::PrintToString(recorder.messages());
    EXPECT_EQ(factoryCalls, (Texts{"all 1", "single 2", "bad arrow 3", "refused 4", "wrong id 6"}));
    EXPECT_EQ(LoggingStyle::destroyed, 2) << "discarded styles are deleted at once";
    ASSERT_EQ(census(*list), "T(all,single|||)");
    const LoggingStyle* all = dynamic_cast<const LoggingStyle*>(list->head->item->style(1));
    ASSERT_NE(all, nullptr) << "the factory's object is the style";
    EXPECT_EQ(all->calls,
              (Texts{"textColor", "fontName", "fontSize", "compose", "compose", "backColor", "lineColor", "lineStyle",
                     "arrowStyle"}));
    EXPECT_EQ(all->textColor(), RGBValue(1, 2, 3));
    EXPECT_EQ(all->fontName(), "Mono");
    EXPECT_EQ(all->fontSize(), 8);
    EXPECT_EQ(all->fontStyle(), Style::UNDERLINE | Style::ITALIC);
    EXPECT_EQ(all->backColor(), RGBValue(4, 5, 6));
    EXPECT_EQ(all->lineColor(), RGBValue(7, 8, 9));
    EXPECT_EQ(all->lineStyle(), Style::DASH_DOT_LINE);
    EXPECT_EQ(all->arrowStyle(), Style::HALF_ARROW);
    const LoggingStyle* single = dynamic_cast<const LoggingStyle*>(list->head->item->style(2));
    EXPECT_EQ(single->calls, (Texts{"fontStyle", "lineStyle", "arrowStyle"}));
    EXPECT_EQ(single->fontStyle(), Style::BOLD);
    EXPECT_EQ(single->lineStyle(), Style::SOLID_LINE) << "unknown texts give 0 without a message";
    EXPECT_EQ(single->arrowStyle(), Style::PLAIN_ARROW);
    list.reset();
    EXPECT_EQ(LoggingStyle::destroyed, 4);
}

}  // namespace
