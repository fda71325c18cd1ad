#include <gtest/gtest.h>

#include "support/SRepTestFixture.h"
#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepObjectMap.h"
#include "platform/repo/SRepVariant.h"

namespace {

// Records what one object tells its advised sinks.
class RecordingSink : public ISRepObjSink {
public:
    HRESULT QueryInterface(const GUID&, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    uint32_t AddRef() override { return 1; }
    uint32_t Release() override { return 1; }
    HRESULT OnDelete(ISRepObject*, int32_t) override {
        ++deletes;
        return S_OK;
    }
    HRESULT OnFlush(ISRepObject*) override { return S_OK; }
    HRESULT OnChange(ISRepObject*, int32_t id) override {
        changes.push_back(id);
        return S_OK;
    }
    std::vector<int32_t> changes;
    int deletes = 0;
};

STestNodeMem* Mem(ISRepObject* object) {
    return dynamic_cast<STestNodeMem*>(object);
}

SComWrap<ISTestNode> Child(ISRepObject* parent, const char* name, int32_t position = -1, bool initialise = true) {
    SComWrap<ISTestNode> child;
    HRESULT hr = parent->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&child), ISTestNode::iid, NODE_ITEMS,
                                      position, initialise);
    EXPECT_EQ(hr, S_OK);
    if (child) child->PutName(name);
    return child;
}

}  // namespace

using SRepObject = SRepTestFixture;

TEST_F(SRepObject, FactoryCountsLiveObjectsAndReusesAllocatorBlocks) {
    SRepRegistry* registry = STestNodeRegistry::Get();
    ASSERT_NE(registry->GetAllocator(), nullptr);
    {
        std::vector<SComWrap<ISTestNode>> nodes;
        for (int i = 0; i < 6; ++i) nodes.push_back(Node("n"));
        EXPECT_EQ(Live(), baseline + 6);
        EXPECT_EQ(registry->GetAllocator()->GetLiveCount(), 6);
        EXPECT_EQ(registry->GetAllocator()->GetBlockCount(), 2);  // four objects a block
        EXPECT_TRUE(STestNodeRegistry::IsClassInitialisedNow());
    }
    EXPECT_EQ(Live(), baseline);
    EXPECT_EQ(registry->GetAllocator()->GetLiveCount(), 0);
    SComWrap<ISTestNode> again = Node("again");  // memory comes back from the free slots
    EXPECT_EQ(registry->GetAllocator()->GetBlockCount(), 2);
}

TEST_F(SRepObject, ObjectsOutlivingTheirRegistryGiveTheirMemoryBackSafely) {
    // Shut-down lets go of the registries before the globals container releases what it holds:
    // objects of a class may outlive its registry and its allocator's owner.
    SComWrap<ISTestNode> first = Node("first");
    SComWrap<ISTestNode> second = Node("second");
    STestNodeRegistry::Destroy();
    EXPECT_EQ(first->GetName(), "first");
    first.Clear();
    EXPECT_EQ(second->GetName(), "second");
    EXPECT_EQ(Live(), baseline + 1);
    STestNodeRegistry::Construct();  // a new start-up: a fresh allocator for new objects
    SComWrap<ISTestNode> fresh = Node("fresh");
    EXPECT_EQ(STestNodeRegistry::Get()->GetAllocator()->GetLiveCount(), 1);
    second.Clear();
    EXPECT_EQ(STestNodeRegistry::Get()->GetAllocator()->GetLiveCount(), 1);
    EXPECT_EQ(Live(), baseline + 1);
}

TEST_F(SRepObject, FailingFinalConstructLeavesNothingAlive) {
    STestNodeMem::failNextFinalConstruct = E_INVALIDARG;
    SComWrap<ISTestNode> node;
    EXPECT_EQ(session->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&node), ISTestNode::iid), E_INVALIDARG);
    EXPECT_TRUE(node.IsEmpty());
    EXPECT_EQ(Live(), baseline);
    EXPECT_EQ(STestNodeRegistry::Get()->GetAllocator()->GetLiveCount(), 0);
    SRepObjectMem* out = reinterpret_cast<SRepObjectMem*>(1);
    STestNodeMem::failNextFinalConstruct = E_FAIL;
    EXPECT_EQ(STestNodeRegistry::Get()->CreateInstance(&out, session.Get(), nullptr), E_FAIL);
    EXPECT_EQ(out, nullptr);
}

TEST_F(SRepObject, UnknownOrAbstractClassesAreNotCreated) {
    SComWrap<ISRepObject> object;
    EXPECT_EQ(session->CreateObject(MakeGUID("{00000001-0000-0000-0000-000000000000}"),
                                    reinterpret_cast<void**>(&object), ISRepObject::iid),
              E_INVALIDARG);
    SComWrap<ISTestNode> root = Node("root");
    EXPECT_EQ(Mem(root.Get())->CanCreateObject(CLSID_STestNode, NODE_ITEMS), S_OK);
    EXPECT_EQ(Mem(root.Get())->CanCreateObject(CLSID_STestNode, NODE_PARENT), S_FALSE);  // an inverse end
    EXPECT_EQ(Mem(root.Get())->CanCreateObject(CLSID_STestNode, 0x02001234), S_FALSE);   // not a collection of the class
    EXPECT_EQ(root->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&object), ISRepObject::iid, 0x02001234),
              E_INVALIDARG);
    EXPECT_EQ(Live(), baseline + 1);
}

TEST_F(SRepObject, SetWithAnEqualValueAnnouncesNothing) {
    SComWrap<ISTestNode> node = Node("");
    RecordingSink sink;
    ASSERT_EQ(node->Advise(SREP_NOTIFY_CHANGE, &sink), S_OK);
    STestNodeMem* mem = Mem(node.Get());
    mem->updates.clear();

    EXPECT_EQ(node->PutInt(5), S_OK);
    EXPECT_EQ(node->PutInt(5), S_FALSE);
    EXPECT_EQ(node->GetInt(), 5);
    SRepVariant text;
    text.SetText("t");
    EXPECT_EQ(node->SetAttribute(NODE_TEXT, text), S_OK);
    EXPECT_EQ(node->SetAttribute(NODE_TEXT, text), S_FALSE);
    EXPECT_EQ(mem->updates, (std::vector<int32_t>{NODE_INT, NODE_TEXT}));
    EXPECT_EQ(sink.changes, (std::vector<int32_t>{NODE_INT, NODE_TEXT}));

    // A computed attribute's setter announces through PostSetAttribute.
    EXPECT_EQ(mem->PostSetAttribute(NODE_DATE), S_OK);
    EXPECT_EQ(sink.changes.back(), NODE_DATE);
    EXPECT_EQ(node->Unadvise(&sink), S_OK);
    node->PutInt(6);
    EXPECT_EQ(sink.changes.size(), 3u);
}

TEST_F(SRepObject, VariantSettersCheckTheTypeAndCutCharValues) {
    SComWrap<ISTestNode> node = Node("");
    SRepVariant value;
    value.SetText("not a number");
    EXPECT_EQ(node->SetAttribute(NODE_INT, value), DISP_E_TYPEMISMATCH);
    value.SetInt(70000);
    EXPECT_EQ(node->SetAttribute(NODE_SHORT, value), E_INVALIDARG);  // does not fit 16 bits
    value.SetInt(-2);
    EXPECT_EQ(node->SetAttribute(NODE_SHORT, value), S_OK);
    value.SetRECT({1, 2, 3, 4});
    EXPECT_EQ(node->SetAttribute(NODE_RECT, value), S_OK);
    EXPECT_EQ(node->SetAttribute(NODE_POINT, value), DISP_E_TYPEMISMATCH);

    node->PutName(SString(std::string(300, 'x')));
    EXPECT_EQ(node->GetName().GetLength(), 254);
    SRepVariant read;
    EXPECT_EQ(node->GetAttribute(NODE_SHORT, &read), S_OK);
    EXPECT_EQ(read.GetShort(), -2);
    EXPECT_EQ(node->GetAttribute(NODE_RECT, &read), S_OK);
    EXPECT_EQ(read.GetRECT(), (RECT{1, 2, 3, 4}));
}

TEST_F(SRepObject, FrameworkAttributesAndUnknownIds) {
    SComWrap<ISTestNode> a = Node("a");
    SComWrap<ISTestNode> b = Node("b");
    SRepVariant oidA, oidB;
    ASSERT_EQ(a->GetAttribute(SREP_DISPID_OID, &oidA), S_OK);
    ASSERT_EQ(b->GetAttribute(SREP_DISPID_OID, &oidB), S_OK);
    EXPECT_EQ(oidA.GetType(), SREP_VT_OID);
    EXPECT_NE(oidA.GetOID(), oidB.GetOID());
    EXPECT_NE(oidA.GetOID(), GUID_NULL);

    EXPECT_EQ(a->SetSysCreationInfo("ann", 1000), S_OK);
    SRepVariant creator;
    a->GetAttribute(SREP_DISPID_CREATOR, &creator);
    EXPECT_EQ(creator.GetText(), "ann");
    EXPECT_EQ(a->GetAttributeType(SREP_DISPID_CREATIONDATE), SREP_VT_DATE);

    SRepVariant value;
    EXPECT_EQ(a->GetAttribute(0x02FFFFFF, &value), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(a->GetAttribute(NODE_INT, nullptr), E_POINTER);
    EXPECT_EQ(a->GetAttributeType(0x02FFFFFF), 0u);
    EXPECT_FALSE(a->HasAttribute(0x02FFFFFF));
    EXPECT_EQ(a->GetAttributeDefault(SREP_DISPID_OID, &value), S_FALSE);
}

TEST_F(SRepObject, DispatchFaceIsAStubWithALockCount) {
    SComWrap<ISTestNode> node = Node("n");
    SComWrap<ISRepDispatch> dispatch;
    ASSERT_EQ(dispatch.Assign(node.Get()), S_OK);
    EXPECT_TRUE(dispatch.IsEqualObject(node.Get()));
    EXPECT_EQ(dispatch->IsObjectLocked(), S_FALSE);
    dispatch->LockObject();
    EXPECT_EQ(dispatch->IsObjectLocked(), S_OK);
    EXPECT_EQ(dispatch->UnlockObject(), S_OK);
    EXPECT_EQ(dispatch->UnlockObject(), S_FALSE);
    uint32_t count = 9;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(dispatch->Invoke(1, GUID_NULL, 0, 0, nullptr, nullptr, nullptr, nullptr), E_NOTIMPL);
}

TEST_F(SRepObject, CreateObjectInsertsAtThePositionAndInitialisesOnce) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> b = Child(root.Get(), "b");
    SComWrap<ISTestNode> a = Child(root.Get(), "a", 0);
    SComWrap<ISTestNode> c = Child(root.Get(), "c", -1);
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"a", "b", "c"}));
    STestNodeMem* mem = Mem(a.Get());
    EXPECT_EQ(mem->initCount, 1);
    EXPECT_EQ(mem->initParent, static_cast<ISRepObject*>(root.Get()));
    // The face only ever initialises once.
    SComWrap<ISRepObjectInit> init;
    ASSERT_EQ(init.Assign(a.Get()), S_OK);
    EXPECT_EQ(init->InitObject(nullptr), S_FALSE);
    EXPECT_EQ(mem->initCount, 1);
    EXPECT_EQ(Mem(root.Get())->inserts.back(), (std::pair<int32_t, int32_t>{NODE_ITEMS, 2}));

    SComWrap<ISTestNode> plain = Child(root.Get(), "plain", -1, false);
    EXPECT_EQ(Mem(plain.Get())->initCount, 0);
    SComWrap<ISTestNode> bad;
    EXPECT_EQ(root->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&bad), ISTestNode::iid, NODE_ITEMS, 9),
              E_INVALIDARG);
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS).size(), 4u);
}

TEST_F(SRepObject, AFailingInitialisationTakesTheNewObjectOutAgain) {
    SComWrap<ISTestNode> root = Node("root");
    STestNodeMem::failNextInit = E_ABORT;
    SComWrap<ISTestNode> child;
    EXPECT_EQ(root->CreateObject(CLSID_STestNode, reinterpret_cast<void**>(&child), ISTestNode::iid, NODE_ITEMS),
              E_ABORT);
    EXPECT_TRUE(child.IsEmpty());
    EXPECT_TRUE(Names(root.Get(), NODE_ITEMS).empty());
    EXPECT_EQ(Live(), baseline + 1);
}

TEST_F(SRepObject, TheInverseEndShowsTheOwner) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> child = Child(root.Get(), "child");
    SComWrap<ISRepObject> parent;
    ASSERT_EQ(child->GetObjectA(NODE_PARENT, &parent), S_OK);
    EXPECT_EQ(parent.Get(), static_cast<ISRepObject*>(root.Get()));
    SComWrap<ISRepObject> owner;
    child->GetObjectA(SREP_COL_OWNER, &owner);
    EXPECT_EQ(owner.Get(), parent.Get());

    // The inverse end cannot be changed directly, and it empties when the child leaves.
    SComWrap<ISRepClassCol> parentEnd;
    ASSERT_EQ(child->GetCollection(NODE_PARENT, &parentEnd), S_OK);
    EXPECT_EQ(parentEnd->Insert(-1, root.Get()), E_FAIL);
    SComWrap<ISRepClassCol> items;
    root->GetCollection(NODE_ITEMS, &items);
    ASSERT_EQ(items->Remove(0), S_OK);
    int32_t count = -1;
    parentEnd->GetCount(&count);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(child->GetObjectA(NODE_PARENT, &parent), S_OK);
    EXPECT_TRUE(parent.IsEmpty());
    // The root's own Parent is empty; an object is never the parent of itself or its owner.
    EXPECT_EQ(items->Insert(-1, child.Get()), S_OK);
    SComWrap<ISRepClassCol> childItems;
    child->GetCollection(NODE_ITEMS, &childItems);
    EXPECT_EQ(childItems->Insert(-1, root.Get()), E_INVALIDARG);
    EXPECT_EQ(childItems->Insert(-1, child.Get()), E_INVALIDARG);
}

TEST_F(SRepObject, DuplicateCopiesOwnedCollectionsTwoLevelsDeep) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> a = Child(root.Get(), "a");
    SComWrap<ISTestNode> b = Child(root.Get(), "b");
    SComWrap<ISTestNode> a1 = Child(a.Get(), "a1");
    a1->PutInt(11);
    SComWrap<ISTestNode> elsewhere = Node("elsewhere");
    SComWrap<ISTestNode> stranger = Child(elsewhere.Get(), "stranger");  // owned elsewhere: gathered only
    SComWrap<ISRepClassCol> links;
    root->GetCollection(NODE_LINKS, &links);
    links->Insert(-1, stranger.Get());
    links->Insert(-1, a1.Get());  // gathered from inside the copied tree
    const int32_t before = Live();

    SRepObjectMap map;
    SComWrap<ISRepObject> copy;
    ASSERT_EQ(root->Duplicate(nullptr, SREP_DUPLICATE_DEEP, &map, &copy), S_OK);
    EXPECT_EQ(Live(), before + 4);
    EXPECT_EQ(map.GetCount(), 4);
    EXPECT_NE(copy.Get(), static_cast<ISRepObject*>(root.Get()));
    EXPECT_EQ(Names(copy.Get(), NODE_ITEMS), (std::vector<std::string>{"a", "b"}));

    SComWrap<ISRepObject> copyA = SRepClassColPtr(copy.Get(), NODE_ITEMS).Item(0);
    EXPECT_NE(copyA.Get(), static_cast<ISRepObject*>(a.Get()));
    EXPECT_EQ(Names(copyA.Get(), NODE_ITEMS), (std::vector<std::string>{"a1"}));
    SComWrap<ISTestNode> copyA1;
    copyA1 = SRepClassColPtr(copyA.Get(), NODE_ITEMS).Item(0);
    ASSERT_TRUE(copyA1);
    EXPECT_NE(copyA1.Get(), a1.Get());
    EXPECT_EQ(copyA1->GetInt(), 11);
    EXPECT_EQ(map.Find(a1.Get()), static_cast<ISRepObject*>(copyA1.Get()));
    // Copies are new objects, owned by the copies, and never initialised.
    SRepVariant oid1, oid2;
    a1->GetAttribute(SREP_DISPID_OID, &oid1);
    copyA1->GetAttribute(SREP_DISPID_OID, &oid2);
    EXPECT_NE(oid1.GetOID(), oid2.GetOID());
    EXPECT_EQ(SRepObjectMem::FromObject(copyA1.Get())->GetOwner(), SRepObjectMem::FromObject(copyA.Get()));
    EXPECT_EQ(Mem(copyA1.Get())->initCount, 0);
    // What the source only gathered is gathered by the copy: the stranger as it is, the copied
    // child as its copy.
    SRepClassColPtr copyLinks(copy.Get(), NODE_LINKS);
    ASSERT_EQ(copyLinks.GetCount(), 2);
    EXPECT_EQ(copyLinks.Item(0).Get(), static_cast<ISRepObject*>(stranger.Get()));
    EXPECT_EQ(copyLinks.Item(1).Get(), static_cast<ISRepObject*>(copyA1.Get()));
    EXPECT_EQ(SRepObjectMem::FromObject(stranger.Get())->GetOwner(), SRepObjectMem::FromObject(elsewhere.Get()));

    // The source is untouched, and changing the copy leaves it so.
    copyA1->PutInt(12);
    EXPECT_EQ(a1->GetInt(), 11);
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Names(root.Get(), NODE_LINKS), (std::vector<std::string>{"stranger", "a1"}));

    // A shallow copy copies the attributes only.
    SComWrap<ISRepObject> shallow;
    ASSERT_EQ(a->Duplicate(nullptr, 0, nullptr, &shallow), S_OK);
    EXPECT_TRUE(Names(shallow.Get(), NODE_ITEMS).empty());
}

TEST_F(SRepObject, DeleteLeavesEveryCollectionAndDeletesWhatItOwns) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> gatherer = Node("gatherer");
    SComWrap<ISRepObject> a, a1, a2;
    {
        SComWrap<ISTestNode> child = Child(root.Get(), "a");
        a.Assign(child.Get());
        a1.Assign(Child(a.Get(), "a1").Get());
        a2.Assign(Child(a.Get(), "a2").Get());
    }
    SComWrap<ISTestNode> keep = Child(root.Get(), "keep");
    SRepClassColPtr(gatherer.Get(), NODE_LINKS).Insert(-1, a.Get());  // a referencing collection
    SRepClassColPtr(a.Get(), NODE_LINKS).Insert(-1, keep.Get());      // a only gathers keep
    RecordingSink sink;
    a->Advise(SREP_NOTIFY_DELETE, &sink);
    const int32_t before = Live();

    ISRepObject* rawA1 = a1.Get();
    a1.Clear();
    a2.Clear();
    EXPECT_EQ(a->Delete(), S_OK);
    EXPECT_EQ(sink.deletes, 1);
    EXPECT_EQ(Names(root.Get(), NODE_ITEMS), (std::vector<std::string>{"keep"}));
    EXPECT_TRUE(Names(gatherer.Get(), NODE_LINKS).empty());
    EXPECT_EQ(Live(), before - 2);  // a1 and a2 are gone; a lives on in our pointer only
    EXPECT_TRUE(SRepObjectMem::FromObject(a.Get())->IsDeleted());
    EXPECT_EQ(a->Delete(), S_FALSE);
    EXPECT_EQ(Names(a.Get(), NODE_ITEMS).size(), 0u);
    EXPECT_FALSE(SRepObjectMem::FromObject(keep.Get())->IsDeleted());  // gathered, not owned
    EXPECT_EQ(SRepClassColPtr(root.Get(), NODE_ITEMS).GetPos(keep.Get()), 0);
    (void)rawA1;
    a.Clear();
    EXPECT_EQ(Live(), before - 3);
    // A deleted object does not come back.
    SComWrap<ISTestNode> gone = Child(root.Get(), "gone");
    gone->Delete();
    EXPECT_EQ(SRepClassColPtr(root.Get(), NODE_ITEMS).Get()->Insert(-1, gone.Get()), E_INVALIDARG);
}

TEST_F(SRepObject, ReleasingTheRootFreesTheTreeButNotWhatIsHeldElsewhere) {
    SComWrap<ISTestNode> held;
    {
        SComWrap<ISTestNode> root = Node("root");
        held = Child(root.Get(), "held");
        Child(Child(root.Get(), "other").Get(), "deeper");
        EXPECT_EQ(Live(), baseline + 4);
    }
    EXPECT_EQ(Live(), baseline + 1);
    // The survivor has lost its owner.
    SComWrap<ISRepObject> parent;
    EXPECT_EQ(held->GetObjectA(NODE_PARENT, &parent), S_OK);
    EXPECT_TRUE(parent.IsEmpty());
}

TEST_F(SRepObject, ObjectReferencesAndKindTests) {
    SComWrap<ISTestNode> root = Node("root");
    SComWrap<ISTestNode> first = Node("first");
    SComWrap<ISTestNode> second = Node("second");
    EXPECT_EQ(root->SetObject(NODE_LINKS, first.Get()), S_OK);
    EXPECT_EQ(root->SetObject(NODE_LINKS, second.Get()), S_OK);
    EXPECT_EQ(Names(root.Get(), NODE_LINKS), (std::vector<std::string>{"second"}));
    SComWrap<ISRepObject> got;
    EXPECT_EQ(root->GetObjectA(NODE_LINKS, &got), S_OK);
    EXPECT_EQ(got.Get(), static_cast<ISRepObject*>(second.Get()));
    EXPECT_EQ(root->SetObject(NODE_LINKS, nullptr), S_OK);
    EXPECT_EQ(root->GetObjectA(NODE_LINKS, &got), S_OK);
    EXPECT_TRUE(got.IsEmpty());
    EXPECT_EQ(root->GetObjectA(NODE_INT, &got), DISP_E_TYPEMISMATCH);

    EXPECT_TRUE(SRepIsKindOf(root.Get(), CLSID_STestNode));
    EXPECT_TRUE(SRepIsKindOf(root.Get(), CLSID_SRepObject));
    EXPECT_FALSE(SRepIsKindOf(root.Get(), MakeGUID("{00000001-0000-0000-0000-000000000000}")));
    EXPECT_FALSE(SRepIsKindOf(nullptr, CLSID_STestNode));
    EXPECT_TRUE(SRepHasCollection(CLSID_STestNode, NODE_ITEMS));
    EXPECT_TRUE(SRepHasCollection(CLSID_STestNode, SREP_COL_OWNER));
    EXPECT_FALSE(SRepHasCollection(CLSID_STestNode, 0x02006090));
    EXPECT_FALSE(SRepHasCollection(MakeGUID("{00000001-0000-0000-0000-000000000000}"), NODE_ITEMS));
    EXPECT_EQ(root->GetClassID(), CLSID_STestNode);
}

TEST_F(SRepObject, SessionsNameCreateAndCloseTheirModel) {
    SString name;
    session->SetName("doc");
    session->GetName(&name);
    EXPECT_EQ(name, "doc");
    session->SetFormatName("XML");
    session->GetFormatName(&name);
    EXPECT_EQ(name, "XML");
    SComWrap<ISTestNode> root = Node("root", true);
    EXPECT_EQ(Mem(root.Get())->initCount, 1);
    EXPECT_EQ(Mem(root.Get())->initParent, nullptr);
    SComWrap<ISRepSession> own;
    root->GetSession(&own);
    EXPECT_EQ(own.Get(), session.Get());
    own.Clear();

    SComWrap<ISRepClassCol> model;
    session->GetObjects(&model);
    ASSERT_EQ(model->Insert(-1, root.Get()), S_OK);
    Child(root.Get(), "child");
    SComWrap<ISTestNode> found;
    EXPECT_EQ(session->GetRootObject(ISTestNode::iid, reinterpret_cast<void**>(&found)), S_OK);
    EXPECT_EQ(found.Get(), root.Get());
    found.Clear();
    root.Clear();
    EXPECT_EQ(Live(), baseline + 2);  // the model keeps the document alive

    EXPECT_EQ(session->Close(), S_OK);
    EXPECT_EQ(Live(), baseline);
    EXPECT_EQ(session->IsOpen(), S_FALSE);
    EXPECT_EQ(session->Close(), S_FALSE);
    EXPECT_TRUE(MakeTestNode(session.Get(), "late").IsEmpty());
}
