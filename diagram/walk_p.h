// The walk of a read trace that every language shares: it turns the
// reader's objects within a window into a SequenceModel.
#pragma once

#include "diagram/sequencemodel_p.h"

#include <QHash>
#include <vector>

class TDF;
class TDFObject;
struct SequenceExportOptions;

namespace diagram {

// The reader's objects by position in reading order.
class ObjectIndex {
public:
    explicit ObjectIndex(const TDF& trace);

    int size() const { return int(objects_.size()); }
    TDFObject* at(int position) const { return objects_[std::size_t(position)]; }
    // The object's position; -1 for an object not in the list (or null).
    int positionOf(const TDFObject* object) const { return positions_.value(object, -1); }

private:
    std::vector<TDFObject*> objects_;
    QHash<const TDFObject*, int> positions_;
};

// The objects from position `first` to before `last`.
struct Window {
    int first = 0;
    int last = 0;
    bool contains(int position) const { return position >= first && position < last; }
};

// The window that the options select among `size` objects.
Window windowOf(const SequenceExportOptions& options, int size);

// The model of the objects of `trace` in the window the options give.
SequenceModel walkSequence(const TDF& trace, const SequenceExportOptions& options);

}  // namespace diagram
