// The events of a trace by index, and the window of them that is drawn.
#pragma once

#include "tdf/tdfobjects.h"

#include <QHash>

#include <vector>

class TraceWindow {
public:
    // The window starts at `from` (clamped into the trace) and holds `count`
    // events, or every event to the end when `count` is negative.
    TraceWindow(const List<TDFObject*>& objects, int from, int count);

    int begin() const { return begin_; }
    int end() const { return end_; }
    int size() const { return int(events_.size()); }
    TDFObject* at(int index) const { return events_[std::size_t(index)]; }
    bool contains(int index) const { return index >= begin_ && index < end_; }
    // The event's index in the trace; -1 for null or an object not in it.
    int indexOf(const TDFObject* object) const;
    // Where an instance's column starts: its creating message when it has one.
    int creationIndex(const TDFInstance* instance) const;
    // Where an instance's lifeline ends: the return its deletion is drawn at,
    // else the deletion; past every event while it lives.
    int deletionIndex(const TDFInstance* instance) const;

private:
    std::vector<TDFObject*> events_;
    QHash<const TDFObject*, int> indexes_;
    int begin_ = 0;
    int end_ = 0;
};
