// A hash map from unsigned 64-bit keys to small values, in one array with
// linear probing: the reader's per-line lookups without a node per entry.
// Entries are never removed, as the reader only adds until a reset.
#pragma once

#include <cstddef>
#include <vector>

// Fibonacci hashing spreads consecutive ids over the table.
struct SpreadingHash {
    size_t operator()(unsigned long key) const
    {
        unsigned long long hash = key * 0x9E3779B97F4A7C15ULL;
        hash ^= hash >> 29;
        return size_t(hash);
    }
};

// For the addresses of objects larger than 64 bytes: objects near each
// other in memory get slots near each other, so that a walk over objects
// made one after the other stays in the cache.
struct AddressHash {
    size_t operator()(unsigned long address) const { return size_t(address >> 6); }
};

template <class Value, class Hash = SpreadingHash>
class FlatMap {
public:
    // The value of `key`, or null.
    Value* find(unsigned long key)
    {
        if (slots_.empty())
            return nullptr;
        for (size_t index = slotOf(key);; index = (index + 1) & mask()) {
            Slot& slot = slots_[index];
            if (!slot.used)
                return nullptr;
            if (slot.key == key)
                return &slot.value;
        }
    }

    // The value of `key`, value-initialized when the key is new.
    Value& operator[](unsigned long key)
    {
        if (2 * (size_ + 1) > slots_.size())
            grow();
        size_t index = slotOf(key);
        while (slots_[index].used && slots_[index].key != key)
            index = (index + 1) & mask();
        Slot& slot = slots_[index];
        if (!slot.used) {
            slot = Slot{key, Value(), true};
            ++size_;
        }
        return slot.value;
    }

    // Starts loading the memory where `key` is looked for, so that a lookup
    // a little later finds it in the cache.
    void prefetch(unsigned long key) const
    {
        if (!slots_.empty())
            __builtin_prefetch(&slots_[slotOf(key)]);
    }

    size_t size() const { return size_; }

    void clear()
    {
        slots_.clear();
        size_ = 0;
    }

private:
    struct Slot {
        unsigned long key;
        Value value;
        bool used;
    };
    std::vector<Slot> slots_;  // a power of two of them, at most half used
    size_t size_ = 0;

    size_t mask() const { return slots_.size() - 1; }

    size_t slotOf(unsigned long key) const { return Hash()(key) & mask(); }

    void grow()
    {
        std::vector<Slot> old;
        old.swap(slots_);
        slots_.assign(old.empty() ? 16 : 2 * old.size(), Slot{0, Value(), false});
        size_ = 0;
        for (const Slot& slot : old) {
            if (slot.used)
                (*this)[slot.key] = slot.value;
        }
    }
};
