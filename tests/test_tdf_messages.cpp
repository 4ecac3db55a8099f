// Instances and messages (NI, DI, DA, CI, MC, ME, MR) and the conventions
// every event follows: for each input after the standard block, the exact
// reports, the objects that survive and the instance left current.
#include "test_tdf_support.h"

namespace {

struct EventCase {
    const char* name;
    std::string lines;  // after the standard block, from line 14 on
    Texts reports;
    std::string objects;
    const char* current;  // dynamic id of the current instance, or "none"
};

void check(const EventCase& c)
{
    Trace trace;
    trace.read(standardBlock);
    EXPECT_EQ(trace.read(c.lines), c.reports) << c.name;
    EXPECT_EQ(census(trace.reader), c.objects) << c.name;
    const TDFInstance* current = trace.reader.currentInstance;
    EXPECT_EQ(current ? std::to_string(current->dynamicId) : "none", c.current) << c.name;
}

TEST(TDFInstances, NewDeleteAndCurrentInstances)
{
    const EventCase cases[] = {
        {"a new instance", "NI 1 7 \"Pump\"\n", {}, "instance Pump #7", "7"},
        {"named after its model",
         "NI 1 7\nNI 1 8\nNI 3 9\n",
         {},
         "instance obj0:Sensor #7; instance obj1:Sensor #8; instance ISR Timer #9",
         "9"},
        {"an unknown static instance",
         "NI 1 7\nNI 9 7\n",
         {"15: can't retrieve static instance."},
         "instance obj0:Sensor #7",
         "7"},
        {"two blanks between the ids",
         "NI 1 7\nNI 1  8\n",
         {"15: can't read instance id."},
         "instance obj0:Sensor #7",
         "none"},
        {"an unclosed name", "NI 1 7 \"Pump\n", {"14: can't read instance name"}, "", "none"},
        {"operands that are no numbers",
         "NI\nNI 1 -5\nNI 1 h\nNI x 7\n",
         {"14: can't read static instance id.", "15: can't read instance id.", "16: can't read instance id.",
          "17: can't read static instance id."},
         "",
         "none"},
        {"no block while skipping", "SF 2 9 9\nNI 1 7\n", {"14: definition block not found (SF)"}, "", "none"},
        {"no block after a new trace",
         "NT\nNI 1 7\n",
         {"15: no definition block while reading instance"},
         "newtrace",
         "none"},
        {"a deleted id is born again",
         "NI 1 7\nDI 7\nNI 2 7\n",
         {},
         "instance obj0:Sensor #7; delete 7; instance obj0:Pump #7",
         "7"},
        {"the deletion of the current instance",
         "NI 1 7\nNI 2 8\nDI 8\n",
         {},
         "instance obj0:Sensor #7; instance obj0:Pump #8; delete 8",
         "none"},
        {"the deletion of another instance",
         "NI 1 7\nNI 2 8\nDI 7\n",
         {},
         "instance obj0:Sensor #7; instance obj0:Pump #8; delete 7",
         "8"},
        {"DI without id", "DI\n", {"14: can't read instance id."}, "", "none"},
        {"DI of an unknown id", "DI 5\n", {"14: can't retrieve dynamic instance."}, "", "none"},
        {"DI with a static message id that is no number",
         "NI 1 7\nDI 7 x\nDI 7  12\n",
         {"15: can't read static id of message", "16: can't read static id of message"},
         "instance obj0:Sensor #7",
         "7"},
        {"DA ends the living instances",
         "NI 1 7\nNI 2 8\nDI 7\nNI 3 9\nDA\n",
         {},
         "instance obj0:Sensor #7; instance obj0:Pump #8; delete 7; instance ISR Timer #9; deleteall [8 9]",
         "none"},
        {"DA after DA",
         "NI 1 7\nDA\nNI 2 8\nDA\n",
         {},
         "instance obj0:Sensor #7; deleteall [7]; instance obj0:Pump #8; deleteall [8]",
         "none"},
        {"CI selects", "NI 1 7\nNI 2 8\nCI 7\n", {}, "instance obj0:Sensor #7; instance obj0:Pump #8", "7"},
        {"CI 0 selects the world", "NI 1 7\nCI 0\n", {}, "instance obj0:Sensor #7", "none"},
        {"CI with an id that is no number keeps the note pending",
         "NI 1 7\nNO \"n\"\nCI -1\nCI 7x\nCI 7\n",
         {"16: can't read instance id.", "17: bad number", "17: can't read instance id."},
         "instance obj0:Sensor #7; note n @7",
         "7"},
        {"CI of an unknown id",
         "NI 1 7\nNO \"n\"\nGL 1\nCI 8\nCI\n",
         {"16: warning: pending note while reading glyph (ignore note).", "17: can't retrieve dynamic instance (CI)",
          "18: can't read instance id."},
         "instance obj0:Sensor #7",
         "none"},
        {"CI takes the note first, then the glyph",
         "NI 1 7\nGL 1\nCI\nNO \"n\"\nCI 7\n",
         {},
         "instance obj0:Sensor #7; glyph call:null @7; note n @7",
         "7"},
    };
    for (const EventCase& c : cases)
        check(c);
}

TEST(TDFMessages, MessagesCallsAndReturns)
{
    const EventCase cases[] = {
        {"a message between instances",
         "NI 1 7\nNI 2 8\nCI 7\nME 10 8 \"go\"\n",
         {},
         "instance obj0:Sensor #7; instance obj0:Pump #8; message start 7->8 \"go\"",
         "8"},
        {"a message to an unknown id creates it", "ME 10 7\n", {}, "instance obj0:? #7; message start world->7", "7"},
        {"a message to the world", "NI 1 7\nME 10 0\n", {}, "instance obj0:Sensor #7; message start 7->world", "none"},
        {"blanks between the operands", "ME   10   0    \"x\"\n", {}, "message start world->world \"x\"", "none"},
        {"no block",
         "SF 2 9 9\nCS 3\nME 10 7\n",
         {"14: definition block not found (SF)",
          "15: warning: due to previous error, restart analyzing at this line (1 lines skipped)",
          "15: definition block not found (CS)"},
         "",
         "none"},
        {"no block, not skipping", "DB \"T\"\nID 1 3\nED\nSF 2 1 3\nSF 3 1 3\n", {}, "", "none"},
        {"no static id", "ME\n", {"14: can't read static id of message"}, "", "none"},
        {"no receiver", "ME 10\n", {"14: can't read instance id of message target"}, "", "none"},
        {"an unclosed name", "ME 10 7 \"go\n", {"14: can't read message name"}, "", "none"},
        {"an unknown static message",
         "ME 99 0\n",
         {"14: message 99 doesn't match any model in definition block."},
         "message - world->world",
         "none"},
        {"a call completed",
         "NI 1 7\nMC 5 10\nME 10 8 5\n",
         {},
         "instance obj0:Sensor #7; call 5 start; instance obj0:? #8; message start 7->8",
         "8"},
        {"a call completed twice",
         "MC 5 10\nME 10 8 5\nME 10 8 5\n",
         {"16: message completion on a complete message."},
         "call 5 start; instance obj0:? #8; message start world->8",
         "8"},
        {"a completion of another model",
         "MC 5 10\nME 11 8 5\n",
         {"15: message completion model doesn't match call model."},
         "call 5 start",
         "none"},
        {"a completion without call", "ME 10 8 5\n", {"14: message completion without message call"}, "", "none"},
        {"MC without call id", "MC\n", {"14: can't read message call identifier."}, "", "none"},
        {"MC without static id", "MC 5\n", {"14: can't read static id of message call."}, "", "none"},
        {"MC of an unknown model",
         "MC 5 99\n",
         {"14: message call id (99) doesn't match any one in current definition block."},
         "",
         "none"},
        {"MC of an unknown sender", "MC 5 10 9\n", {"14: can't retrieve instance."}, "", "none"},
        {"MC with a sender that is no number", "MC 5 10 x\n", {"14: can't read instance id."}, "", "none"},
        {"MC of a named sender",
         "NI 1 7\nNI 2 8\nMC 5 10 7\nME 10 0 5\n",
         {},
         "instance obj0:Sensor #7; instance obj0:Pump #8; call 5 start; message start 7->world",
         "none"},
        {"MR returns the newest message",
         "NI 1 7\nME 10 8\nME 11 9\nMR\nMR\n",
         {},
         "instance obj0:Sensor #7; instance obj0:? #8; message start 7->8; instance obj1:? #9; message stop 8->9; "
         "return stop; return start",
         "7"},
        {"MR by static id",
         "NI 1 7\nME 10 8\nME 11 9\nMR 10\n",
         {},
         "instance obj0:Sensor #7; instance obj0:? #8; message start 7->8; instance obj1:? #9; message stop 8->9; "
         "return start",
         "7"},
        {"MR without message", "MR\n", {"14: can't found corresponding message for return."}, "", "none"},
        {"MR with a static id that is no number",
         "ME 10 7\nMR x\n",
         {"15: can't read static id of message"},
         "instance obj0:? #7; message start world->7",
         "7"},
        {"MR in another block",
         "ME 10 7\nDB \"T\"\nID 5 5\nMS 10 \"other\"\nED\nSF 2 5 5\nMR\n",
         {"20: can't found corresponding message for return."},
         "instance obj0:? #7; message start world->7",
         "7"},
    };
    for (const EventCase& c : cases)
        check(c);
}

TEST(TDFMessages, ACompletionAfterAnErrorLeavesTheCallOpen)
{
    Trace trace;
    trace.read(standardBlock);
    EXPECT_EQ(trace.read("MC 5 10\nMC 5 11\nME 10 8 5\n"),
              Texts{"16: message completion model doesn't match call model."});
    const auto* older = trace.reader.openCalls.head->item->toMessageCall();
    EXPECT_TRUE(older->message->awaitingCompletion) << "the matching older call is not taken after an error";
    EXPECT_EQ(older->message->objectNode, nullptr);
    EXPECT_EQ(census(trace.reader), "call 5 start; call 5 stop");
}

TEST(TDFInstances, NewInstanceFlagsAndModelChanges)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "TS 1\n");
    bool created = false;
    TDF::ModelChangment changment = TDF::NO_CHANGE;
    TDFObject* pump = trace.line("NI 1 7 \"Pump\"", &created, &changment);
    ASSERT_NE(pump, nullptr);
    EXPECT_TRUE(created);
    EXPECT_EQ(changment, TDF::NEW_MODEL);
    EXPECT_EQ(pump->time, 0u);

    created = true;
    EXPECT_EQ(trace.line("NI 2 7", &created, &changment), pump);
    EXPECT_FALSE(created);
    EXPECT_EQ(changment, TDF::MODEL_CHANGED);
    EXPECT_EQ(text(pump->name()), "Pump");
    EXPECT_EQ(pump->time, 0u) << "a changed model does not stamp";
    EXPECT_EQ(pump->toInstance()->occurrence, 0u) << "the first binding of static instance 2";

    TDFObject* modeless = trace.line("ME 10 8");
    EXPECT_EQ(text(trace.reader.instances.last()->item->name()), "obj0:?");
    TDFObject* bound = trace.line("NI 2 8", &created, &changment);
    EXPECT_EQ(bound, trace.reader.instances.last()->item);
    EXPECT_FALSE(created);
    EXPECT_EQ(changment, TDF::NEW_MODEL) << "a modeless instance gets its model";
    EXPECT_EQ(text(bound->name()), "obj1:Pump");
    EXPECT_EQ(bound->toInstance()->creatingMessage, modeless);
    EXPECT_EQ(bound->time, 2u) << "stamped again";
}

TEST(TDFMessages, EventsTakeThePendingDecorations)
{
    Trace trace;
    trace.read(std::string(standardBlock)
               + "TS 10\nNI 1 7\nTI 3 1 0\nNO \"n\"\nST 2\nLK \"src:1\"\nME 10 8\nME 11 9\n");
    const auto* first = trace.reader.messages.head->item->toMessage();
    const auto* second = trace.reader.messages.last()->item->toMessage();
    EXPECT_EQ(text(first->style_->name()), "bold");
    EXPECT_EQ(text(first->linkText), "src:1");
    EXPECT_EQ(text(first->note->name_), "n");
    EXPECT_EQ(first->thread->num, 3u);
    EXPECT_EQ(first->threadInfo, trace.reader.threadInfos.head);
    EXPECT_EQ(second->style_, nullptr);
    EXPECT_EQ(text(second->linkText), "null");
    EXPECT_EQ(second->note, nullptr);
    EXPECT_EQ(second->thread->num, 3u) << "the running thread";
    EXPECT_EQ(second->threadInfo, nullptr) << "the thread info was taken";
    EXPECT_EQ(times(trace.reader), "0 10 30 30 20 40 40")
        << "a created receiver takes the time without moving it; the note keeps the time of its line";

    trace.read("ST 1\nMR\nMC 1 10\n");
    const auto* messageReturn = trace.reader.messageReturns.last()->item;
    EXPECT_EQ(text(messageReturn->style_->name()), "plain");
    EXPECT_EQ(trace.reader.pendingStyle, nullptr) << "the next object does not inherit it";
    EXPECT_EQ(trace.reader.openCalls.last()->item->toMessageCall()->message->style_, nullptr);
}

TEST(TDFMessages, ReturnsMatchOnlyTheRunningThread)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "TI 1 1 0\nNI 1 7\nME 10 8\nTI 2 1 0\nMR\n");
    EXPECT_EQ(trace.reader.messageReturns.count, 0);
    trace.read("TI 2 3 0\nMR\n");
    EXPECT_EQ(trace.reader.messageReturns.count, 1) << "thread 1 runs again";
}

TEST(TDFMessages, DeletionAtAReturnTakesItsTime)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "TS 5\nNI 1 7\nME 12 8\nMR\nTM 100\nDI 8 12\n");
    const auto* deletion = trace.reader.instanceDeletes.last()->item->toInstanceDelete();
    ASSERT_NE(deletion->atReturn, nullptr);
    EXPECT_EQ(deletion->atReturn->deletion, deletion);
    EXPECT_EQ(deletion->time, deletion->atReturn->time);
    EXPECT_EQ(trace.reader.currentTime, 100u) << "the time does not move";
    trace.read("NI 2 9\nDI 9 11\n");
    EXPECT_EQ(trace.reader.instanceDeletes.last()->item->toInstanceDelete()->atReturn, nullptr)
        << "no return of model 11: drawn at its own time";
}

TEST(TDFMessages, ModelIndexCountsTheModelsUsedSoFar)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "ME 10 0\nME 11 0\nME 10 0\nME 12 0\nME 99 0\n");
    std::string indexes;
    for (TDFObject* message : trace.reader.messages)
        indexes += std::to_string(message->toMessage()->modelIndex);
    EXPECT_EQ(indexes, "12233");
    EXPECT_EQ(trace.reader.usedMessageModelCount, 3);
}

TEST(TDFMessages, ActivationsFollowMessagesAndReturns)
{
    Trace trace;
    trace.read(std::string(standardBlock) + "NI 1 7\nNI 2 8\nCI 7\nME 10 8\nME 11 8\nMR\nMR\n");
    const TDFInstance* pump = trace.reader.instances.last()->item;
    ASSERT_NE(pump->activations, nullptr);
    EXPECT_EQ(pump->activations->count, 2);
    EXPECT_EQ(pump->activations->data[0], trace.reader.messages.head->item);
    EXPECT_EQ(pump->activations->data[1], trace.reader.messageReturns.last()->item);
    EXPECT_EQ(pump->activationDepth, 0);

    Trace untracked;
    untracked.reader.activationTracking = false;
    untracked.read(std::string(standardBlock) + "NI 1 7\nNI 2 8\nCI 7\nME 10 8\n");
    EXPECT_EQ(untracked.reader.instances.last()->item->activations, nullptr);
}

}  // namespace
