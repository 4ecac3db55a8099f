#include "test_tcf_support.h"

#include <QtGlobal>

namespace {

// Reads the naming list of "naming = ( ... )" given as resource text.
std::unique_ptr<Naming> readNaming(const std::string& list)
{
    std::unique_ptr<QARes> root = parseResources("naming = " + list + "\n");
    return std::unique_ptr<Naming>(_TCFFromResources_Naming(root ? root->toResList() : nullptr, "tcf.loop_naming"));
}

QString instanceName(const std::string& list, int occurrence, const QString& staticName)
{
    std::unique_ptr<Naming> naming = readNaming(list);
    return Naming::processInstance(naming.get(), occurrence, staticName);
}

QString loopName(const std::string& list, int loopNumber, const QString& loopId, int repeat)
{
    std::unique_ptr<Naming> naming = readNaming(list);
    return Naming::processLoop(naming.get(), loopNumber, loopId, repeat);
}

// Counts Qt's warnings while alive.
class QtWarningCounter {
public:
    QtWarningCounter() : previous_(qInstallMessageHandler(count)) { warnings() = 0; }
    ~QtWarningCounter() { qInstallMessageHandler(previous_); }
    static int& warnings()
    {
        static int counted = 0;
        return counted;
    }

private:
    static void count(QtMsgType, const QMessageLogContext&, const QString&) { ++warnings(); }
    QtMessageHandler previous_;
};

TEST(TCFNaming, ReadsFormatAndOperands)
{
    ReportRecorder recorder;
    std::unique_ptr<Naming> naming =
        readNaming("(\"%2-%1\", STATIC_NAME, \"-\", D_OCCURENCE, LOOP_ID, LOOP_REPEAT, LOOP_NUMBER)");
    ASSERT_NE(naming, nullptr);
    EXPECT_EQ(naming->format, "%2-%1");
    const NamingOp::NamingType expected[] = {NamingOp::LITERAL,     NamingOp::STATIC_NAME, NamingOp::LITERAL,
                                             NamingOp::D_OCCURENCE, NamingOp::LOOP_ID,     NamingOp::LOOP_REPEAT,
                                             NamingOp::LOOP_NUMBER};
    ASSERT_EQ(naming->ops.count, 7);
    const List<NamingOp*>::Node* node = naming->ops.head;
    for (NamingOp::NamingType type : expected) {
        EXPECT_EQ(node->item->type, type);
        node = node->next;
    }
    EXPECT_EQ(naming->ops.head->item->text, "%2-%1") << "the format is also the first operand";
    EXPECT_EQ(naming->ops.head->next->next->item->text, "-");
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFNaming, ListWithoutLeadingFormatGivesAnEmptyNaming)
{
    ReportRecorder recorder;
    for (const char* list : {"()", "(STATIC_NAME, \"%1\")", "(12)"}) {
        std::unique_ptr<Naming> naming = readNaming(list);
        ASSERT_NE(naming, nullptr) << list;
        EXPECT_TRUE(naming->format.isNull()) << list;
        EXPECT_EQ(naming->ops.count, 0) << list;
        EXPECT_TRUE(Naming::processInstance(naming.get(), 3, "Sensor").isEmpty()) << list;
        EXPECT_TRUE(Naming::processLoop(naming.get(), 1, "1.2", 3).isEmpty()) << list;
    }
    EXPECT_TRUE(recorder.all().empty());
}

TEST(TCFNaming, BadElementsDropTheNamingWithAMessageAtTheElement)
{
    struct Case {
        const char* list;
        const char* message;
        int column;
    };
    const Case cases[] = {
        {"(\"%1\", 12)", "unhandled resource type (3) into tcf.loop_naming list", 17},
        {"(\"%1\", STATIC_NAME, (LOOP_ID))", "unhandled resource type (2) into tcf.loop_naming list", 30},
        {"(\"%1\", true)", "unhandled resource type (4) into tcf.loop_naming list", 17},
        {"(\"%1\", d_occurence)", "unknown identifier into tcf.loop_naming list", 17},
        {"(\"%1\", LITERAL)", "unknown identifier into tcf.loop_naming list", 17},
    };
    for (const Case& c : cases) {
        ReportRecorder recorder;
        EXPECT_EQ(readNaming(c.list), nullptr) << c.list;
        expectOneError(recorder, c.message, 1, c.column);
    }
}

TEST(TCFNaming, DefaultNames)
{
    EXPECT_EQ(Naming::processInstance(nullptr, 0, "Sensor"), "obj0:Sensor");
    EXPECT_EQ(Naming::processInstance(nullptr, 2, "Queue"), "obj2:Queue");
    EXPECT_EQ(Naming::processLoop(nullptr, 4, "1.3", 5), "Loop1.3:5");
}

TEST(TCFNaming, InstanceNamesFillTheLowestPlaceholderFirst)
{
    EXPECT_EQ(instanceName("(\"%2-%1\", STATIC_NAME, D_OCCURENCE)", 4, "Sensor"), "4-Sensor");
    EXPECT_EQ(instanceName("(\"%1 %2 %3\", D_OCCURENCE, \"of\", STATIC_NAME)", 12, "Task"), "12 of Task");
    EXPECT_EQ(instanceName("(\"Thread\")", 9, "Task"), "Thread");
    EXPECT_EQ(instanceName("(\"#%1\", D_OCCURENCE)", -3, "Task"), "#-3");
}

TEST(TCFNaming, LoopNamesUseTheLoopOperands)
{
    EXPECT_EQ(loopName("(\"L%1\", LOOP_NUMBER)", 7, "3.2.8", 2), "L7");
    EXPECT_EQ(loopName("(\"L%1\", LOOP_NUMBER)", 7, "1", 9), "L7");
    EXPECT_EQ(loopName("(\"%1/%2/%3\", LOOP_ID, LOOP_REPEAT, LOOP_NUMBER)", 7, "3.2.8", 2), "3.2.8/2/7");
}

TEST(TCFNaming, OperandsOfTheOtherKindKeepTheirPlaceholder)
{
    const char* mixed = "(\"%1|%2|%3\", LOOP_ID, STATIC_NAME, LOOP_REPEAT, D_OCCURENCE, LOOP_NUMBER)";
    EXPECT_EQ(instanceName(mixed, 4, "Sensor"), "Sensor|4|%3");
    EXPECT_EQ(loopName(mixed, 7, "1.2", 5), "1.2|5|7");
}

TEST(TCFNaming, UnfilledPlaceholdersStay)
{
    EXPECT_EQ(instanceName("(\"%1-%2-%3\", STATIC_NAME)", 1, "Sensor"), "Sensor-%2-%3");
}

// Surplus operands must neither change the name nor make Qt warn about a
// missing placeholder; the names stay those of plain QString::arg chains.
TEST(TCFNaming, SurplusOperandsAreDroppedSilently)
{
    for (const char* format : {"Thread", "100%", "%L", "%1 at 50%", "%L1:%0", "%%1", "%1%2%3"}) {
        QString expected;
        {
            QtWarningCounter silenced;
            expected = QString(format).arg("A").arg(1).arg(2);
        }
        const std::string list = std::string("(\"") + format + "\", STATIC_NAME, D_OCCURENCE, \"2\")";
        QtWarningCounter counter;
        EXPECT_EQ(instanceName(list, 1, "A"), expected) << format;
        EXPECT_EQ(QtWarningCounter::warnings(), 0) << format;
    }
    EXPECT_EQ(instanceName("(\"%1 at 50%\", STATIC_NAME, D_OCCURENCE)", 1, "A"), "A at 50%");
}

}  // namespace
