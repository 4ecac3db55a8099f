// The library's containers.
//
// List<T>   circular doubly linked list; iteration from `head` (and range-for)
//           follows insertion order, append/pop form a stack.  Never owns its
//           items: deleteAll() is there for lists whose owner holds them.
// Hash<T*>  chained hash table of pointers, interned by identity; within a
//           bucket the newest entry comes first.  Subclasses give code() and
//           their own key search.  Never owns its items.
// Array<T>  growable array: index i past the capacity grows it to the next
//           multiple of growStep above i; new elements start zero/null.
// The nodes of a List or a Hash come from a pool of its own, not one
// allocation each.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <new>
#include <type_traits>
#include <utility>

// Storage for the nodes of one container: blocks that grow from a few nodes
// to a thousand, freed nodes reused, all of it released at once.
template <class Node>
class NodePool {
public:
    NodePool() = default;
    NodePool(const NodePool&) = delete;
    NodePool& operator=(const NodePool&) = delete;
    ~NodePool() { release(); }

    template <class... Arguments>
    Node* make(Arguments&&... arguments)
    {
        return new (slot()) Node{std::forward<Arguments>(arguments)...};
    }

    void destroy(Node* node)
    {
        node->~Node();
        Free* freed = reinterpret_cast<Free*>(node);
        freed->next = free_;
        free_ = freed;
    }

    // Gives every block back; the nodes must have been destroyed (or be
    // trivially destructible).
    void release()
    {
        while (blocks_) {
            Block* next = blocks_->next;
            ::operator delete(blocks_);
            blocks_ = next;
        }
        free_ = nullptr;
    }

private:
    struct Free {
        Free* next;
    };
    struct Block {
        Block* next;
        std::size_t capacity;
        std::size_t used;
        Node* nodes() { return reinterpret_cast<Node*>(reinterpret_cast<char*>(this) + header); }
    };
    static constexpr std::size_t header = (sizeof(Block) + alignof(Node) - 1) / alignof(Node) * alignof(Node);
    static constexpr std::size_t firstCapacity = 4;
    static constexpr std::size_t largestCapacity = 1024;

    Block* blocks_ = nullptr;
    Free* free_ = nullptr;

    void* slot()
    {
        if (free_) {
            Free* reused = free_;
            free_ = reused->next;
            return reused;
        }
        if (!blocks_ || blocks_->used == blocks_->capacity)
            addBlock();
        return blocks_->nodes() + blocks_->used++;
    }

    void addBlock()
    {
        const std::size_t capacity = blocks_ ? std::min(2 * blocks_->capacity, largestCapacity) : firstCapacity;
        Block* block = static_cast<Block*>(::operator new(header + capacity * sizeof(Node)));
        block->next = blocks_;
        block->capacity = capacity;
        block->used = 0;
        blocks_ = block;
    }
};

template <class T>
class List {
public:
    struct Node {
        T item;
        Node* next;
        Node* prev;
    };

    Node* head = nullptr;
    int count = 0;

private:
    NodePool<Node> pool_;

public:
    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    ~List() { clear(); }

    // Inserts before the head, that is at the end; returns the new node.
    Node* append(T item)
    {
        Node* node = pool_.make(item, nullptr, nullptr);
        if (!head) {
            node->next = node->prev = node;
            head = node;
        } else {
            Node* last = head->prev;
            node->next = head;
            node->prev = last;
            last->next = node;
            head->prev = node;
        }
        ++count;
        return node;
    }

    // Removes the last node and returns its item; T() when empty.
    T pop()
    {
        if (!head)
            return T();
        Node* last = head->prev;
        T item = last->item;
        remove(last);
        return item;
    }

    // Unlinks and frees one node of this list; the item is left alone.
    void remove(Node* node)
    {
        if (node->next == node) {
            head = nullptr;
        } else {
            node->prev->next = node->next;
            node->next->prev = node->prev;
            if (head == node)
                head = node->next;
        }
        pool_.destroy(node);
        --count;
    }

    // Backward walks over the nodes: from last() through before() to null.
    Node* last() const { return head ? head->prev : nullptr; }
    Node* before(Node* node) const { return node == head ? nullptr : node->prev; }

    // Forward iteration over the items, in insertion order.
    class Iterator {
    public:
        typedef std::forward_iterator_tag iterator_category;
        typedef T value_type;
        typedef std::ptrdiff_t difference_type;
        typedef T* pointer;
        typedef T& reference;

        Iterator() = default;
        Iterator(Node* node, const List* list) : node_(node), list_(list) {}
        T& operator*() const { return node_->item; }
        Iterator& operator++()
        {
            node_ = node_->next == list_->head ? nullptr : node_->next;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++*this;
            return before;
        }
        bool operator!=(const Iterator& other) const { return node_ != other.node_; }
        bool operator==(const Iterator& other) const { return node_ == other.node_; }

    private:
        Node* node_ = nullptr;
        const List* list_ = nullptr;
    };
    Iterator begin() const { return Iterator(head, this); }
    Iterator end() const { return Iterator(nullptr, this); }

    // Deletes every item (a list of owned pointers) and empties the list.
    void deleteAll()
    {
        for (T item : *this)
            delete item;
        clear();
    }

    // Frees every node, never the items.
    void clear()
    {
        if constexpr (!std::is_trivially_destructible_v<Node>) {
            for (Node* node = head; node;) {
                Node* following = node->next == head ? nullptr : node->next;
                pool_.destroy(node);
                node = following;
            }
        }
        pool_.release();
        head = nullptr;
        count = 0;
    }
};

template <class T>
class Hash;

template <class T>
class Hash<T*> {
public:
    struct Node {
        T* item;
        Node* next;
        Node* prev;
    };

    Node** buckets;
    int bucketCount;
    int entryCount = 0;

private:
    NodePool<Node> pool_;

public:
    explicit Hash(int bucketCount) : buckets(new Node*[bucketCount]()), bucketCount(bucketCount) {}
    Hash(const Hash&) = delete;
    Hash& operator=(const Hash&) = delete;
    virtual ~Hash()
    {
        clean();
        delete[] buckets;
    }

    // The bucket index of `item`, below bucketCount.
    virtual unsigned code(T* item) = 0;

    // The node holding this very pointer, inserted at the head of its chain
    // when not yet present; `inserted` tells which happened.
    Node* intern(T* item, bool* inserted = nullptr)
    {
        for (Node* node = buckets[code(item)]; node; node = node->next) {
            if (node->item == item) {
                if (inserted)
                    *inserted = false;
                return node;
            }
        }
        if (inserted)
            *inserted = true;
        return insert(item);
    }

    // Inserts an item known not to be in the table, at the head of its
    // chain, as intern() would, without looking for it first.
    Node* insert(T* item)
    {
        Node*& chain = buckets[code(item)];
        Node* node = pool_.make(item, chain, nullptr);
        if (chain)
            chain->prev = node;
        chain = node;
        ++entryCount;
        return node;
    }

    // Unlinks and frees one node of this table; the item is left alone.
    void remove(Node* node)
    {
        if (node->prev)
            node->prev->next = node->next;
        else
            buckets[code(node->item)] = node->next;
        if (node->next)
            node->next->prev = node->prev;
        pool_.destroy(node);
        --entryCount;
    }

    // Calls `visit` with every item, bucket by bucket, newest first within each.
    template <class Visit>
    void forEach(Visit visit) const
    {
        for (int i = 0; i < bucketCount; ++i) {
            for (Node* node = buckets[i]; node; node = node->next)
                visit(node->item);
        }
    }

    // Deletes every item (a table of owned pointers) and empties the table.
    void deleteAll()
    {
        forEach([](T* item) { delete item; });
        clean();
    }

    // Empties the table; the items are left alone.  Its nodes hold only
    // pointers: they go with their pool, without a walk.
    void clean()
    {
        std::fill(buckets, buckets + bucketCount, nullptr);
        pool_.release();
        entryCount = 0;
    }
};

template <class T>
class Array {
public:
    T* data;
    int capacity;
    int growStep;
    int count = 0;

    // A growStep below 1 grows one element at a time.
    Array(int capacity, int growStep)
        : data(new T[capacity]()), capacity(capacity), growStep(growStep > 0 ? growStep : 1)
    {
    }
    Array(const Array&) = delete;
    Array& operator=(const Array&) = delete;
    ~Array() { delete[] data; }

    // Element i (0 <= i), growing the array first when i is past the capacity.
    T& operator[](int i)
    {
        if (i >= capacity)
            grow(growStep * (i / growStep + 1));
        if (i >= count)
            count = i + 1;
        return data[i];
    }

private:
    void grow(int newCapacity)
    {
        T* grown = new T[newCapacity]();
        std::copy(data, data + std::min(capacity, newCapacity), grown);
        delete[] data;
        data = grown;
        capacity = newCapacity;
        count = std::min(count, newCapacity);
    }
};
