// Replaying which thread runs.
#include "render/threads_p.h"

void RunningThread::see(TDFThreadInfo* info)
{
    infos_.push_back(info);
    if (info->stateId == 1) {
        running_ = int(infos_.size()) - 1;
        return;
    }
    int earlier = running_ - 1;
    while (earlier >= 0 && infos_[std::size_t(earlier)]->stateId != 1)
        --earlier;
    running_ = earlier < 0 ? -1 : earlier;
}

TDFThread* RunningThread::current() const
{
    return running_ < 0 ? nullptr : infos_[std::size_t(running_)]->thread;
}
