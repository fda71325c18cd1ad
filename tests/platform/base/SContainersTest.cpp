#include <gtest/gtest.h>

#include <vector>

#include "platform/base/SDList.h"
#include "platform/base/SMap.h"
#include "platform/base/SMbcs.h"
#include "platform/base/STable.h"
#include "platform/base/STree.h"

TEST(STableTest, EditsKeepOrderAndBadIndicesThrow) {
    STable<int32_t> table(10);
    EXPECT_EQ(table.Add(1), 0);
    EXPECT_EQ(table.Add(4), 1);
    table.InsertAt(1, 2);
    table.InsertAt(2, 3);
    table.InsertAt(table.GetSize(), 5);
    EXPECT_EQ(std::vector<int32_t>(table.begin(), table.end()), (std::vector<int32_t>{1, 2, 3, 4, 5}));
    table.RemoveAt(1, 2);
    table[0] = 9;
    table.SetAt(2, 7);
    EXPECT_EQ(std::vector<int32_t>(table.begin(), table.end()), (std::vector<int32_t>{9, 4, 7}));
    EXPECT_EQ(table.Find(7), 2);
    EXPECT_EQ(table.Find(8), -1);

    EXPECT_THROW(table.GetAt(3), SException);
    EXPECT_THROW(table[-1], SException);
    EXPECT_THROW(table.SetAt(3, 0), SException);
    EXPECT_THROW(table.InsertAt(4, 0), SException);
    EXPECT_THROW(table.RemoveAt(2, 2), SException);
    EXPECT_EQ(table.GetSize(), 3);  // refused edits change nothing
    table.RemoveAll();
    EXPECT_TRUE(table.IsEmpty());
    EXPECT_THROW(table.GetAt(0), SException);
}

namespace {
std::vector<int> Forward(SDList<int>& list) {
    std::vector<int> out;
    for (auto pos = list.GetHeadPosition(); pos;) out.push_back(list.GetNext(pos));
    return out;
}
std::vector<int> Backward(SDList<int>& list) {
    std::vector<int> out;
    for (auto pos = list.GetTailPosition(); pos;) out.push_back(list.GetPrev(pos));
    return out;
}
}  // namespace

TEST(SDListTest, PositionsWalkBothWaysAndSurviveOtherRemovals) {
    SDList<int> list;
    auto three = list.AddTail(3);
    list.AddHead(1);
    list.InsertBefore(three, 2);
    list.InsertAfter(three, 4);
    list.InsertAfter(decltype(three)(), 5);  // an empty position appends
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Backward(list), (std::vector<int>{5, 4, 3, 2, 1}));
    EXPECT_EQ(list.GetCount(), 5);

    // Removing the element just passed keeps the walk going with the next one.
    std::vector<int> seen;
    for (auto pos = list.GetHeadPosition(); pos;) {
        auto current = pos;
        int value = list.GetNext(pos);
        seen.push_back(value);
        if (value % 2 == 0) list.RemoveAt(current);
    }
    EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Forward(list), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(list.GetAt(three), 3);

    EXPECT_EQ(list.GetAt(list.Find(5)), 5);
    EXPECT_FALSE(list.Find(2));
    EXPECT_EQ(list.GetAt(list.FindIndex(1)), 3);
    EXPECT_FALSE(list.FindIndex(3));
    EXPECT_EQ(list.RemoveHead(), 1);
    EXPECT_EQ(list.RemoveTail(), 5);
    EXPECT_EQ(list.GetHead(), 3);
}

TEST(SDListTest, EmptyOrForeignPositionsAreRefused) {
    SDList<int> list;
    SDList<int> other;
    auto foreign = other.AddTail(1);
    EXPECT_THROW(list.GetAt(foreign), SException);
    EXPECT_THROW(list.RemoveAt(foreign), SException);
    auto end = list.GetHeadPosition();
    EXPECT_FALSE(end);
    EXPECT_THROW(list.GetNext(end), SException);
    EXPECT_THROW(list.RemoveHead(), SException);
    EXPECT_EQ(other.GetCount(), 1);
}

namespace {
// A key of two texts ordered by the first, then the second, each by multibyte comparison: the
// order of the module item and field tables.
struct TwoTextKey {
    SString moduleId;
    SString name;
};
struct TwoTextCompare {
    int operator()(const TwoTextKey& a, const TwoTextKey& b) const {
        int first = _mbscmp(a.moduleId, b.moduleId);
        return first != 0 ? first : _mbscmp(a.name, b.name);
    }
};
using TwoTextMap = SMap<TwoTextKey, const int*, TwoTextCompare>;

std::vector<SString> Keys(const TwoTextMap& map) {
    std::vector<SString> keys;
    for (TwoTextMap::Iterator it(map); !it.IsEnd(); it.Next()) keys.push_back(it.GetKey().moduleId + "/" + it.GetKey().name);
    return keys;
}
}  // namespace

TEST(SMapTest, TwoTextKeysIterateInOrderFromTheMinimum) {
    TwoTextMap map;
    static const int item = 0;
    EXPECT_TRUE(Keys(map).empty());  // an empty map is at its end at once
    for (const char* moduleId : {"b", "\xC3\xA9", "B", "a"})
        for (const char* name : {"z", "Item", "item"}) map.SetAt({moduleId, name}, &item);
    EXPECT_EQ(map.GetCount(), 12);
    EXPECT_EQ(Keys(map), (std::vector<SString>{"B/Item", "B/item", "B/z", "a/Item", "a/item", "a/z", "b/Item",
                                                "b/item", "b/z", "\xC3\xA9/Item", "\xC3\xA9/item", "\xC3\xA9/z"}));
    // Walking back from the maximum gives the reverse order.
    auto last = map.GetMaximum();
    EXPECT_EQ(last.GetKey().moduleId, "\xC3\xA9");
    EXPECT_EQ(map.Predecessor(last).GetKey().name, "item");
}

TEST(SMapTest, LookupOrInsertLookupAndRemoval) {
    TwoTextMap map;
    static const int first = 1, second = 2;
    const int*& slot = map[{"m", "sink"}];
    EXPECT_EQ(slot, nullptr);  // inserted with an empty value
    slot = &first;
    EXPECT_EQ((&map[TwoTextKey{"m", "sink"}]), &slot);  // the same slot the second time
    EXPECT_EQ(map.GetCount(), 1);

    const int* value = &second;
    EXPECT_FALSE(map.Lookup({"m", "other"}, value));
    EXPECT_EQ(value, &second);
    EXPECT_TRUE(map.Lookup({"m", "sink"}, value));
    EXPECT_EQ(value, &first);
    EXPECT_EQ(map.Lookup(TwoTextKey{"M", "sink"}), nullptr);  // case matters

    EXPECT_FALSE(map.Insert({"m", "sink"}, &second).second);  // an existing entry is kept
    EXPECT_EQ(*map.Lookup(TwoTextKey{"m", "sink"}), &first);
    map.SetAt({"m", "sink"}, &second);  // SetAt replaces
    EXPECT_EQ(*map.Lookup(TwoTextKey{"m", "sink"}), &second);

    TwoTextMap copy = map;
    EXPECT_TRUE(map.RemoveKey({"m", "sink"}));
    EXPECT_FALSE(map.RemoveKey({"m", "sink"}));
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(copy.GetCount(), 1);  // copies are independent
}

TEST(SMapTest, RemovingANodeAnswersItsSuccessor) {
    SMap<int32_t, int32_t> map;
    for (int32_t i = 5; i >= 1; --i) map[i] = i * 10;
    for (auto node = map.GetMinimum(); node;) node = node.GetKey() % 2 == 0 ? map.Remove(node) : map.Successor(node);
    std::vector<int32_t> values;
    for (SMap<int32_t, int32_t>::Iterator it(map); !it.IsEnd(); it.Next()) values.push_back(it.GetValue());
    EXPECT_EQ(values, (std::vector<int32_t>{10, 30, 50}));
    EXPECT_THROW(map.Successor({}), SException);
}

namespace {
// A value whose & answers something else, as the smart interface pointer's does (it empties
// itself to be filled).
struct SAmpersandValue {
    int32_t value = 0;
    const SAmpersandValue* operator&() const { return nullptr; }
};
}  // namespace

TEST(STreeTest, LookupFindsAValueWhoseAmpersandIsOverloaded) {
    STree<int32_t, SAmpersandValue> tree;
    tree.Insert(3, SAmpersandValue{7});
    const SAmpersandValue* found = tree.Lookup(3);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->value, 7);
    EXPECT_EQ(tree.Lookup(4), nullptr);
}
