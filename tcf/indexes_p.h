// Lookups of a configuration's items by id or name in constant time.  The
// lists stay public, and a caller may append to them directly: an index
// takes in the items appended since it last looked, and starts again when
// the list got shorter or another first node.
#pragma once

#include "tcf/tcf.h"

#include <QHash>

template <class T, class Key>
class ListIndex {
public:
    // The first non-null item of `list` whose key is `key`, or null.
    template <class KeyOf>
    T* find(const List<T*>& list, const Key& key, KeyOf keyOf)
    {
        catchUp(list, keyOf);
        return table_.value(key, nullptr);
    }

private:
    QHash<Key, T*> table_;  // the first item of each key
    const typename List<T*>::Node* head_ = nullptr;
    const typename List<T*>::Node* last_ = nullptr;  // the last node taken in
    int count_ = 0;

    template <class KeyOf>
    void catchUp(const List<T*>& list, KeyOf keyOf)
    {
        if (list.count < count_ || list.head != head_) {
            table_.clear();
            head_ = list.head;
            last_ = nullptr;
            count_ = 0;
        }
        for (; count_ < list.count; ++count_) {
            last_ = last_ ? last_->next : list.head;
            if (last_->item && !table_.contains(keyOf(last_->item)))
                table_.insert(keyOf(last_->item), last_->item);
        }
    }
};

struct TCFIndexes {
    ListIndex<Style, int> styles;
    ListIndex<InstanceType, QString> instanceTypes;
    ListIndex<ThreadState, int> threadStates;
    ListIndex<Glyph, int> glyphs;
};
