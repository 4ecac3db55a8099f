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
    EXPECT_EQ(recorder.messages(), Texts{});
    ASSERT_EQ(census(*list),
              "RTOS(plain,title,reply,interrupt,note,loop|task,isr,queue|dormant,running,ready,blocked"
              "|unexpected call,check failed,unexpected data,marker); Minimal(default|||)");
    const TCF* rtos = list->head->item;
    EXPECT_EQ(rtos->defaultStyle(TCF::MESSAGE_RETURN)->name(), "reply");
    EXPECT_EQ(Naming::processLoop(rtos->loopNaming, 1, "3.2", 4), "3.2 #4");
    const InstanceType* isr = rtos->instanceType("isr");
    EXPECT_FALSE(isr->nestedControlFlow()) << "interrupt handlers have their own FLAT mode";
    EXPECT_EQ(Naming::processInstance(isr->naming, 1, "Timer"), "ISR Timer");
}

}  // namespace
