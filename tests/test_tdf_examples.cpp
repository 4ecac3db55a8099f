// The bundled example traces read with the bundled example configuration.
#include "test_tdf_support.h"

#include <set>

namespace {

TEST(TDFExamples, DefinitionBlocksReadWithoutReports)
{
    ExampleTrace example("blocks.tdf");
    EXPECT_EQ(example.take(), Texts{});
    EXPECT_EQ(census(*example.reader),
              "instance Sensor[0] #100; instance Controller[0] #200; message read 100->200; "
              "instance Motor[0] #300; message drive 200->300; return read");
    ASSERT_EQ(example.reader->blocks.count, 2);
    TDFDefinitionBlock* firmware = example.reader->blocks.head->item;
    TDFDefinitionBlock* model = example.reader->blocks.last()->item;
    EXPECT_EQ(text(firmware->getInstanceFromId(2)->sourceLink()), "firmware/main.c:40");
    EXPECT_EQ(text(firmware->getInstanceFromId(2)->style()->name()), "title");
    EXPECT_EQ(text(firmware->getInstanceFromId(3)->style()->name()), "interrupt") << "the isr type's style";
    EXPECT_EQ(firmware->getInstanceFromId(4)->superInstance, firmware->getInstanceFromId(2));
    EXPECT_EQ(text(firmware->getMessageFromId(11)->sourceLink()), "firmware/main.c#process");
    EXPECT_EQ(model->getInstanceFromId(2)->superInstance, firmware->getInstanceFromId(2));
    EXPECT_EQ(text(model->getInstanceFromId(1)->sourceLink()), "xrd#model/motor.xrd#Obj_Motor");
}

TEST(TDFExamples, EveryOpcodeReadsWithoutReports)
{
    ExampleTrace example("rtos.tdf");
    EXPECT_EQ(example.take(), Texts{});
    EXPECT_EQ(census(*example.reader),
              "newtrace; thread main 1:1; instance Sensor[0] #100; instance Controller[0] #200; "
              "instance obj0:Commands #400; trigger; message read 100->200 \"read(0)\"; note first sample @message; "
              "message post 200->400; return post; return read; trigger_start; loop 1 #3 1; call 7 process; "
              "message process 100->400; return process; action watchdog kick @200; end 1 #3; "
              "glyph check failed:sample out of range late @200; thread irq 2:1; instance ISR Timer #300; "
              "message tick 300->100; return tick; thread irq 2:3; instance Motor[0] #500; "
              "message drive 200->500 \"drive(40)\"; return drive; action control cycle @200; "
              "note sample out of range raw 4095 @100; sync sync point [100 200 world]; "
              "sync all stop [100 200 400 300 500]; delete 500; trigger_stop; deleteall [100 200 400 300]");
    std::set<TDFObjectType> kinds;
    for (const TDFObject* object : example.reader->objects)
        kinds.insert(object->type);
    EXPECT_EQ(kinds.size(), 17u) << "every kind of event but the definition block";
    EXPECT_EQ(example.reader->timeUnit, TIME_UNIT_MICROSECOND);
    EXPECT_EQ(example.reader->maxHeapSize, 3072u);
    EXPECT_EQ(example.reader->minTime, 1000u);
}

TEST(TDFExamples, MistakesAreReportedWhereTheyAre)
{
    ExampleTrace example("mistakes.tdf");
    EXPECT_EQ(
        example.take(),
        (Texts{"mistakes.tdf:2: no definition block while reading message", "mistakes.tdf:6: id already defined",
               "mistakes.tdf:13: message 11 doesn't match any model in definition block.",
               "mistakes.tdf:14: can't retrieve static instance.", "mistakes.tdf:15: can't read instance name",
               "mistakes.tdf:16: hexadecimal number must be terminated by 'h'", "mistakes.tdf:16: can't read time.",
               "mistakes.tdf:19: can't found corresponding message for return.",
               "mistakes.tdf:20: can't found loop start for this end loop.",
               "mistakes.tdf:21: GA opcode cannot be used: not in external trigger mode (ET)",
               "mistakes.tdf:22: can't retrieve thread model", "mistakes.tdf:23: unknown opcode or unexpected opcode",
               "mistakes.tdf:24: definition block not found (SF)",
               "mistakes.tdf:26: warning: due to previous error, restart analyzing at this line (2 lines skipped)"}));
    EXPECT_EQ(example.reader->blocks.count, 1) << "the block with a repeated id is dropped";
}

}  // namespace
