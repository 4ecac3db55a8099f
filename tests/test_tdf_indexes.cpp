// The reader's indexes against the walks over its public lists that they
// replace: on generated traces of every shape that stresses them, the same
// answer after every line.
#include "support/trace_generator.h"
#include "tdf/indexes_p.h"
#include "test_tdf_support.h"

class TDFIndexCheck {
public:
    explicit TDFIndexCheck(TDF& reader) : reader_(reader) {}

    // Every lookup of the reader, by index and by walk; a text naming the
    // first one that differs, or an empty one.
    std::string difference(int instancePool)
    {
        for (unsigned long id = 0; id <= unsigned(instancePool); ++id) {
            if (reader_.findInstance(id) != reader_.instanceTable.search(id))
                return "instance " + std::to_string(id);
        }
        for (unsigned long model : {10ul, 11ul, 12ul, 13ul, 14ul, 15ul, 16ul, 17ul, 999ul}) {
            if (reader_.findDeletionReturn(model) != walkDeletionReturn(model))
                return "deletion return of " + std::to_string(model);
        }
        for (unsigned long num = 0; num <= 4; ++num) {
            if (reader_.findThread(num) != walkThread(num))
                return "thread " + std::to_string(num);
        }
        if (runningByIndex() != runningByWalk())
            return "running thread infos";
        if (reader_.runningThreadInfo
            && reader_.indexes->runningInfos[reader_.indexes->runningIndex] != reader_.runningThreadInfo)
            return "place of the running thread info";
        if (synchronisedByIndex() != synchronisedByWalk())
            return "instances of a synchronisation of all";
        return callDifference();
    }

    // The message a return would find, by index and by walk, for every
    // model and for any: a text naming the first that differs, or an empty one.
    std::string returnDifference()
    {
        for (unsigned long model : {10ul, 11ul, 12ul, 13ul, 14ul, 15ul, 16ul, 17ul, 999ul, AwaitedReturns::anyModel}) {
            const std::vector<AwaitedReturns::Awaiting>* stack =
                reader_.indexes->awaiting.find(reader_.currentThread, reader_.currentBlock, model);
            if ((stack ? stack->back().message : nullptr) != walkReturned(model))
                return "return of " + std::to_string(model);
        }
        return std::string();
    }

private:
    TDF& reader_;

    TDFMessage* walkReturned(unsigned long model)
    {
        for (TDFObjectNode* node = reader_.callStack.last(); node; node = reader_.callStack.before(node)) {
            TDFMessage* message = node->item->toMessage();
            const TDFDBMessage* found = message->model;
            if (found && (model == AwaitedReturns::anyModel || found->id == model)
                && message->thread == reader_.currentThread && found->block == reader_.currentBlock
                && !message->messageReturn)
                return message;
        }
        return nullptr;
    }

    TDFMessageReturn* walkDeletionReturn(unsigned long model)
    {
        for (TDFObjectNode* node = reader_.messageReturns.last(); node; node = reader_.messageReturns.before(node)) {
            TDFMessageReturn* messageReturn = node->item->toMessageReturn();
            const TDFMessage* message = messageReturn->message;
            if (message && message->model && message->model->id == model && !messageReturn->deletion)
                return messageReturn;
        }
        return nullptr;
    }

    TDFThread* walkThread(unsigned long num)
    {
        for (TDFThread* thread : reader_.threads) {
            if (thread->num == num)
                return thread;
        }
        return nullptr;
    }

    const std::vector<TDFObjectNode*>& runningByIndex() { return reader_.indexes->runningInfos; }

    std::vector<TDFObjectNode*> runningByWalk()
    {
        std::vector<TDFObjectNode*> running;
        for (TDFObjectNode* node = reader_.threadInfos.head; node;
             node = node->next == reader_.threadInfos.head ? nullptr : node->next) {
            if (node->item->toThreadInfo()->stateId == 1)
                running.push_back(node);
        }
        return running;
    }

    std::vector<TDFInstance*> synchronisedByIndex()
    {
        List<TDFInstance*> list;
        reader_.appendSynchronisedInstances(&list);
        return std::vector<TDFInstance*>(list.begin(), list.end());
    }

    std::vector<TDFInstance*> synchronisedByWalk()
    {
        std::vector<TDFInstance*> chosen;
        for (TDFInstance* instance : reader_.instances) {
            if (!instance->deletion || instance->deletion->time > reader_.currentTime)
                chosen.push_back(instance);
        }
        return chosen;
    }

    // The calls of each call id, newest first, as the walk over openCalls finds them.
    std::string callDifference()
    {
        std::map<unsigned long, std::vector<TDFMessageCall*>> walked;
        for (TDFObjectNode* node = reader_.openCalls.last(); node; node = reader_.openCalls.before(node))
            walked[node->item->toMessageCall()->callId].push_back(node->item->toMessageCall());
        if (walked.size() != reader_.indexes->newestCall.size())
            return "number of call ids";
        for (const auto& [callId, calls] : walked) {
            std::vector<TDFMessageCall*> indexed;
            TDFMessageCall* const* newest = reader_.indexes->newestCall.find(callId);
            for (TDFMessageCall* call = newest ? *newest : nullptr; call; call = reader_.olderCall(call))
                indexed.push_back(call);
            if (indexed != calls)
                return "calls of " + std::to_string(callId);
        }
        return std::string();
    }
};

namespace {

TEST(TDFIndexes, AnswerAsTheWalksOverTheListsDo)
{
    std::unique_ptr<TCFList> tcf = loadTCF(TraceGenerator::configuration());
    TraceReports reports;
    TraceShape calls;
    calls.callPercent = 60;
    calls.instancePool = 40;
    TraceShape deletions;
    deletions.deleteMissPercent = 60;
    TraceShape threads;
    threads.idleThreadPercent = 70;
    TraceShape traces;
    traces.newTraces = true;
    for (const TraceShape& base : {TraceShape(), calls, deletions, threads, traces}) {
        for (unsigned seed = 1; seed <= 10; ++seed) {
            TraceShape shape = base;
            shape.events = 600;
            TDF reader(tcf.get());
            TDFIndexCheck check(reader);
            int line = 0;
            for (const std::string& text : TraceGenerator(seed, shape).lines()) {
                reader.read((text + '\n').c_str());
                ++line;
                const std::string difference = check.difference(shape.instancePool);
                ASSERT_EQ(difference, "") << "seed " << seed << ", line " << line << ": " << text;
            }
        }
    }
}

// The messages that returns find, by index and by the walk over the call
// stack, on generated traces of calls in several threads and blocks.
TEST(TDFIndexes, ReturnsFindTheMessagesTheWalkFinds)
{
    TraceShape shape;
    shape.events = 600;
    shape.callPercent = 40;
    shape.idleThreadPercent = 30;
    std::unique_ptr<TCFList> tcf = loadTCF(TraceGenerator::configuration());
    TraceReports reports;
    for (unsigned seed = 1; seed <= 20; ++seed) {
        const std::vector<std::string> lines = TraceGenerator(seed, shape).lines();
        TDF reader(tcf.get());
        TDFIndexCheck check(reader);
        for (size_t index = 0; index < lines.size(); ++index) {
            reader.read((lines[index] + '\n').c_str());
            ASSERT_EQ(check.returnDifference(), "")
                << "seed " << seed << ", line " << index + 1 << ": " << lines[index];
        }
    }
}

}  // namespace
