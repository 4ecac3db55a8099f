// The bundled example configuration loads cleanly and means what it says.
#include "test_tcf_support.h"

namespace {

TEST(TCFExample, SequenceConfigurationLoadsWithoutMessages)
{
    ReportRecorder recorder;
    QString error;
    std::unique_ptr<QARes> root(readResourceFile(SSV_SOURCE_DIR "/examples/config/sequence.qares", &error));
    ASSERT_NE(root, nullptr) << error.toStdString();
    std::unique_ptr<TCFList> list(readTCFFromResources(root.get()));
    EXPECT_TRUE(recorder.all().empty()) << ::testing::PrintToString(recorder.messages());
    ASSERT_EQ(list->count, 2);

    const TCF* rtos = list->search("RTOS");
    ASSERT_NE(rtos, nullptr);
    EXPECT_EQ(rtos->publicName(), "Real-time target");
    EXPECT_EQ(rtos->idLength(), 2);
    EXPECT_TRUE(rtos->nestedControlFlow());
    EXPECT_EQ(rtos->styles.count, 6);
    EXPECT_EQ(rtos->defaultStyle(TCF::INSTANCE_TITLE)->name(), "title");
    EXPECT_EQ(rtos->defaultStyle(TCF::MESSAGE_RETURN)->name(), "reply");
    EXPECT_EQ(rtos->defaultStyle(TCF::LOOP_END)->name(), "loop");
    EXPECT_EQ(Naming::processLoop(rtos->loopNaming, 1, "3.2", 4), "3.2 #4");

    const InstanceType* task = rtos->instanceType("task");
    const InstanceType* isr = rtos->instanceType("isr");
    ASSERT_TRUE(task && isr);
    EXPECT_TRUE(task->nestedControlFlow());
    EXPECT_FALSE(isr->nestedControlFlow()) << "interrupt handlers have their own FLAT mode";
    EXPECT_EQ(Naming::processInstance(task->naming, 2, "Logger"), "Logger[2]");
    EXPECT_EQ(Naming::processInstance(isr->naming, 1, "Timer"), "ISR Timer");
    EXPECT_EQ(rtos->instanceTypes.count, 3);
    EXPECT_TRUE(rtos->threadState(2)->isActiveState);
    EXPECT_EQ(rtos->threadStates.count, 4);
    EXPECT_EQ(rtos->glyph(2)->type, Glyph::VERIFICATION_POINT_FAILED);
    EXPECT_EQ(rtos->glyphs.count, 4);

    const TCF* minimal = list->search("Minimal");
    ASSERT_NE(minimal, nullptr);
    EXPECT_FALSE(minimal->displayWorldActor);
    EXPECT_EQ(minimal->loopNaming, nullptr);
}

}  // namespace
