#include <gtest/gtest.h>

#include "support/SRepTestFixture.h"
#include "platform/base/SECOMException.h"
#include "platform/repo/SRepColIterator.h"
#include "platform/repo/SRepObjIterator.h"

namespace {

class Collection : public SRepTestFixture {
protected:
    void SetUp() override {
        SRepTestFixture::SetUp();
        root = Node("root");
        for (const char* name : {"a", "b", "c", "d"}) {
            SComWrap<ISTestNode> child;
            root->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&child), ISTestNode::iid, NODE_ITEMS);
            child->PutName(name);
        }
        items = SRepClassColPtr(root.Get(), NODE_ITEMS);
    }
    void TearDown() override {
        items = SRepClassColPtr();
        root.Clear();
        SRepTestFixture::TearDown();
    }
    std::string NameAt(int32_t position) {
        SComWrap<ISTestNode> node;
        node = items.Item(position);
        return node ? node->GetName().str() : "";
    }

    SComWrap<ISTestNode> root;
    SRepClassColPtr items;
};

// Walks the collection with an iterator and runs `step` on each element's name, collecting the names met.
template <class F>
std::vector<std::string> Walk(ISRepClassCol* collection, F step) {
    std::vector<std::string> met;
    SRepObjIterator it(collection);
    SComWrap<ISTestNode> node;
    while (it.Next(node)) {
        met.push_back(node->GetName().str());
        step(node->GetName().str(), node.Get());
    }
    return met;
}

// A sink on the test's stack that hears of nothing unless told.
class StackSink : public ISRepColSink {
public:
    HRESULT QueryInterface(const GUID&, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnInsert(ISRepClassCol*, int32_t, ISRepObject*) override { return S_OK; }
    HRESULT OnRemove(ISRepClassCol*, int32_t, ISRepObject*) override { return S_OK; }
};

// Hears of every element that leaves a collection and keeps the owner the collection shows then.
class OwnerAskingSink : public StackSink {
public:
    HRESULT OnRemove(ISRepClassCol* collection, int32_t, ISRepObject*) override {
        SComWrap<ISRepObject> owner;
        collection->GetOwner(&owner);
        owners.push_back(owner);
        return S_OK;
    }
    std::vector<SComWrap<ISRepObject>> owners;
};

// Hears of every change of a collection: "+" or "-", the position, the element's name.
class RecordingSink : public StackSink {
public:
    HRESULT OnInsert(ISRepClassCol*, int32_t position, ISRepObject* object) override {
        return Record("+", position, object);
    }
    HRESULT OnRemove(ISRepClassCol*, int32_t position, ISRepObject* object) override {
        return Record("-", position, object);
    }
    std::vector<std::string> heard;

private:
    HRESULT Record(const char* change, int32_t position, ISRepObject* object) {
        SComWrap<ISTestNode> node;
        node.Assign(object);
        heard.push_back(change + std::to_string(position) + (node ? node->GetName().str() : "?"));
        return S_OK;
    }
};

}  // namespace

TEST_F(Collection, ALargeCollectionKeepsOrderPositionsAndNotificationsThroughChangesAnywhere) {
    // The four elements and enough more that the collection is large; `model` is what it must hold.
    std::vector<SComWrap<ISTestNode>> model;
    for (int32_t i = 0; i < items.GetCount(); ++i) {
        SComWrap<ISTestNode> node;
        node = items.Item(i);
        model.push_back(node);
    }
    std::vector<SComWrap<ISTestNode>> outside;
    for (int i = 0; i < 300; ++i) outside.push_back(Node(("n" + std::to_string(i)).c_str()));
    RecordingSink sink;
    ASSERT_EQ(items->Advise(&sink), S_OK);
    uint32_t random = 12345;
    auto next = [&](uint32_t bound) {
        random = random * 1103515245u + 12345u;
        return (random >> 8) % bound;
    };
    std::vector<std::string> expected;
    for (int step = 0; step < 2000; ++step) {
        const uint32_t kind = next(8);
        const int32_t count = static_cast<int32_t>(model.size());
        if (kind < 5 && !outside.empty()) {
            // In front, at the end, or anywhere between; one of them is already in: refused.
            const int32_t position = kind == 0 ? 0 : kind == 1 ? count : static_cast<int32_t>(next(count + 1));
            const size_t pick = next(static_cast<uint32_t>(outside.size()));
            if (count > 0) {
                EXPECT_EQ(items->Insert(position, model[next(count)].Get()), E_INVALIDARG);
            }
            ASSERT_EQ(items->Insert(position == count ? -1 : position, outside[pick].Get()), S_OK);
            expected.push_back("+" + std::to_string(position) + outside[pick]->GetName().str());
            model.insert(model.begin() + position, outside[pick]);
            outside.erase(outside.begin() + static_cast<ptrdiff_t>(pick));
        } else if (count > 0) {
            // The first, the last, or any.
            const int32_t position = kind == 5 ? 0 : kind == 6 ? count - 1 : static_cast<int32_t>(next(count));
            ASSERT_EQ(items->Remove(position), S_OK);
            expected.push_back("-" + std::to_string(position) + model[position]->GetName().str());
            outside.push_back(model[position]);
            model.erase(model.begin() + position);
        }
        if (step % 50 != 0) continue;
        ASSERT_EQ(items.GetCount(), static_cast<int32_t>(model.size())) << step;
        for (size_t i = 0; i < model.size(); ++i) {
            ASSERT_EQ(items.GetPos(model[i].Get()), static_cast<int32_t>(i)) << step;
            ASSERT_EQ(NameAt(static_cast<int32_t>(i)), model[i]->GetName().str()) << step;
        }
        for (const auto& node : outside) ASSERT_EQ(items.GetPos(node.Get()), -1) << step;
    }
    EXPECT_EQ(sink.heard, expected);
    ASSERT_GT(model.size(), 100u);

    // An iterator over it survives the removal of every other element it stands on.
    std::vector<std::string> names, met;
    for (const auto& node : model) names.push_back(node->GetName().str());
    bool drop = true;
    met = Walk(items.Get(), [&](const std::string&, ISTestNode* node) {
        if ((drop = !drop)) items.Remove(items.GetPos(node));
    });
    EXPECT_EQ(met, names);
    EXPECT_EQ(items.GetCount(), static_cast<int32_t>((model.size() + 1) / 2));

    // Deleting everything goes from the first to the last.
    sink.heard.clear();
    expected.clear();
    for (int32_t i = 0; i < items.GetCount(); ++i) expected.push_back("-0" + NameAt(i));
    model.clear();
    items.DeleteAll();
    EXPECT_EQ(sink.heard, expected);
    EXPECT_EQ(items.GetCount(), 0);
    items->Unadvise(&sink);
}

TEST_F(Collection, InsertAtAPositionOrAppendAndRefuseBadPositions) {
    SComWrap<ISTestNode> x = Node("x");
    SComWrap<ISTestNode> y = Node("y");
    SComWrap<ISTestNode> z = Node("z");
    items.Insert(1, x.Get());
    items.Insert(-1, y.Get());
    items.Insert(0, z.Get());
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"z", "a", "x", "b", "c", "d", "y"}));
    EXPECT_EQ(items.GetPos(x.Get()), 2);
    SComWrap<ISTestNode> w = Node("w");
    EXPECT_EQ(items->Insert(8, w.Get()), E_INVALIDARG);
    EXPECT_EQ(items->Insert(-2, w.Get()), E_INVALIDARG);
    EXPECT_EQ(items->Insert(0, x.Get()), E_INVALIDARG);  // already there
    EXPECT_EQ(items->Insert(0, nullptr), E_POINTER);
    EXPECT_EQ(items.GetPos(w.Get()), -1);
    EXPECT_TRUE(items.Item(7).IsEmpty());
    EXPECT_TRUE(items.Item(-1).IsEmpty());
    EXPECT_THROW(items.Remove(7), SECOMException);
}

TEST_F(Collection, AnIteratorSurvivesTheRemovalOfItsCurrentElement) {
    std::vector<std::string> met = Walk(items.Get(), [&](const std::string& name, ISTestNode* node) {
        if (name == "b") items.Remove(items.GetPos(node));
    });
    EXPECT_EQ(met, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"a", "c", "d"}));

    // Deleting the current element (it leaves the collection the same way) skips nothing either.
    met = Walk(items.Get(), [&](const std::string& name, ISTestNode* node) {
        if (name == "a") node->Delete();
    });
    EXPECT_EQ(met, (std::vector<std::string>{"a", "c", "d"}));
}

TEST_F(Collection, AnIteratorFollowsInsertionsAndRemovalsAroundIt) {
    SComWrap<ISTestNode> early = Node("early");
    SComWrap<ISTestNode> late = Node("late");
    std::vector<std::string> met = Walk(items.Get(), [&](const std::string& name, ISTestNode*) {
        if (name == "b") {
            items.Insert(0, early.Get());  // before the walk's position: not met, nothing repeated
            items.Remove(0);               // and out again
            items.Remove(0);               // "a", behind the walk
            items.Insert(-1, late.Get());  // ahead of the walk: met
        }
    });
    EXPECT_EQ(met, (std::vector<std::string>{"a", "b", "c", "d", "late"}));
}

TEST_F(Collection, ColIteratorWalksAnObjectsCollectionById) {
    SRepColIterator it(root.Get(), NODE_ITEMS);
    SComWrap<ISRepObject> object;
    int count = 0;
    while (it.GetNext(&object) == S_OK) ++count;
    EXPECT_EQ(count, 4);
    EXPECT_TRUE(object.IsEmpty());
    it.Reset();
    EXPECT_EQ(it.GetNext(&object), S_OK);
    EXPECT_THROW(SRepColIterator(root.Get(), 0x02001234), SECOMException);
}

TEST_F(Collection, AGatheringCollectionNeverTakesOwnership) {
    SComWrap<ISTestNode> all = Node("all");
    SRepClassColPtr gathered(all.Get(), NODE_ITEMS);  // an owning kind of collection...
    for (int32_t i = 0; i < items.GetCount(); ++i) gathered.Insert(-1, items.Item(i).Get());
    // ...that finds its objects owned already: the parents stay those of the tree.
    SComWrap<ISRepObject> first = gathered.Item(0);
    SComWrap<ISRepObject> parent;
    first->GetObjectA(NODE_PARENT, &parent);
    EXPECT_EQ(parent.Get(), static_cast<ISRepObject*>(root.Get()));
    const int32_t before = Live();
    EXPECT_EQ(gathered.Get()->DeleteAll(), S_OK);  // lets go without deleting
    EXPECT_EQ(gathered.GetCount(), 0);
    EXPECT_EQ(items.GetCount(), 4);
    EXPECT_EQ(Live(), before);

    gathered.Insert(-1, first.Get());
    first.Clear();
    parent.Clear();
    all->Delete();  // deleting the gatherer does not delete what it gathers
    EXPECT_EQ(items.GetCount(), 4);
    EXPECT_EQ(Live(), before);
}

TEST_F(Collection, ClearAllKeepsTheObjectsAndDeleteAllDeletesThem) {
    std::vector<SComWrap<ISRepObject>> kept;
    for (int32_t i = 0; i < items.GetCount(); ++i) kept.push_back(items.Item(i));
    const int32_t before = Live();
    items.ClearAll();
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(Live(), before);
    EXPECT_EQ(SRepObjectMem::FromObject(kept[0].Get())->GetOwner(), nullptr);
    // Put back in another order: owned again.
    for (auto it = kept.rbegin(); it != kept.rend(); ++it) items.Insert(-1, it->Get());
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"d", "c", "b", "a"}));
    kept.clear();
    items.DeleteAll();
    EXPECT_EQ(items.GetCount(), 0);
    EXPECT_EQ(Live(), before - 4);
}

TEST_F(Collection, OwnerHearsOfEveryInsertAndChange) {
    STestNodeMem* mem = dynamic_cast<STestNodeMem*>(static_cast<ISRepObject*>(root.Get()));
    ASSERT_NE(mem, nullptr);
    mem->inserts.clear();
    SComWrap<ISTestNode> x = Node("x");
    items.Insert(2, x.Get());
    EXPECT_EQ(mem->inserts, (std::vector<std::pair<int32_t, int32_t>>{{NODE_ITEMS, 2}}));
}

TEST_F(Collection, ACollectionOutlivingItsOwnerIsEmptyAndRefusesChanges) {
    SComWrap<ISRepClassCol> orphan(items.Get());
    items = SRepClassColPtr();
    root.Clear();
    EXPECT_EQ(Live(), baseline);
    int32_t count = -1;
    orphan->GetCount(&count);
    EXPECT_EQ(count, 0);
    SComWrap<ISTestNode> x = Node("x");
    EXPECT_EQ(orphan->Insert(-1, x.Get()), E_UNEXPECTED);
    SComWrap<ISRepObject> owner;
    EXPECT_EQ(orphan->GetOwner(&owner), S_OK);
    EXPECT_TRUE(owner.IsEmpty());
}

TEST_F(Collection, AnOwnerGoingAwayIsNotShownToThoseHearingOfItsCollectionEmptying) {
    OwnerAskingSink sink;
    ASSERT_EQ(items->Advise(&sink), S_OK);
    items = SRepClassColPtr();
    root.Clear();
    // The sink kept what it was shown: an owner under destruction would now be dangling.
    ASSERT_EQ(sink.owners.size(), 4u);
    for (const SComWrap<ISRepObject>& owner : sink.owners) EXPECT_TRUE(owner.IsEmpty());
    EXPECT_EQ(Live(), baseline);
}
