// Lookups of the reader that its public lists and tables answer only by
// walking them: each index gives exactly the answer of that walk, in
// constant time, whatever the size and shape of the trace.
#pragma once

#include "tdf/tdfreader.h"

#include <map>
#include <unordered_map>
#include <vector>

struct TDFIndexes {
    // The instance entered last under each dynamic id (instanceTable's answer).
    std::unordered_map<unsigned long, TDFInstance*> newestInstance;
    // The calls of each call id, in the order of openCalls.
    std::unordered_map<unsigned long, std::vector<TDFMessageCall*>> callsById;
    // The returns of the messages of each static message id, in the order
    // of messageReturns; the newest ones that got a deletion are dropped.
    std::unordered_map<unsigned long, std::vector<TDFMessageReturn*>> returnsByModel;
    // The instances in the order of instances: the living ones, and the
    // ended ones by the time of their deletion (newest deletion last).
    std::map<unsigned long, TDFInstance*> livingBySequence;
    std::unordered_map<const TDFInstance*, unsigned long> sequenceOf;
    std::multimap<unsigned long, TDFInstance*> endedByTime;
    unsigned long nextSequence = 0;
    // The first thread of threads with each number.
    std::unordered_map<unsigned long, TDFThread*> threadByNum;
    // For each thread info, the newest running one (state 1) before it.
    std::unordered_map<TDFObjectNode*, TDFObjectNode*> runningBefore;
    TDFObjectNode* newestRunning = nullptr;

    void clear()
    {
        newestInstance.clear();
        livingBySequence.clear();
        sequenceOf.clear();
        endedByTime.clear();
        nextSequence = 0;
        callsById.clear();
        returnsByModel.clear();
        threadByNum.clear();
        runningBefore.clear();
        newestRunning = nullptr;
    }
};
