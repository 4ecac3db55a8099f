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
    EXPECT_EQ(rtos->styles.count, 6);
    EXPECT_EQ(rtos->defaultStyle(TCF::MESSAGE_RETURN)->name(), "reply");
    EXPECT_EQ(Naming::processLoop(rtos->loopNaming, 1, "3.2", 4), "3.2 #4");
    const InstanceType* isr = rtos->instanceType("isr");
    ASSERT_NE(isr, nullptr);
    EXPECT_FALSE(isr->nestedControlFlow()) << "interrupt handlers have their own FLAT mode";
    EXPECT_EQ(Naming::processInstance(isr->naming, 1, "Timer"), "ISR Timer");
    EXPECT_EQ(rtos->instanceTypes.count, 3);
    EXPECT_EQ(rtos->threadStates.count, 4);
    EXPECT_EQ(rtos->glyphs.count, 4);
    EXPECT_NE(list->search("Minimal"), nullptr);
}

}  // namespace
