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

// Hears of every element that leaves a collection and keeps the owner the collection shows then.
class OwnerAskingSink : public ISRepColSink {
public:
    HRESULT QueryInterface(const GUID&, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnInsert(ISRepClassCol*, int32_t, ISRepObject*) override { return S_OK; }
    HRESULT OnRemove(ISRepClassCol* collection, int32_t, ISRepObject*) override {
        SComWrap<ISRepObject> owner;
        collection->GetOwner(&owner);
        owners.push_back(owner);
        return S_OK;
    }
    std::vector<SComWrap<ISRepObject>> owners;
};

}  // namespace

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
