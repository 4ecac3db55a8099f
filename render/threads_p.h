// The thread that runs at each point of a trace, replayed from its thread
// infos: one of state 1 makes its thread run; any other state hands control
// back to the thread that ran before, as the earlier state-1 infos tell.
#pragma once

#include "tdf/tdfobjects.h"

#include <vector>

class RunningThread {
public:
    void see(TDFThreadInfo* info);
    // The running thread; null when none is known.
    TDFThread* current() const;

private:
    std::vector<TDFThreadInfo*> infos_;
    int running_ = -1;  // index into infos_
};
