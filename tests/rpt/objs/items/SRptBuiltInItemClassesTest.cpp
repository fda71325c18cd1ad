// The frame that the text, title, page break, file and table of contents items share: their
// faces, their kinds, their registries and factories, and their answers as the metamodel has them.
#include <gtest/gtest.h>

#include <set>

#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "rpt/objs/items/SRptFileMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"

namespace {

using SRptBuiltInItemClasses = SRptItemKindTestFixture;

struct KindRow {
    const char* name;  // also the allocator's
    GUID clsid;
    std::set<GUID> own;  // faces and classes beyond those of every item
};

const GUID kFaces[] = {IID_ISRptBase,      IID_ISRptParaContainer, IID_ISRptItem,       IID_ISRptGrpMember,
                       IID_ISRptFile,      IID_ISRptCustom,        IID_ISRptText,       IID_ISRptTitle,
                       IID_ISRptPageBreak, IID_ISRptGraphicFile,   IID_ISRptTextFile,   IID_ISRptTblCts,
                       IID_ISRptAddToContents};
const GUID kClasses[] = {CLSID_SRptBase,      CLSID_SRptParaContainer, CLSID_SRptItem,       CLSID_SRptGrpMember,
                         CLSID_SRptFile,      CLSID_SRptCustom,        CLSID_SRptText,       CLSID_SRptTitle,
                         CLSID_SRptPageBreak, CLSID_SRptGraphicFile,   CLSID_SRptTextFile,   CLSID_SRptTblCts,
                         CLSID_SRptTemplate};
const std::set<GUID> kEveryItem = {IID_ISRptBase, IID_ISRptParaContainer, IID_ISRptItem,
                                   CLSID_SRptBase, CLSID_SRptParaContainer, CLSID_SRptItem};

const KindRow kKinds[] = {
    {"SRptText", CLSID_SRptText, {IID_ISRptGrpMember, IID_ISRptText, CLSID_SRptGrpMember, CLSID_SRptText}},
    {"SRptTitle", CLSID_SRptTitle, {IID_ISRptGrpMember, IID_ISRptTitle, CLSID_SRptGrpMember, CLSID_SRptTitle}},
    {"SRptPageBreak",
     CLSID_SRptPageBreak,
     {IID_ISRptGrpMember, IID_ISRptPageBreak, CLSID_SRptGrpMember, CLSID_SRptPageBreak}},
    {"SRptTextFile",
     CLSID_SRptTextFile,
     {IID_ISRptGrpMember, IID_ISRptFile, IID_ISRptTextFile, IID_ISRptAddToContents, CLSID_SRptGrpMember,
      CLSID_SRptFile, CLSID_SRptTextFile}},
    {"SRptGraphicFile",
     CLSID_SRptGraphicFile,
     {IID_ISRptGrpMember, IID_ISRptFile, IID_ISRptGraphicFile, IID_ISRptAddToContents, CLSID_SRptGrpMember,
      CLSID_SRptFile, CLSID_SRptGraphicFile}},
    {"SRptTblCts", CLSID_SRptTblCts, {IID_ISRptTblCts, CLSID_SRptTblCts}},
};

bool Answers(const KindRow& row, const GUID& id) {
    return kEveryItem.count(id) || row.own.count(id);
}

// The face of an object for an interface id, or null; the reference taken is given back.
void* Face(ISRepObject* object, const GUID& iid) {
    void* face = nullptr;
    if (FAILED(object->QueryInterface(iid, &face)) || !face) return nullptr;
    object->Release();
    return face;
}

}  // namespace

TEST_F(SRptBuiltInItemClasses, EachKindAnswersItsFacesAndClassesAndNoOther) {
    for (const KindRow& row : kKinds) {
        SCOPED_TRACE(row.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(row.clsid);
        ASSERT_TRUE(object);
        for (const GUID& iid : kFaces) {
            void* face = reinterpret_cast<void*>(1);
            const HRESULT hr = object->QueryInterface(iid, &face);
            EXPECT_EQ(hr, Answers(row, iid) ? S_OK : E_NOINTERFACE) << GUIDToString(iid);
            EXPECT_EQ(face != nullptr, Answers(row, iid)) << GUIDToString(iid);
            if (face) object->Release();
        }
        EXPECT_NE(Face(object.Get(), IUnknown::iid), nullptr);
        EXPECT_NE(Face(object.Get(), IID_IDispatch), nullptr);
        const int32_t refs = Refs(object.Get());
        EXPECT_EQ(object->QueryInterface(IID_ISRptItem, nullptr), E_POINTER);
        EXPECT_EQ(Refs(object.Get()), refs);

        // The object's kind test and its registry's are the same test.
        const SRepRegistry* registry = SRepRegistry::Find(row.clsid);
        ASSERT_NE(registry, nullptr);
        for (const GUID& clsid : kClasses) {
            EXPECT_EQ(object->IsKindOf(clsid), Answers(row, clsid)) << GUIDToString(clsid);
            EXPECT_EQ(registry->IsKindOf(clsid), Answers(row, clsid)) << GUIDToString(clsid);
        }
        EXPECT_TRUE(object->IsKindOf(CLSID_SRepObject));
        EXPECT_TRUE(object->IsKindOf(CLSID_SRepObjectBase));
    }
}

TEST_F(SRptBuiltInItemClasses, BaseFacesAreTheClassInterfaceSeenAsTheBase) {
    SComWrap<ISRptText> text = Make<ISRptText>(CLSID_SRptText);
    EXPECT_EQ(Face(text.Get(), IID_ISRptGrpMember), static_cast<ISRptGrpMember*>(text.Get()));
    EXPECT_EQ(Face(text.Get(), IID_ISRptItem), static_cast<ISRptItem*>(text.Get()));
    SComWrap<ISRptGraphicFile> picture = Make<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    EXPECT_EQ(Face(picture.Get(), IID_ISRptFile), static_cast<ISRptFile*>(picture.Get()));
    SComWrap<ISRptTblCts> contents = Make<ISRptTblCts>(CLSID_SRptTblCts);
    EXPECT_EQ(Face(contents.Get(), IID_ISRptItem), static_cast<ISRptItem*>(contents.Get()));
    // The file's own face belongs to the same object.
    SComWrap<ISRptAddToContents> adding;
    ASSERT_EQ(adding.Assign(static_cast<IUnknown*>(picture.Get())), S_OK);
    EXPECT_TRUE(adding.IsEqualObject(picture.Get()));
}

TEST_F(SRptBuiltInItemClasses, RegistriesMakeTheConcreteKindsFromNamedAllocators) {
    for (const KindRow& row : kKinds) {
        SCOPED_TRACE(row.name);
        const SRepRegistry* registry = SRepRegistry::Find(row.clsid);
        EXPECT_TRUE(registry->IsCreatable());
        EXPECT_EQ(registry->GetFlags(), 1u);
        EXPECT_EQ(registry->GetModuleState(), SRptGetModuleState());
        ASSERT_NE(registry->GetAllocator(), nullptr);
        EXPECT_EQ(registry->GetAllocator()->GetClassName(), row.name);
        EXPECT_EQ(registry->GetAllocator()->GetObjectsPerBlock(), 10);
    }
    EXPECT_EQ(SRptGraphicFileRegistry::attrEditorMap.baseMap, &SRptFileRegistry::attrEditorMap);
    EXPECT_EQ(SRptTblCtsRegistry::attrEditorMap.baseMap, &SRptItemRegistry::attrEditorMap);

    // The file is known but abstract.
    const SRepRegistry* file = SRepRegistry::Find(CLSID_SRptFile);
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->IsCreatable());
    EXPECT_TRUE(file->IsKindOf(CLSID_SRptGrpMember));
    SComWrap<ISRptFile> none;
    EXPECT_TRUE(FAILED(session->CreateObject(CLSID_SRptFile, reinterpret_cast<void**>(&none), ISRptFile::iid)));
}

TEST_F(SRptBuiltInItemClasses, EachKindAnswersTypesAndFlagsAsItsMetaclass) {
    for (const KindRow& row : kKinds) {
        SCOPED_TRACE(row.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(row.clsid);
        int32_t checked = 0;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get(), &checked));
        EXPECT_GT(checked, 12);
        for (const SRepMetaClass* c = GetTypeLibManager()->FindMetaClass(row.clsid); c; c = c->GetBaseClass())
            for (const SRepMetaAttribute& attribute : c->GetAttributes())
                EXPECT_TRUE(object->HasAttribute(static_cast<int32_t>(attribute.GetId())))
                    << attribute.GetCodeName().c_str();
        for (int32_t collection : {RPTITEM_ITEMS, RPTITEM_PARENT, RPTPARACONTAINER_PARAGRAPHS, SREP_COL_OWNER})
            EXPECT_TRUE(object->HasCollection(collection));
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(-1, &value), E_FAIL);
        EXPECT_EQ(object->SetAttribute(-1, value), E_FAIL);
        EXPECT_EQ(object->GetAttributeDefault(-1, &value), E_FAIL);
    }
}

TEST_F(SRptBuiltInItemClasses, OwnAttributesAreReadAndWrittenByIdFromTheirDefaults) {
    const struct {
        GUID clsid;
        int32_t id;
        const char* set;
        const char* initial;
    } cases[] = {
        {CLSID_SRptText, RPTTEXT_TEXT, "free", ""},          {CLSID_SRptTitle, RPTTITLE_LEVEL, "-3", "0"},
        {CLSID_SRptTitle, RPTTITLE_TEXT, "heading", ""},     {CLSID_SRptPageBreak, RPTPAGEBREAK_HTMLGEN, "1", "0"},
        {CLSID_SRptGraphicFile, RPTFILE_ABSPATH, "/a.bmp", ""}, {CLSID_SRptTextFile, RPTFILE_FILTER, "*.txt", ""},
        {CLSID_SRptTblCts, RPTTBLCTS_TITLE, "Contents", "Table of contents"},
        {CLSID_SRptTblCts, RPTTBLCTS_NBPARAGRAPHS, "5", "3"}, {CLSID_SRptTblCts, RPTTBLCTS_USERDEFINED, "1", "0"},
    };
    // Every value as its attribute's type, from text.
    auto typed = [](ISRepObject* object, int32_t id, const char* text) {
        SRepVariant value;
        switch (object->GetAttributeType(id)) {
            case SREP_VT_SHORT: value.SetShort(static_cast<int16_t>(SString(text).ToInt())); break;
            case SREP_VT_INT: value.SetInt(SString(text).ToInt()); break;
            case SREP_VT_BOOL: value.SetBool(SString(text).ToInt() != 0); break;
            default: value.SetText(text); break;
        }
        return value;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.id);
        SComWrap<ISRepObject> object = Make<ISRepObject>(c.clsid);
        SRepVariant read;
        ASSERT_EQ(object->GetAttribute(c.id, &read), S_OK);
        EXPECT_EQ(read, typed(object.Get(), c.id, c.initial));
        ASSERT_EQ(object->GetAttributeDefault(c.id, &read), S_OK);
        EXPECT_EQ(read, typed(object.Get(), c.id, c.initial));
        EXPECT_EQ(object->SetAttribute(c.id, typed(object.Get(), c.id, c.set)), S_OK);
        ASSERT_EQ(object->GetAttribute(c.id, &read), S_OK);
        EXPECT_EQ(read, typed(object.Get(), c.id, c.set));
    }
    // The computed titles of a table of contents have no default and cannot be written.
    SComWrap<ISRptTblCts> contents = Make<ISRptTblCts>(CLSID_SRptTblCts);
    SRepVariant value;
    EXPECT_EQ(contents->GetAttributeDefault(RPTTBLCTS_DISPTITLE, &value), E_NOTIMPL);
    EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
    EXPECT_EQ(contents->GetAttributeDefault(RPTTBLCTS_EXDEFTITLE, &value), E_NOTIMPL);
    EXPECT_TRUE(FAILED(contents->SetAttribute(RPTTBLCTS_DISPTITLE, value)));
}

TEST_F(SRptBuiltInItemClasses, EveryObjectIsCountedWhileItLives) {
    for (const KindRow& row : kKinds) {
        SCOPED_TRACE(row.name);
        const int32_t before = SRptGetModuleState()->LockCount();
        SComWrap<ISRepObject> first = Make<ISRepObject>(row.clsid);
        SComWrap<ISRepObject> second = Make<ISRepObject>(row.clsid);
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before + 2);
        EXPECT_EQ(SRepRegistry::Find(row.clsid)->GetAllocator()->GetLiveCount(), 2);
        first.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before + 1);
        second.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before);
        EXPECT_EQ(SRepRegistry::Find(row.clsid)->GetAllocator()->GetLiveCount(), 0);
        EXPECT_TRUE(SRepRegistry::Find(row.clsid)->IsClassInitialised());
    }
}

TEST_F(SRptBuiltInItemClasses, ACopyWithoutASessionIsBoundToItsSourcesSessionAndTakesItsValues) {
    SComWrap<ISRepSession> other;
    ASSERT_EQ(SRepSession::Create("other", &other), S_OK);
    SComWrap<ISRptTitle> title;
    ASSERT_EQ(other->CreateObject(CLSID_SRptTitle, reinterpret_cast<void**>(&title), ISRptTitle::iid), S_OK);
    title->PutLevel(2);
    title->PutText("Chapter");

    SRepObjectMem* made = nullptr;
    ASSERT_EQ(SRepRegistry::Find(CLSID_SRptTitle)->CreateInstance(&made, nullptr, Mem(title.Get())), S_OK);
    SComWrap<ISRptTitle> copy;
    copy = static_cast<IUnknown*>(static_cast<ISRepObject*>(made));
    made->Release();
    SComWrap<ISRepSession> copySession;
    ASSERT_EQ(copy->GetSession(&copySession), S_OK);
    EXPECT_EQ(copySession.Get(), other.Get());
    EXPECT_EQ(copy->GetLevel(), 2);
    EXPECT_EQ(copy->GetText(), "Chapter");

    title.Clear();
    copy.Clear();
    copySession.Clear();
    other->Close();
}

TEST_F(SRptBuiltInItemClasses, BrowserNodesComeFromTheEditorBoundToTheirItem) {
    const std::pair<GUID, SRptBrowserNodeKind> kinds[] = {
        {CLSID_SRptText, SRptBrowserNodeKind::Text},           {CLSID_SRptTitle, SRptBrowserNodeKind::Title},
        {CLSID_SRptPageBreak, SRptBrowserNodeKind::PageBreak}, {CLSID_SRptGraphicFile, SRptBrowserNodeKind::GraphicFile},
        {CLSID_SRptTextFile, SRptBrowserNodeKind::TextFile},   {CLSID_SRptTblCts, SRptBrowserNodeKind::TblCts}};
    auto* parent = reinterpret_cast<ISBrowserNode*>(0x20);
    STestItemEditor editor;
    for (const auto& [clsid, kind] : kinds) {
        SComWrap<ISRptItem> item = Make(clsid);
        // A node with neither a browser nor a parent to hold it is let go, and the caller is left
        // with none; a null out-pointer is refused first.
        auto* stale = reinterpret_cast<SRptBrowserNodeItem*>(&editor);
        SRptBrowserNodeItem* node = stale;
        EXPECT_EQ(item->CreateBrowserNode(nullptr, 1, parent, nullptr, 7, true, nullptr), E_POINTER);
        EXPECT_EQ(item->CreateBrowserNode(nullptr, 1, nullptr, nullptr, 7, true, &node), E_FAIL);
        EXPECT_EQ(node, nullptr);

        STestItemEditorScope scope(&editor);
        EXPECT_EQ(item->CreateBrowserNode(nullptr, 1, parent, nullptr, 7, true, &node), S_OK);
        EXPECT_EQ(node, reinterpret_cast<SRptBrowserNodeItem*>(&editor.token));
        EXPECT_EQ(editor.nodeKind, kind);
        EXPECT_TRUE(editor.nodeInTemplateEditor);
        EXPECT_EQ(editor.bound.node, node);
        EXPECT_TRUE(SComWrap<ISRepObject>(editor.bound.item).IsEqualObject(item.Get()));
        EXPECT_EQ(editor.bound.draggable, 2u);
        EXPECT_EQ(editor.bound.parent, parent);
        EXPECT_EQ(editor.bound.dispid, 7);
    }
    // An editor that makes no node: out of memory, nothing bound.
    STestItemEditorScope scope(&editor);
    editor.makeNoNode = true;
    editor.bound.node = nullptr;
    auto* node = reinterpret_cast<SRptBrowserNodeItem*>(&editor);
    EXPECT_EQ(Make(CLSID_SRptText)->CreateBrowserNode(nullptr, 0, parent, nullptr, 7, false, &node), E_OUTOFMEMORY);
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(editor.bound.node, nullptr);
}
