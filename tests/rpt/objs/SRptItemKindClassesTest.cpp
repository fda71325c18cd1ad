// The frame that the text, title, page break, file and table of contents items share: their
// faces, their kinds, their registries and factories, and their answers as the metamodel has them.
#include <gtest/gtest.h>

#include <set>

#include "platform/repo/ISRepDispatch.h"
#include "platform/repo/SRepMetaClass.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepTypeLibManager.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptCustomMem.h"
#include "rpt/objs/SRptFileMem.h"
#include "rpt/objs/SRptGraphicFileMem.h"
#include "rpt/objs/SRptItemEditor.h"
#include "rpt/objs/SRptPageBreakMem.h"
#include "rpt/objs/SRptTblCtsMem.h"
#include "rpt/objs/SRptTextFileMem.h"
#include "rpt/objs/SRptTextMem.h"
#include "rpt/objs/SRptTitleMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"
#include "varod9/ISRptAddToContents.h"
#include "varod9/ISRptCustom.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptPageBreak.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"

namespace {

using SRptItemKindClasses = SRptItemKindTestFixture;

struct KindRow {
    const char* name;  // the allocator's class name
    GUID clsid;
    IID iid;
    std::set<GUID> faces;  // every interface id answered besides IUnknown, IDispatch, ISRepObject
    std::set<GUID> kinds;  // every report class it is (SRepObject and SRepObjectBase besides)
};

const std::vector<GUID> kAllFaces = {IID_ISRptBase,      IID_ISRptParaContainer, IID_ISRptItem,
                                     IID_ISRptGrpMember, IID_ISRptFile,          IID_ISRptCustom,
                                     IID_ISRptText,      IID_ISRptTitle,         IID_ISRptPageBreak,
                                     IID_ISRptGraphicFile, IID_ISRptTextFile,    IID_ISRptTblCts,
                                     IID_ISRptAddToContents};
const std::vector<GUID> kAllKinds = {CLSID_SRptBase,      CLSID_SRptParaContainer, CLSID_SRptItem,
                                     CLSID_SRptGrpMember, CLSID_SRptFile,          CLSID_SRptCustom,
                                     CLSID_SRptText,      CLSID_SRptTitle,         CLSID_SRptPageBreak,
                                     CLSID_SRptGraphicFile, CLSID_SRptTextFile,    CLSID_SRptTblCts,
                                     CLSID_SRptTemplate};

const std::set<GUID> kItemFaces = {IID_ISRptBase, IID_ISRptParaContainer, IID_ISRptItem};
const std::set<GUID> kItemKinds = {CLSID_SRptBase, CLSID_SRptParaContainer, CLSID_SRptItem};

std::set<GUID> With(std::set<GUID> set, std::initializer_list<GUID> more) {
    set.insert(more);
    return set;
}

const std::vector<KindRow>& Kinds() {
    static const std::vector<KindRow> rows = {
        {"SRptText", CLSID_SRptText, IID_ISRptText, With(kItemFaces, {IID_ISRptGrpMember, IID_ISRptText}),
         With(kItemKinds, {CLSID_SRptGrpMember, CLSID_SRptText})},
        {"SRptTitle", CLSID_SRptTitle, IID_ISRptTitle, With(kItemFaces, {IID_ISRptGrpMember, IID_ISRptTitle}),
         With(kItemKinds, {CLSID_SRptGrpMember, CLSID_SRptTitle})},
        {"SRptPageBreak", CLSID_SRptPageBreak, IID_ISRptPageBreak,
         With(kItemFaces, {IID_ISRptGrpMember, IID_ISRptPageBreak}),
         With(kItemKinds, {CLSID_SRptGrpMember, CLSID_SRptPageBreak})},
        {"SRptTextFile", CLSID_SRptTextFile, IID_ISRptTextFile,
         With(kItemFaces, {IID_ISRptGrpMember, IID_ISRptFile, IID_ISRptTextFile, IID_ISRptAddToContents}),
         With(kItemKinds, {CLSID_SRptGrpMember, CLSID_SRptFile, CLSID_SRptTextFile})},
        {"SRptGraphicFile", CLSID_SRptGraphicFile, IID_ISRptGraphicFile,
         With(kItemFaces, {IID_ISRptGrpMember, IID_ISRptFile, IID_ISRptGraphicFile, IID_ISRptAddToContents}),
         With(kItemKinds, {CLSID_SRptGrpMember, CLSID_SRptFile, CLSID_SRptGraphicFile})},
        {"SRptTblCts", CLSID_SRptTblCts, IID_ISRptTblCts, With(kItemFaces, {IID_ISRptTblCts}),
         With(kItemKinds, {CLSID_SRptTblCts})},
    };
    return rows;
}

SRepVariant Text(const char* text) {
    SRepVariant value;
    value.SetText(text);
    return value;
}
SRepVariant Short(int16_t number) {
    SRepVariant value;
    value.SetShort(number);
    return value;
}
SRepVariant Int(int32_t number) {
    SRepVariant value;
    value.SetInt(number);
    return value;
}
SRepVariant Bool(bool flag) {
    SRepVariant value;
    value.SetBool(flag);
    return value;
}

// The face of an object for an interface id, or null; the reference taken is given back.
void* Face(ISRepObject* object, const GUID& iid) {
    void* face = nullptr;
    if (FAILED(object->QueryInterface(iid, &face)) || !face) return nullptr;
    object->Release();
    return face;
}

// A browser node as the editor would make it: never looked into, only handed on.
struct STestNodeEditor final : SRptItemEditor {
    SRptBrowserNodeItem* NewBrowserNode(SRptBrowserNodeKind kind, ISBrowserView* browser,
                                        bool isTemplateEditor) override {
        kinds.push_back(kind);
        lastBrowser = browser;
        lastTemplateEditor = isTemplateEditor;
        return makeNone ? nullptr : reinterpret_cast<SRptBrowserNodeItem*>(&token);
    }
    void BindBrowserNode(SRptBrowserNodeItem* node, ISRepObject* item, uint32_t draggable, ISBrowserNode* parent,
                         ISBrowserNode* previous, int32_t dispid) override {
        bound = node;
        boundItem = item;
        boundDraggable = draggable;
        boundParent = parent;
        boundPrevious = previous;
        boundDispid = dispid;
    }
    void RunFormatDialog(const SComTable<ISRepObject>&, int32_t, uint32_t) override {}
    void RunLevelFormatDialog(const SComTable<ISRepObject>&, int32_t) override {}
    int32_t RunTextEditDialog(ISRptItem*, SRptTextEdit&) override { return IDCANCEL; }

    int token = 0;
    bool makeNone = false;
    std::vector<SRptBrowserNodeKind> kinds;
    ISBrowserView* lastBrowser = nullptr;
    bool lastTemplateEditor = false;
    SRptBrowserNodeItem* bound = nullptr;
    ISRepObject* boundItem = nullptr;
    uint32_t boundDraggable = 0;
    ISBrowserNode* boundParent = nullptr;
    ISBrowserNode* boundPrevious = nullptr;
    int32_t boundDispid = 0;
};

}  // namespace

TEST_F(SRptItemKindClasses, EachKindAnswersItsFacesAndNoOther) {
    for (const KindRow& row : Kinds()) {
        SCOPED_TRACE(row.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(row.clsid);
        ASSERT_TRUE(object);
        for (const GUID& iid : kAllFaces) {
            SCOPED_TRACE(GUIDToString(iid));
            void* face = reinterpret_cast<void*>(1);
            const HRESULT hr = object->QueryInterface(iid, &face);
            if (row.faces.count(iid)) {
                EXPECT_EQ(hr, S_OK);
                ASSERT_NE(face, nullptr);
                object->Release();
            } else {
                EXPECT_EQ(hr, E_NOINTERFACE);
                EXPECT_EQ(face, nullptr);
            }
        }
        // The repository's faces are everyone's.
        EXPECT_NE(Face(object.Get(), IUnknown::iid), nullptr);
        EXPECT_NE(Face(object.Get(), IID_IDispatch), nullptr);
        EXPECT_EQ(Face(object.Get(), ISRepObject::iid), static_cast<void*>(object.Get()));
        // A null out-pointer is refused and takes no reference.
        const int32_t refs = Refs(object.Get());
        EXPECT_EQ(object->QueryInterface(row.iid, nullptr), E_POINTER);
        EXPECT_EQ(Refs(object.Get()), refs);
    }
}

TEST_F(SRptItemKindClasses, BaseFacesAreThoseOfTheClassInterface) {
    // The group member's face of a free text is its text face seen as a group member, never the
    // face of another class.
    SComWrap<ISRptText> text = Make<ISRptText>(CLSID_SRptText);
    EXPECT_EQ(Face(text.Get(), IID_ISRptGrpMember), static_cast<void*>(static_cast<ISRptGrpMember*>(text.Get())));
    EXPECT_EQ(Face(text.Get(), IID_ISRptItem), static_cast<void*>(static_cast<ISRptItem*>(text.Get())));
    EXPECT_EQ(Face(text.Get(), IID_ISRptFile), nullptr);

    SComWrap<ISRptGraphicFile> picture = Make<ISRptGraphicFile>(CLSID_SRptGraphicFile);
    EXPECT_EQ(Face(picture.Get(), IID_ISRptFile), static_cast<void*>(static_cast<ISRptFile*>(picture.Get())));
    EXPECT_EQ(Face(picture.Get(), IID_ISRptGrpMember),
              static_cast<void*>(static_cast<ISRptGrpMember*>(picture.Get())));
    // The file's own face is the object's too: the same count, the same object.
    SComWrap<ISRptAddToContents> contents;
    ASSERT_EQ(contents.Assign(static_cast<IUnknown*>(picture.Get())), S_OK);
    EXPECT_TRUE(contents.IsEqualObject(picture.Get()));
    SComWrap<ISRptGraphicFile> back;
    ASSERT_EQ(back.Assign(contents.Get()), S_OK);
    EXPECT_EQ(back.Get(), picture.Get());

    SComWrap<ISRptTblCts> contentsTable = Make<ISRptTblCts>(CLSID_SRptTblCts);
    EXPECT_EQ(Face(contentsTable.Get(), IID_ISRptItem),
              static_cast<void*>(static_cast<ISRptItem*>(contentsTable.Get())));
    EXPECT_EQ(Face(contentsTable.Get(), IID_ISRptGrpMember), nullptr);
}

TEST_F(SRptItemKindClasses, EachKindIsItsClassAndItsBasesAndNoOther) {
    for (const KindRow& row : Kinds()) {
        SCOPED_TRACE(row.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(row.clsid);
        EXPECT_EQ(object->GetClassID(), row.clsid);
        const SRepRegistry* registry = SRepRegistry::Find(row.clsid);
        ASSERT_NE(registry, nullptr);
        for (const GUID& clsid : kAllKinds) {
            SCOPED_TRACE(GUIDToString(clsid));
            EXPECT_EQ(object->IsKindOf(clsid), row.kinds.count(clsid) == 1);
            // The registry's test is the same test.
            EXPECT_EQ(registry->IsKindOf(clsid), row.kinds.count(clsid) == 1);
        }
        EXPECT_TRUE(object->IsKindOf(CLSID_SRepObjectRoot));
        EXPECT_TRUE(object->IsKindOf(CLSID_SRepObjectBase));
    }
    // The abstract file is known by kind as well.
    EXPECT_TRUE(SRepRegistry::Find(CLSID_SRptFile)->IsKindOf(CLSID_SRptGrpMember));
    EXPECT_FALSE(SRepRegistry::Find(CLSID_SRptFile)->IsKindOf(CLSID_SRptGraphicFile));
}

TEST_F(SRptItemKindClasses, RegistriesGiveFactoriesAllocatorsAndChainedEditorMaps) {
    for (const KindRow& row : Kinds()) {
        SCOPED_TRACE(row.name);
        const SRepRegistry* registry = SRepRegistry::Find(row.clsid);
        ASSERT_NE(registry, nullptr);
        EXPECT_TRUE(registry->IsCreatable());
        EXPECT_EQ(registry->GetFlags(), 1u);
        EXPECT_EQ(registry->GetModuleState(), SRptGetModuleState());
        ASSERT_NE(registry->GetAllocator(), nullptr);
        EXPECT_EQ(registry->GetAllocator()->GetClassName(), row.name);
        EXPECT_EQ(registry->GetAllocator()->GetObjectsPerBlock(), 10);
        EXPECT_EQ(registry->GetAttrEditorMap()->FindEditor(RPTITEM_LABEL), nullptr);
    }
    // Each map chains to its base class's.
    EXPECT_EQ(SRptTextRegistry::attrEditorMap.baseMap, &SRptGrpMemberRegistry::attrEditorMap);
    EXPECT_EQ(SRptTitleRegistry::attrEditorMap.baseMap, &SRptGrpMemberRegistry::attrEditorMap);
    EXPECT_EQ(SRptPageBreakRegistry::attrEditorMap.baseMap, &SRptGrpMemberRegistry::attrEditorMap);
    EXPECT_EQ(SRptFileRegistry::attrEditorMap.baseMap, &SRptGrpMemberRegistry::attrEditorMap);
    EXPECT_EQ(SRptGraphicFileRegistry::attrEditorMap.baseMap, &SRptFileRegistry::attrEditorMap);
    EXPECT_EQ(SRptTextFileRegistry::attrEditorMap.baseMap, &SRptFileRegistry::attrEditorMap);
    EXPECT_EQ(SRptTblCtsRegistry::attrEditorMap.baseMap, &SRptItemRegistry::attrEditorMap);

    // The file is abstract: known, but nothing is made of it alone.
    const SRepRegistry* file = SRepRegistry::Find(CLSID_SRptFile);
    ASSERT_NE(file, nullptr);
    EXPECT_FALSE(file->IsCreatable());
    EXPECT_EQ(file->GetAllocator(), nullptr);
    SComWrap<ISRptFile> none;
    EXPECT_NE(session->CreateObject(CLSID_SRptFile, reinterpret_cast<void**>(&none), ISRptFile::iid), S_OK);
    EXPECT_FALSE(none);
}

TEST_F(SRptItemKindClasses, EachKindAnswersTypesAndFlagsAsItsMetaclass) {
    for (const KindRow& row : Kinds()) {
        SCOPED_TRACE(row.name);
        SComWrap<ISRepObject> object = Make<ISRepObject>(row.clsid);
        int32_t checked = 0;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get(), &checked));
        EXPECT_GT(checked, 12);
        for (const SRepMetaClass* c = GetTypeLibManager()->FindMetaClass(row.clsid); c; c = c->GetBaseClass())
            for (const SRepMetaAttribute& attribute : c->GetAttributes())
                EXPECT_TRUE(object->HasAttribute(static_cast<int32_t>(attribute.GetId())))
                    << attribute.GetCodeName().c_str();
        EXPECT_TRUE(object->HasCollection(RPTITEM_ITEMS));
        EXPECT_TRUE(object->HasCollection(RPTITEM_PARENT));
        EXPECT_TRUE(object->HasCollection(RPTPARACONTAINER_PARAGRAPHS));
        EXPECT_TRUE(object->HasCollection(SREP_COL_OWNER));
        EXPECT_FALSE(object->HasCollection(0x02006990));  // a table's rows

        // Id -1 is no attribute.
        SRepVariant value;
        EXPECT_EQ(object->GetAttribute(-1, &value), E_FAIL);
        EXPECT_EQ(object->SetAttribute(-1, value), E_FAIL);
        EXPECT_EQ(object->GetAttributeDefault(-1, &value), E_FAIL);
        EXPECT_FALSE(object->HasAttribute(-1));
    }
}

TEST_F(SRptItemKindClasses, OwnAttributesGoThroughTheProtocolWithTheirDefaults) {
    struct Case {
        GUID clsid;
        int32_t id;
        SRepVariant value;
        SRepVariant defaultValue;
    };
    const Case cases[] = {
        {CLSID_SRptText, RPTTEXT_TEXT, Text("free"), Text("")},
        {CLSID_SRptTitle, RPTTITLE_LEVEL, Short(-3), Short(0)},
        {CLSID_SRptTitle, RPTTITLE_TEXT, Text("heading"), Text("")},
        {CLSID_SRptPageBreak, RPTPAGEBREAK_HTMLGEN, Bool(true), Bool(false)},
        {CLSID_SRptGraphicFile, RPTFILE_ABSPATH, Text("/pictures/a.bmp"), Text("")},
        {CLSID_SRptTextFile, RPTFILE_RELPATH, Text("notes/a.txt"), Text("")},
        {CLSID_SRptTextFile, RPTFILE_FILTER, Text("*.txt"), Text("")},
        {CLSID_SRptTblCts, RPTTBLCTS_TITLE, Text("Contents"), Text("Table of contents")},
        {CLSID_SRptTblCts, RPTTBLCTS_NBPARAGRAPHS, Int(5), Int(3)},
        {CLSID_SRptTblCts, RPTTBLCTS_USERDEFINED, Bool(true), Bool(false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.id);
        SComWrap<ISRepObject> object = Make<ISRepObject>(c.clsid);
        SRepVariant read;
        ASSERT_EQ(object->GetAttribute(c.id, &read), S_OK);
        EXPECT_EQ(read, c.defaultValue) << "a new object holds the default";
        ASSERT_EQ(object->GetAttributeDefault(c.id, &read), S_OK);
        EXPECT_EQ(read, c.defaultValue);
        EXPECT_EQ(object->SetAttribute(c.id, c.value), S_OK);
        ASSERT_EQ(object->GetAttribute(c.id, &read), S_OK);
        EXPECT_EQ(read, c.value);
    }
    // The computed titles of a table of contents have no default and cannot be written.
    SComWrap<ISRptTblCts> contents = Make<ISRptTblCts>(CLSID_SRptTblCts);
    SRepVariant value;
    EXPECT_EQ(contents->GetAttributeDefault(RPTTBLCTS_DISPTITLE, &value), E_NOTIMPL);
    EXPECT_EQ(value.GetType(), SREP_VT_TEXT);
    EXPECT_EQ(contents->GetAttributeDefault(RPTTBLCTS_EXDEFTITLE, &value), E_NOTIMPL);
    EXPECT_TRUE(FAILED(contents->SetAttribute(RPTTBLCTS_DISPTITLE, Text("x"))));
    EXPECT_EQ(contents->GetDispTitle(), "");
}

TEST_F(SRptItemKindClasses, EveryObjectIsCountedWhileItLives) {
    for (const KindRow& row : Kinds()) {
        SCOPED_TRACE(row.name);
        const int32_t before = SRptGetModuleState()->LockCount();
        SComWrap<ISRepObject> first = Make<ISRepObject>(row.clsid);
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before + 1);
        SComWrap<ISRepObject> second = Make<ISRepObject>(row.clsid);
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before + 2);
        EXPECT_EQ(SRepRegistry::Find(row.clsid)->GetAllocator()->GetLiveCount(), 2);
        first.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before + 1);
        second.Clear();
        EXPECT_EQ(SRptGetModuleState()->LockCount(), before);
        EXPECT_EQ(SRepRegistry::Find(row.clsid)->GetAllocator()->GetLiveCount(), 0);
        // The class was marked initialised by its first object.
        EXPECT_TRUE(SRepRegistry::Find(row.clsid)->IsClassInitialised());
    }
}

TEST_F(SRptItemKindClasses, ACopyWithoutASessionIsBoundToItsSourcesSessionAndTakesItsValues) {
    SComWrap<ISRepSession> other;
    ASSERT_EQ(SRepSession::Create("other", &other), S_OK);
    SComWrap<ISRptTitle> title;
    ASSERT_EQ(other->CreateObject(CLSID_SRptTitle, reinterpret_cast<void**>(&title), ISRptTitle::iid), S_OK);
    title->PutLevel(2);
    title->PutText("Chapter");
    title->PutLabel("Title");

    SRepObjectMem* made = nullptr;
    ASSERT_EQ(SRepRegistry::Find(CLSID_SRptTitle)->CreateInstance(&made, nullptr, Mem(title.Get())), S_OK);
    SComWrap<ISRptTitle> copy;
    copy = static_cast<IUnknown*>(static_cast<ISRepObject*>(made));
    made->Release();
    ASSERT_TRUE(copy);
    EXPECT_FALSE(copy.IsEqualObject(title.Get()));
    SComWrap<ISRepSession> copySession;
    ASSERT_EQ(copy->GetSession(&copySession), S_OK);
    EXPECT_EQ(copySession.Get(), other.Get());
    EXPECT_EQ(copy->GetLevel(), 2);
    EXPECT_EQ(copy->GetText(), "Chapter");
    EXPECT_EQ(copy->GetLabel(), "Title");

    // The other kinds copy their own values the same way.
    SComWrap<ISRptTextFile> file = Make<ISRptTextFile>(CLSID_SRptTextFile);
    file->PutAbsPath("/notes/a.txt");
    file->PutRelPath("a.txt");
    file->PutFilter("*.txt");
    SComWrap<ISRptTblCts> contents = Make<ISRptTblCts>(CLSID_SRptTblCts);
    contents->PutTitle("Contents");
    contents->PutNbParagraphs(6);
    contents->PutUserDefined(true);
    SComWrap<ISRptPageBreak> pageBreak = Make<ISRptPageBreak>(CLSID_SRptPageBreak);
    pageBreak->PutHtmlGen(true);
    SComWrap<ISRepObject> fileCopy, contentsCopy, pageBreakCopy;
    ASSERT_EQ(file->Duplicate(nullptr, 0, nullptr, &fileCopy), S_OK);
    ASSERT_EQ(contents->Duplicate(nullptr, 0, nullptr, &contentsCopy), S_OK);
    ASSERT_EQ(pageBreak->Duplicate(nullptr, 0, nullptr, &pageBreakCopy), S_OK);
    SComWrap<ISRptTextFile> fileCopied;
    fileCopied = static_cast<IUnknown*>(fileCopy.Get());
    EXPECT_EQ(fileCopied->GetAbsPath(), "/notes/a.txt");
    EXPECT_EQ(fileCopied->GetRelPath(), "a.txt");
    EXPECT_EQ(fileCopied->GetFilter(), "*.txt");
    SComWrap<ISRptTblCts> contentsCopied;
    contentsCopied = static_cast<IUnknown*>(contentsCopy.Get());
    EXPECT_EQ(contentsCopied->GetTitle(), "Contents");
    EXPECT_EQ(contentsCopied->GetNbParagraphs(), 6);
    EXPECT_TRUE(contentsCopied->GetUserDefined());
    SComWrap<ISRptPageBreak> pageBreakCopied;
    pageBreakCopied = static_cast<IUnknown*>(pageBreakCopy.Get());
    EXPECT_TRUE(pageBreakCopied->GetHtmlGen());

    title.Clear();
    copy.Clear();
    copySession.Clear();
    other->Close();
}

TEST_F(SRptItemKindClasses, BrowserNodesComeFromTheEditorBoundToTheirItem) {
    SComWrap<ISRptItem> items[] = {Make(CLSID_SRptText),       Make(CLSID_SRptTitle),
                                   Make(CLSID_SRptPageBreak),  Make(CLSID_SRptGraphicFile),
                                   Make(CLSID_SRptTextFile),   Make(CLSID_SRptTblCts)};
    const SRptBrowserNodeKind kinds[] = {SRptBrowserNodeKind::Text,        SRptBrowserNodeKind::Title,
                                         SRptBrowserNodeKind::PageBreak,   SRptBrowserNodeKind::GraphicFile,
                                         SRptBrowserNodeKind::TextFile,    SRptBrowserNodeKind::TblCts};
    auto* browser = reinterpret_cast<ISBrowserView*>(0x10);
    auto* parent = reinterpret_cast<ISBrowserNode*>(0x20);
    auto* previous = reinterpret_cast<ISBrowserNode*>(0x30);

    // Without the editor no node can be made; a null out-pointer is refused first.
    SRptBrowserNodeItem* node = nullptr;
    for (auto& item : items) {
        EXPECT_EQ(item->CreateBrowserNode(browser, 1, parent, previous, 7, true, nullptr), E_POINTER);
        EXPECT_EQ(item->CreateBrowserNode(browser, 1, parent, previous, 7, true, &node), E_NOTIMPL);
        EXPECT_EQ(node, nullptr);
    }

    STestNodeEditor editor;
    SRptItemEditor* previousEditor = SRptItemEditor::Install(&editor);
    for (size_t i = 0; i < std::size(items); ++i) {
        SCOPED_TRACE(i);
        node = nullptr;
        EXPECT_EQ(items[i]->CreateBrowserNode(browser, 1, parent, previous, 7, true, &node), S_OK);
        EXPECT_EQ(node, reinterpret_cast<SRptBrowserNodeItem*>(&editor.token));
        EXPECT_EQ(editor.kinds.back(), kinds[i]);
        EXPECT_EQ(editor.lastBrowser, browser);
        EXPECT_TRUE(editor.lastTemplateEditor);
        EXPECT_EQ(editor.bound, node);
        EXPECT_TRUE(SComWrap<ISRepObject>(editor.boundItem).IsEqualObject(items[i].Get()));
        EXPECT_EQ(editor.boundDraggable, 2u) << "the drag value is the items' own";
        EXPECT_EQ(editor.boundParent, parent);
        EXPECT_EQ(editor.boundPrevious, previous);
        EXPECT_EQ(editor.boundDispid, 7);
    }
    // An editor that makes no node: out of memory, nothing bound.
    editor.makeNone = true;
    editor.bound = nullptr;
    node = nullptr;
    EXPECT_EQ(items[0]->CreateBrowserNode(browser, 0, parent, previous, 7, false, &node), E_OUTOFMEMORY);
    EXPECT_EQ(node, nullptr);
    EXPECT_EQ(editor.bound, nullptr);
    EXPECT_EQ(SRptItemEditor::Install(previousEditor), &editor);
}
