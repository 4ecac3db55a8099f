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
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>

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

    List() = default;
    List(const List&) = delete;
    List& operator=(const List&) = delete;
    ~List() { clear(); }

    // Inserts before the head, that is at the end; returns the new node.
    Node* append(T item)
    {
        Node* node = new Node{item, nullptr, nullptr};
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
        delete node;
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
        while (head)
            delete pop();
    }

    // Frees every node, never the items.
    void clear()
    {
        if (!head)
            return;
        Node* node = head;
        do {
            Node* following = node->next;
            delete node;
            node = following;
        } while (node != head);
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
        Node* node = new Node{item, chain, nullptr};
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
        delete node;
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

    // Empties the table; the items are left alone.
    void clean()
    {
        for (int i = 0; i < bucketCount; ++i) {
            for (Node* node = buckets[i]; node;) {
                Node* following = node->next;
                delete node;
                node = following;
            }
            buckets[i] = nullptr;
        }
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
