#include "foundation/containers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class T>
std::vector<T> items(const List<T>& list)
{
    std::vector<T> out;
    for (const T& item : list)
        out.push_back(item);
    return out;
}

TEST(List, AppendKeepsInsertionOrderAndPopActsAsAStack)
{
    List<int> list;
    EXPECT_EQ(list.pop(), 0);
    list.append(1);
    list.append(2);
    list.append(3);
    EXPECT_EQ(items(list), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(list.head->prev->item, 3);
    EXPECT_EQ(list.pop(), 3);
    EXPECT_EQ(list.pop(), 2);
    EXPECT_EQ(list.pop(), 1);
    EXPECT_EQ(list.pop(), 0);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.count, 0);
}

TEST(List, SingleNodeRingsToItselfAndRemoveUnlinksAnyNode)
{
    List<int> list;
    List<int>::Node* only = list.append(7);
    EXPECT_EQ(only->next, only);
    EXPECT_EQ(only->prev, only);

    List<int>::Node* second = list.append(8);
    List<int>::Node* third = list.append(9);
    list.remove(second);
    EXPECT_EQ(items(list), (std::vector<int>{7, 9}));
    list.remove(only);
    EXPECT_EQ(list.head, third) << "removing the head moves it to the next node";
    EXPECT_EQ(third->next, third);
    EXPECT_EQ(list.count, 1);
    list.remove(third);
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.count, 0);
}

TEST(List, RangeForFollowsInsertionOrderAndDeleteAllFreesTheItems)
{
    List<int> empty;
    for (int item : empty)
        ADD_FAILURE() << "an empty list yields " << item;

    List<int> numbers;
    for (int i : {4, 5, 6})
        numbers.append(i);
    EXPECT_EQ(items(numbers), (std::vector<int>{4, 5, 6}));
    for (int& item : numbers)
        item *= 10;
    EXPECT_EQ(items(numbers), (std::vector<int>{40, 50, 60})) << "iteration hands out the stored items";

    static int alive = 0;
    struct Counted {
        Counted() { ++alive; }
        ~Counted() { --alive; }
    };
    List<Counted*> owned;
    for (int i = 0; i < 3; ++i)
        owned.append(new Counted);
    EXPECT_EQ(alive, 3);
    owned.deleteAll();
    EXPECT_EQ(alive, 0);
    EXPECT_EQ(owned.head, nullptr);
    EXPECT_EQ(owned.count, 0);
}

TEST(List, ClearFreesNodesButNotItems)
{
    std::string a = "a", b = "b";
    List<std::string*> list;
    list.append(&a);
    list.append(&b);
    list.clear();
    EXPECT_EQ(list.head, nullptr);
    EXPECT_EQ(list.count, 0);
    EXPECT_EQ(a, "a");
    list.append(&b);
    EXPECT_EQ(items(list), (std::vector<std::string*>{&b}));
}

struct Keyed {
    int key;
};

// A table keyed by `key`, with the search that owners of such tables write.
class KeyedHash : public Hash<Keyed*> {
public:
    KeyedHash() : Hash<Keyed*>(7) {}
    unsigned code(Keyed* item) override { return unsigned(item->key) % unsigned(bucketCount); }
    Keyed* search(int key)
    {
        for (Node* node = buckets[unsigned(key) % unsigned(bucketCount)]; node; node = node->next)
            if (node->item->key == key)
                return node->item;
        return nullptr;
    }
};

TEST(Hash, InternsByIdentityWithNewestFirstInItsBucket)
{
    KeyedHash hash;
    Keyed first{3}, equal{3}, other{10};
    bool inserted = false;
    KeyedHash::Node* node = hash.intern(&first, &inserted);
    EXPECT_TRUE(inserted);
    EXPECT_EQ(hash.intern(&first, &inserted), node);
    EXPECT_FALSE(inserted);
    EXPECT_EQ(hash.entryCount, 1);

    hash.intern(&equal, &inserted);
    EXPECT_TRUE(inserted) << "an equal key in another object is a new entry";
    hash.intern(&other);
    EXPECT_EQ(hash.entryCount, 3);
    EXPECT_EQ(hash.search(3), &equal) << "of two equal keys the newer is found first";
    EXPECT_EQ(hash.search(10), &other);
    EXPECT_EQ(hash.buckets[3]->item, &other) << "10 % 7 == 3: the newest entry heads the bucket";
}

TEST(Hash, RemoveAndCleanLeaveTheItemsAlone)
{
    KeyedHash hash;
    Keyed a{1}, b{8}, c{15};
    KeyedHash::Node* na = hash.intern(&a);
    KeyedHash::Node* nb = hash.intern(&b);
    hash.intern(&c);
    hash.remove(nb);
    EXPECT_EQ(hash.search(8), nullptr);
    EXPECT_EQ(hash.search(1), &a);
    EXPECT_EQ(hash.search(15), &c);
    hash.remove(hash.intern(&c));
    EXPECT_EQ(hash.buckets[1], na);
    EXPECT_EQ(na->prev, nullptr);
    EXPECT_EQ(hash.entryCount, 1);
    hash.intern(&b);
    hash.clean();
    EXPECT_EQ(hash.entryCount, 0);
    EXPECT_EQ(hash.search(1), nullptr);
    EXPECT_EQ(hash.search(8), nullptr);
    EXPECT_EQ(a.key, 1);
}

TEST(Array, GrowsToTheNextMultipleOfItsStepAndZeroesNewElements)
{
    Array<int*> array(20, 100);
    EXPECT_EQ(array.capacity, 20);
    int x = 0;
    array[3] = &x;
    EXPECT_EQ(array.count, 4);
    EXPECT_EQ(array[0], nullptr);
    array[20];
    EXPECT_EQ(array.capacity, 100);
    EXPECT_EQ(array.count, 21);
    EXPECT_EQ(array[3], &x) << "growth keeps the elements";
    array[250];
    EXPECT_EQ(array.capacity, 300);
    EXPECT_EQ(array.count, 251);
    for (int i = 21; i < 300; ++i)
        EXPECT_EQ(array.data[i], nullptr) << i;
    array[5];
    EXPECT_EQ(array.capacity, 300);
    EXPECT_EQ(array.count, 251);
    array[300];
    EXPECT_EQ(array.capacity, 400) << "an index on a multiple of the step grows past it";

    Array<int> stepless(0, 0);
    stepless[2] = 5;
    EXPECT_EQ(stepless.capacity, 3);
    EXPECT_EQ(stepless[2], 5);
}

}  // namespace
