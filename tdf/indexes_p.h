// Lookups of the reader that its public lists and tables answer only by
// walking them: each index gives exactly the answer of that walk, in
// constant (amortized) time, whatever the size and shape of the trace.
#pragma once

#include "tdf/flatmap_p.h"
#include "tdf/tdfreader.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

// The messages of the call stack that returns may find (those with a
// model), by the thread they were sent in and their model's block, with and
// without their model's id, the newest of each last.  A message that found
// its return through one of its two stacks is dropped from the other when
// it comes on top.
class AwaitedReturns {
public:
    struct Awaiting {
        TDFMessage* message;
        TDFObjectNode* node;  // in callStack
    };
    static constexpr unsigned long anyModel = 1UL << 34;  // static ids have at most ten decimal digits

    void add(TDFMessage* message, TDFObjectNode* node, const TDFDefinitionBlock* block, unsigned long model)
    {
        const unsigned long place = placeOf(message->thread, block);
        stack(place, anyModel, true)->push_back({message, node});
        stack(place, model, true)->push_back({message, node});
    }

    // The messages a return of `thread` in `block` finds, of the model
    // `model` or of any, the newest last; null when there is none.
    std::vector<Awaiting>* find(const TDFThread* thread, const TDFDefinitionBlock* block, unsigned long model)
    {
        std::vector<Awaiting>* found = stack(placeOf(thread, block), model, false);
        while (found && !found->empty() && found->back().message->messageReturn)
            found->pop_back();
        return found && !found->empty() ? found : nullptr;
    }

private:
    FlatMap<unsigned long> numbers_;  // of threads and blocks, by address, from 1
    FlatMap<unsigned long> places_;   // of each thread and block met together, from 1
    FlatMap<size_t> stackOf_;         // by place and model: 1 + its index in stacks_
    std::vector<std::vector<Awaiting>> stacks_;
    const TDFThread* lastThread_ = nullptr;  // the place asked for last
    const TDFDefinitionBlock* lastBlock_ = nullptr;
    unsigned long lastPlace_ = 0;

    static unsigned long numberIn(FlatMap<unsigned long>& numbers, unsigned long key)
    {
        unsigned long& number = numbers[key];
        if (!number)
            number = numbers.size();
        return number;
    }

    static unsigned long address(const void* pointer) { return reinterpret_cast<std::uintptr_t>(pointer); }

    unsigned long placeOf(const TDFThread* thread, const TDFDefinitionBlock* block)
    {
        if (!lastPlace_ || thread != lastThread_ || block != lastBlock_) {
            const unsigned long threadNumber = numberIn(numbers_, address(thread));
            lastPlace_ = numberIn(places_, threadNumber << 32 | numberIn(numbers_, address(block)));
            lastThread_ = thread;
            lastBlock_ = block;
        }
        return lastPlace_;
    }

    std::vector<Awaiting>* stack(unsigned long place, unsigned long model, bool add)
    {
        const unsigned long key = place << 35 | model;
        if (!add) {
            const size_t* found = stackOf_.find(key);
            return found ? &stacks_[*found - 1] : nullptr;
        }
        size_t& index = stackOf_[key];
        if (!index) {
            stacks_.emplace_back();
            index = stacks_.size();
        }
        return &stacks_[index - 1];
    }
};

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
    // The messages of `callStack` that returns may find.
    AwaitedReturns awaiting;
    // The SY line (counted in `synchronisations`) that named each instance
    // last, by its address: an instance named twice on a line is found
    // without a set per line.
    FlatMap<unsigned long> lastSynchronisation;
    unsigned long synchronisations = 0;
    // The first thread of `threads` with each number.
    FlatMap<TDFThread*> threadByNum;
    // Every running thread info (state 1), in order, and where the running
    // thread info stands among them.
    std::vector<TDFObjectNode*> runningInfos;
    size_t runningIndex = 0;

    void clear() { *this = TDFIndexes(); }

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
