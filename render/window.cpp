// Indexes of the events and the window drawn.
#include "render/window_p.h"

#include <algorithm>

TraceWindow::TraceWindow(const List<TDFObject*>& objects, int from, int count)
{
    events_.reserve(std::size_t(objects.count));
    indexes_.reserve(objects.count);
    for (TDFObject* object : objects) {
        indexes_.insert(object, int(events_.size()));
        events_.push_back(object);
    }
    begin_ = std::clamp(from, 0, size());
    end_ = count < 0 ? size() : begin_ + std::min(count, size() - begin_);
}

int TraceWindow::indexOf(const TDFObject* object) const
{
    return indexes_.value(object, -1);
}

int TraceWindow::creationIndex(const TDFInstance* instance) const
{
    const int byMessage = indexOf(instance->creatingMessage);
    return byMessage >= 0 ? byMessage : indexOf(instance);
}

int TraceWindow::deletionIndex(const TDFInstance* instance) const
{
    if (!instance->deletion)
        return size();
    const TDFInstanceDelete* deletion = instance->deletion->toInstanceDelete();
    const int atReturn = deletion ? indexOf(deletion->atReturn) : -1;
    const int index = atReturn >= 0 ? atReturn : indexOf(instance->deletion);
    return index >= 0 ? index : size();
}
