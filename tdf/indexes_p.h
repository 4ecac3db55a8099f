// Lookups of the reader that its public lists and tables answer only by
// walking them: each index gives exactly the answer of that walk, in
// constant (amortized) time, whatever the size and shape of the trace.
#pragma once

#include "tdf/flatmap_p.h"
#include "tdf/tdfreader.h"

#include <algorithm>
#include <unordered_map>
#include <utility>
#include <vector>

struct TDFIndexes {
    // An instance with its position in the order of `instances`.
    typedef std::pair<unsigned long, TDFInstance*> Numbered;

    // The instance entered last under each dynamic id (instanceTable's answer).
    FlatMap<Numbered> newestInstance;
    unsigned long nextSequence = 0;
    // The instances in the order of `instances`; ended ones are dropped when
    // a synchronisation of all looks at them.
    std::vector<Numbered> living;
    // The ended instances, by the time of their deletion: a heap, latest first.
    typedef std::pair<unsigned long, Numbered> Ended;
    std::vector<Ended> endedByTime;
    // The newest call of each call id, and for a repeated id the call before.
    FlatMap<TDFMessageCall*> newestCall;
    std::unordered_map<const TDFMessageCall*, TDFMessageCall*> olderCall;
    // The returns of the messages of each static message id, in the order
    // of messageReturns; the newest ones that got a deletion are dropped.
    std::unordered_map<unsigned long, std::vector<TDFMessageReturn*>> returnsByModel;
    // The messages of `callStack` with a model, by the thread they were
    // sent in and their model's block, with and without their model's id:
    // the newest of each is on top.  An entry whose message has found its
    // return the other way is dropped when it comes on top.
    struct Awaiting {
        TDFMessage* message;
        TDFObjectNode* node;  // in callStack
    };
    struct ReturnKey {
        const TDFThread* thread;
        const TDFDefinitionBlock* block;
        unsigned long model;  // the model's id; anyModel for every model
        bool operator==(const ReturnKey& other) const
        {
            return thread == other.thread && block == other.block && model == other.model;
        }
    };
    struct ReturnKeyHash {
        size_t operator()(const ReturnKey& key) const
        {
            return std::hash<const void*>()(key.thread) * 31 + std::hash<const void*>()(key.block) * 7
                + std::hash<unsigned long>()(key.model);
        }
    };
    static constexpr unsigned long anyModel = ~0UL;  // beyond every static id
    std::unordered_map<ReturnKey, std::vector<Awaiting>, ReturnKeyHash> awaiting;
    // The first thread of `threads` with each number.
    FlatMap<TDFThread*> threadByNum;
    // Every running thread info (state 1), in order, and where the running
    // thread info stands among them.
    std::vector<TDFObjectNode*> runningInfos;
    size_t runningIndex = 0;

    void clear() { *this = TDFIndexes(); }

    void await(TDFMessage* message, TDFObjectNode* node, const TDFDefinitionBlock* block, unsigned long model)
    {
        awaiting[{message->thread, block, anyModel}].push_back({message, node});
        awaiting[{message->thread, block, model}].push_back({message, node});
    }

    // The messages a return finds, the newest last; null when there is none.
    std::vector<Awaiting>* returns(const ReturnKey& key)
    {
        const auto found = awaiting.find(key);
        if (found == awaiting.end())
            return nullptr;
        std::vector<Awaiting>& stack = found->second;
        while (!stack.empty() && stack.back().message->messageReturn)
            stack.pop_back();
        return stack.empty() ? nullptr : &stack;
    }

    void addEnded(unsigned long time, const Numbered& instance)
    {
        endedByTime.emplace_back(time, instance);
        std::push_heap(endedByTime.begin(), endedByTime.end(), deletedEarlier);
    }

    // The ended instances entered with a time after `time`, in no order:
    // below an entry of the heap that is not after it, none is.
    std::vector<Numbered> endedAfter(unsigned long time) const
    {
        std::vector<Numbered> found;
        std::vector<size_t> pending{0};
        while (!pending.empty()) {
            const size_t at = pending.back();
            pending.pop_back();
            if (at >= endedByTime.size() || endedByTime[at].first <= time)
                continue;
            found.push_back(endedByTime[at].second);
            pending.push_back(2 * at + 1);
            pending.push_back(2 * at + 2);
        }
        return found;
    }

private:
    static bool deletedEarlier(const Ended& a, const Ended& b) { return a.first < b.first; }
};
