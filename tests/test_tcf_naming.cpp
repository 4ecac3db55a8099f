// Naming formats: reading naming lists and the names they produce.
#include "test_tcf_support.h"

#include <QtGlobal>

namespace {

// Reads the naming list of "naming = ( ... )" given as resource text.
std::unique_ptr<Naming> readNaming(const std::string& list)
{
    std::unique_ptr<QARes> root = parseResources("naming = " + list + "\n");
    return std::unique_ptr<Naming>(_TCFFromResources_Naming(root ? root->toResList() : nullptr, "tcf.loop_naming"));
}

int qtWarnings = 0;

// Every list gives the instance name of occurrence 4 of Sensor and the loop
// name of loop 7, id 3.2.8, iteration 2.  A list with a bad element gives
// no naming, so the default names, and its one message; no list makes a Qt
// warning.
TEST(TCFNaming, NamesFilledFromTheFormatsOperands)
{
    struct Case {
        const char* list;
        const char* instance;
        const char* loop;
        const char* message = nullptr;
    };
    const Case cases[] = {
        {R"(("%2-%1", STATIC_NAME, D_OCCURENCE))", "4-Sensor", "%2-%1"},
        {R"(("%1 %2 %3", D_OCCURENCE, "of", STATIC_NAME))", "4 of Sensor", "of %2 %3"},
        {R"(("Thread"))", "Thread", "Thread"},
        {R"(("L%1", LOOP_NUMBER))", "L%1", "L7"},
        {R"(("%1/%2/%3", LOOP_ID, LOOP_REPEAT, LOOP_NUMBER))", "%1/%2/%3", "3.2.8/2/7"},
        // Operands of the other kind leave their placeholder to the next one that applies.
        {R"(("%1|%2|%3", LOOP_ID, STATIC_NAME, LOOP_REPEAT, D_OCCURENCE, LOOP_NUMBER))", "Sensor|4|%3", "3.2.8|2|7"},
        // Unfilled placeholders stay; surplus operands change nothing, as with plain QString::arg.
        {R"(("%1-%2-%3", STATIC_NAME))", "Sensor-%2-%3", "%1-%2-%3"},
        {R"(("100%", STATIC_NAME, "x"))", "100%", "100%"},
        {R"(("%L", D_OCCURENCE, LOOP_REPEAT))", "%L", "%L"},
        {R"(("%1 at 50%", STATIC_NAME, D_OCCURENCE, "x"))", "Sensor at 50%", "x at 50%"},
        {R"(("%L1:%0", STATIC_NAME, D_OCCURENCE, "x", LOOP_NUMBER))", "4:Sensor", "7:x"},
        {R"(("%%1", STATIC_NAME, "x"))", "%Sensor", "%x"},
        // Without a leading format the naming is empty.
        {"()", "", ""},
        {R"((STATIC_NAME, "%1"))", "", ""},
        {"(12)", "", ""},
        // Bad elements
        {R"(("%1", 12))", "obj4:Sensor", "Loop3.2.8:2", "1:17: unhandled resource type (3) into tcf.loop_naming list"},
        {R"(("%1", STATIC_NAME, (LOOP_ID)))", "obj4:Sensor", "Loop3.2.8:2",
         "1:30: unhandled resource type (2) into tcf.loop_naming list"},
        {R"(("%1", true))", "obj4:Sensor", "Loop3.2.8:2",
         "1:17: unhandled resource type (4) into tcf.loop_naming list"},
        {R"(("%1", d_occurence))", "obj4:Sensor", "Loop3.2.8:2", "1:17: unknown identifier into tcf.loop_naming list"},
        {R"(("%1", LITERAL))", "obj4:Sensor", "Loop3.2.8:2", "1:17: unknown identifier into tcf.loop_naming list"},
    };
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) { ++qtWarnings; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        ReportRecorder recorder;
        std::unique_ptr<Naming> naming = readNaming(c.list);
        EXPECT_EQ(naming == nullptr, c.message != nullptr);
        EXPECT_EQ(recorder.messages(), c.message ? Texts{c.message} : Texts{});
        EXPECT_EQ(Naming::processInstance(naming.get(), 4, "Sensor"), c.instance);
        EXPECT_EQ(Naming::processLoop(naming.get(), 7, "3.2.8", 2), c.loop);
    }
    qInstallMessageHandler(previous);
    EXPECT_EQ(qtWarnings, 0);
}

// A list of `count` operands after the format "%1".
std::string operands(int count, const char* operand)
{
    std::string list = "(\"%1\"";
    for (int i = 0; i < count; ++i)
        list += std::string(", ") + operand;
    return list + ")";
}

TEST(TCFNaming, LimitsKeepNamesCheap)
{
    ReportRecorder recorder;
    EXPECT_NE(readNaming(operands(99, "STATIC_NAME")), nullptr) << "99 operands fill %1 to %99";
    EXPECT_EQ(recorder.messages(), Texts{});
    EXPECT_EQ(readNaming(operands(100, "STATIC_NAME")), nullptr);
    EXPECT_EQ(recorder.messages(), Texts{"1:1304: more than 99 operands into tcf.loop_naming list"});

    ReportRecorder longString;
    const std::string longest(4096, 'x');
    EXPECT_NE(readNaming("(\"" + longest + "\", LOOP_ID)"), nullptr);
    EXPECT_EQ(readNaming("(\"%1\", \"" + longest + "y\")"), nullptr);
    EXPECT_EQ(longString.messages(), Texts{"1:17: string longer than 4096 characters into tcf.loop_naming list"});

    // Each operand brings its placeholder back four times: the name stops
    // growing at 4096 characters instead of without end.
    std::unique_ptr<Naming> growing = readNaming(operands(99, "\"%1%1%1%1\""));
    ASSERT_NE(growing, nullptr);
    const QString name = Naming::processLoop(growing.get(), 1, "1", 1);
    EXPECT_EQ(name.size(), 4096);
    EXPECT_TRUE(name.startsWith("%1%1")) << name.left(20).toStdString();
}

}  // namespace
