// The folder, the group title and the group text: their construction from a module's
// description, their paragraphs, the group's walk state and their commands.
#include <gtest/gtest.h>

#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepKindTests.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "support/RptMetaclassCheck.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestRptProcs.h"
#include "varod9/ISRptGrpTitleProcs.h"

namespace {

// A module's group title procedures that may or may not let the user choose the order.
class STestGrpTitleProcs final : public STestRefCounted<ISRptGrpTitleProcs> {
public:
    HRESULT Reserved1(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved2(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Reserved3(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Begin(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT End(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Next(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Process(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT Fetch(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetValue(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    HRESULT GetMemberText(ISRptReport*, RPTPROCCONTEXT*) override { return E_NOTIMPL; }
    int32_t HasUserOrder() override { return userOrder; }

    int32_t userOrder = 0;
};

// Procedures whose every query but IUnknown's fails outright.
class STestBrokenProcs final : public STestRefCounted<IUnknown> {
public:
    HRESULT QueryInterface(const GUID& riid, void** out) override {
        if (riid == IUnknown::iid) return STestRefCounted::QueryInterface(riid, out);
        *out = nullptr;
        return E_UNEXPECTED;
    }
};

class SRptGroupKinds : public SRptItemKindTestFixture {
protected:
    void SetUp() override {
        SRptItemKindTestFixture::SetUp();
        procs = SComWrap<STestUserProcs>(new STestUserProcs);
    }
    void TearDown() override {
        SRptItemKindTestFixture::TearDown();
        EXPECT_EQ(procs->RefCount(), 1) << "the module's procedures are still held";
    }
    // A description as a module hands it in.
    RPTUSRITEMDEF ModuleDescription(int32_t kind) {
        RPTUSRITEMDEF def;
        def.Kind = kind;
        def.TOCEntry = 1;
        def.ItemID = "CUSTOMERS";
        def.ModuleID = "MODEL";
        def.Label = "Customers";
        def.DefaultTitle = "All customers";
        def.ItemParam = 77;
        def.UserProcs = procs.Get();
        return def;
    }
    // A copy as the repository makes one.
    template <class I>
    static SComWrap<I> Copy(ISRepObject* object) {
        SComWrap<ISRepObject> copied;
        EXPECT_EQ(object->Duplicate(nullptr, 0, nullptr, &copied), S_OK);
        SComWrap<I> copy;
        copy = copied.Get();
        return copy;
    }

    SComWrap<STestUserProcs> procs;
};

const GUID kKinds[] = {CLSID_SRptFolder, CLSID_SRptGrpTitle, CLSID_SRptGrpText};

}  // namespace

TEST_F(SRptGroupKinds, EachIsBuiltFromAModulesDescriptionWithItsOwnParagraphs) {
    struct Own {
        GUID paraClass;
        const char* name;
        int32_t fontKind;
    };
    const struct {
        GUID clsid;
        int32_t kind;
        std::vector<Own> paragraphs;
    } cases[] = {
        {CLSID_SRptFolder, RPT_ITEMKIND_FOLDER, {{CLSID_SRptParaTitle, "Folder Title", 20}}},
        {CLSID_SRptGrpTitle, RPT_ITEMKIND_GRPTITLE, {{CLSID_SRptParaTitle, "Book Title", 19}}},
        {CLSID_SRptGrpText, RPT_ITEMKIND_GRPTEXT,
         {{CLSID_SRptParaTitle, "Text Attribute Title", 24}, {CLSID_SRptParaItem, "Text Attribute", 25}}},
    };
    SComWrap<ISRptGroup> parentGroup = Make<ISRptGroup>(CLSID_SRptTestCustom);
    for (const auto& [clsid, kind, paragraphs] : cases) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptCustom> item = Make<ISRptCustom>(clsid);
        EXPECT_EQ(item->ConstructWithItemDef(nullptr), E_POINTER);
        EXPECT_EQ(item->Paragraphs().GetCount(), 0) << "a missing description builds nothing";

        RPTUSRITEMDEF def = ModuleDescription(kind);
        def.ParentGroup = parentGroup.Get();
        ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
        EXPECT_EQ(item->GetItemID(), "CUSTOMERS");
        EXPECT_EQ(item->GetModuleID(), "MODEL");
        EXPECT_EQ(item->GetLabel(), "Customers");
        EXPECT_TRUE(item->GetTOCEntry());
        EXPECT_EQ(item->GetItemParam(), 77);
        EXPECT_EQ(item->GetTitle(), "All customers");
        SComWrap<IUnknown> held;
        ASSERT_EQ(item->GetUserProcs(&held), S_OK);
        EXPECT_EQ(held.Get(), static_cast<IUnknown*>(procs.Get()));
        SComWrap<ISRptGroup> group;
        item->GetParentGroup(&group);
        EXPECT_TRUE(Same(group.Get(), parentGroup.Get()));

        // Its own paragraphs, each named, in its font kind and the stock format of that kind.
        const auto count = static_cast<int32_t>(paragraphs.size());
        ASSERT_EQ(item->Paragraphs().GetCount(), count);
        for (int32_t position = 0; position < count; ++position) {
            const Own& own = paragraphs[static_cast<size_t>(position)];
            SComWrap<ISRptPara> para;
            ASSERT_EQ(item->GetParaAtPos(position, &para), S_OK);
            EXPECT_EQ(para->GetClassID(), own.paraClass);
            EXPECT_EQ(item->GetParaName(para.Get()), own.name);
            EXPECT_EQ(para->GetParaName(), own.name);
            EXPECT_EQ(item->GetParaFontID(para.Get()), own.fontKind);
            EXPECT_EQ(para->GetFontName(), SRptFont::GetDefaultFontName(own.fontKind));
            EXPECT_EQ(para->GetFontHeight(), SRptFont::GetDefaultFontHeight(own.fontKind));
            EXPECT_EQ(para->GetFontStyle(), SRptFont::GetDefaultFontStyle(own.fontKind));
        }
        // A paragraph added later is named and formatted by the container's rule.
        SComWrap<ISRptPara> added;
        ASSERT_EQ(item->CreateObject(CLSID_SRptParaItem, reinterpret_cast<void**>(&added), ISRptPara::iid,
                                     RPTPARACONTAINER_PARAGRAPHS, -1, true),
                  S_OK);
        EXPECT_EQ(item->GetParaName(added.Get()), "Text Paragraph " + SString::FromInt(count));
        EXPECT_EQ(item->GetParaFontID(added.Get()), -1);
    }
}

TEST_F(SRptGroupKinds, AFoldersLevelLimitIsAWhole32BitWord) {
    SComWrap<ISRptFolder> folder = Make<ISRptFolder>(CLSID_SRptFolder);
    EXPECT_EQ(folder->GetNbMaxLevels(), -1);
    ASSERT_EQ(folder->PutNbMaxLevels(0x12345), S_OK);
    SRepVariant value;
    ASSERT_EQ(folder->GetAttribute(RPTFOLDER_NBMAXLEVELS, &value), S_OK);
    EXPECT_EQ(value.GetInt(), 0x12345);
    value.SetInt(300);
    ASSERT_EQ(folder->SetAttribute(RPTFOLDER_NBMAXLEVELS, value), S_OK);
    EXPECT_EQ(Copy<ISRptFolder>(folder.Get())->GetNbMaxLevels(), 300);
}

TEST_F(SRptGroupKinds, AGroupKeepsItsWalkStateAndAWalkEndsWhereItBegan) {
    for (const GUID& clsid : {CLSID_SRptFolder, CLSID_SRptGrpTitle}) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptGroup> group = Build<ISRptGroup>(clsid);
        // Idle.
        EXPECT_FALSE(group->GetValid());
        EXPECT_EQ(group->GetNbItems(), 0);
        EXPECT_EQ(group->GetItemIndex(), 0);
        EXPECT_EQ(group->GetUserParam(), 0);

        // The first visit: three elements announced, the module's word kept; then the first
        // element is started.
        group->PutNbItems(3);
        group->PutUserParam(0x7FFF1234);
        group->PutItemIndex(0);
        group->PutValid(true);
        group->PutItemIndex(group->GetItemIndex() + 1);
        SRepVariant value;
        value.SetInt(0x7FFF5678);
        ASSERT_EQ(group->SetAttribute(RPTGROUP_USERPARAM, value), S_OK);

        // A copy made in the middle of the walk carries it.
        SComWrap<ISRptGroup> copy = Copy<ISRptGroup>(group.Get());
        EXPECT_TRUE(copy->GetValid());
        EXPECT_EQ(copy->GetNbItems(), 3);
        EXPECT_EQ(copy->GetItemIndex(), 1);
        EXPECT_EQ(copy->GetUserParam(), 0x7FFF5678);

        // No further element: all four back to the defaults.
        group->PutItemIndex(0);
        group->PutNbItems(0);
        group->PutValid(false);
        group->PutUserParam(0);
        for (int32_t id : {RPTGROUP_VALID, RPTGROUP_NBITEMS, RPTGROUP_ITEMINDEX, RPTGROUP_USERPARAM}) {
            SRepVariant current, initial;
            ASSERT_EQ(group->GetAttribute(id, &current), S_OK);
            ASSERT_EQ(group->GetAttributeDefault(id, &initial), S_OK);
            EXPECT_EQ(current, initial) << std::hex << id;
        }
    }
}

TEST_F(SRptGroupKinds, EachAnswersItsAttributesAsItsMetaclass) {
    const struct {
        GUID clsid;
        int32_t attributes;
    } cases[] = {
        // The repository's 11, the item's 12, the group member's 1, the custom item's 9 ...
        {CLSID_SRptFolder, 33 + 4 + 2},    // ... the group's 4 and the folder's 2
        {CLSID_SRptGrpTitle, 33 + 4 + 2},  // ... the group's 4 and the group title's 2
        {CLSID_SRptGrpText, 33 + 1},       // ... and the group text's 1
    };
    for (const auto& [clsid, attributes] : cases) {
        SComWrap<ISRepObject> object = Make<ISRepObject>(clsid);
        int32_t checked = 0;
        EXPECT_TRUE(RptAnswersAsItsMetaclass(object.Get(), &checked));
        EXPECT_EQ(checked, attributes) << GUIDToString(clsid);
    }
    // The abstract group, through a folder.
    SComWrap<ISRepObject> folder = Make<ISRepObject>(CLSID_SRptFolder);
    int32_t checked = 0;
    EXPECT_TRUE(RptAnswersAsMetaclass(folder.Get(), CLSID_SRptGroup, &checked));
    EXPECT_EQ(checked, 33 + 4);
    for (int32_t id : {RPTGROUP_VALID, RPTGROUP_NBITEMS, RPTGROUP_ITEMINDEX, RPTGROUP_USERPARAM})
        EXPECT_EQ(folder->GetAttributeFlags(id), 8u) << std::hex << id;
    EXPECT_EQ(folder->GetAttributeType(RPTGROUP_VALID), 0x40000u);
    EXPECT_EQ(folder->GetAttributeType(RPTGROUP_USERPARAM), 0x30000u);
    // A group text is no group.
    SComWrap<ISRepObject> groupText = Make<ISRepObject>(CLSID_SRptGrpText);
    EXPECT_TRUE(groupText->HasAttribute(RPTGRPTEXT_DISPLAYIFEMPTY));
    EXPECT_FALSE(groupText->HasAttribute(RPTGROUP_VALID));
}

TEST_F(SRptGroupKinds, FormatAndEditAreTheCommandsOfFoldersAndGroupTexts) {
    for (const GUID& clsid : kKinds) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptItem> item = Build(clsid);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_OK);
        EXPECT_EQ(item->IsItemSupportCommand(ID_RPT_ITEM_EDIT), S_OK);
        for (uint32_t other : {ID_RPT_ITEM_LAYOUT, ID_RPT_DISPLAY_ALL, ID_RPT_DISPLAY_USER_ORDER,
                               ID_RPT_DISPLAY_ALPHA_ORDER, ID_RPT_PAGEBREAK_HTMLGEN})
            EXPECT_EQ(item->IsItemSupportCommand(other), S_FALSE) << other;
        // A command of no kind of theirs opens nothing.
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_LAYOUT, Selection(item.Get()), nullptr), S_FALSE);
    }
    EXPECT_TRUE(Transcript().empty());

    // Format runs the sheet over the whole selection: the group text's lists its paragraphs.
    STestItemEditor editor;
    STestItemEditorScope editorScope(&editor);
    const struct {
        GUID clsid;
        uint32_t dialog;
    } formats[] = {{CLSID_SRptFolder, SRptDlgMultiPages::IDD_FORMAT},
                   {CLSID_SRptGrpTitle, SRptDlgMultiPages::IDD_FORMAT},
                   {CLSID_SRptGrpText, SRptDlgMultiPages::IDD_FORMAT_ITEMS}};
    for (const auto& [clsid, dialog] : formats) {
        SComWrap<ISRptItem> item = Build(clsid);
        SComTable<ISRepObject> selection = Selection(item.Get());
        selection.Add(Selection(Build(clsid).Get()).GetAt(0));
        editor.current = nullptr;
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_FORMAT, selection, nullptr), S_OK);
        EXPECT_EQ(editor.dialog.objects, 2);
        EXPECT_EQ(editor.dialog.flag, 0);
        EXPECT_EQ(editor.dialog.id, dialog);
        EXPECT_EQ(editor.current, SRptGetModuleState());
    }
}

TEST_F(SRptGroupKinds, EditChoosesBetweenTheModulesTitleAndTheUsersOwn) {
    for (const GUID& clsid : kKinds) {
        SCOPED_TRACE(GUIDToString(clsid));
        SComWrap<ISRptCustom> item = BuildInTemplate<ISRptCustom>(clsid);
        item->PutDefaultTitle("Customers");
        item->PutResPath("\\Titles\\Customers");
        Report()->titles["\\Titles\\Customers"] = "Customers of the model";

        // Cancelled: nothing changes, and the command is still handled.
        script.Expect(SPrompt::Dialog, "210", DialogCancel());
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(item.Get()), nullptr), S_OK);
        EXPECT_EQ(item->GetTitle(), "");
        EXPECT_FALSE(item->GetUserDefined());

        // The user's own title.
        script.Expect(SPrompt::Dialog, "210",
                      DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "Clients"}, {SRptDlgTxtEdit::IDC_USERDEF, "1"}}));
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(item.Get()), nullptr), S_OK);
        EXPECT_EQ(item->GetTitle(), "Clients");
        EXPECT_TRUE(item->GetUserDefined());
        EXPECT_EQ(item->GetDispTitle(), "Clients");

        // Confirmed with the check cleared: the editor shows the report's title again, and that
        // is the text stored.
        script.Expect(SPrompt::Dialog, "210",
                      DialogOK({{SRptDlgTxtEdit::IDC_TEXT, "Buyers"}, {SRptDlgTxtEdit::IDC_USERDEF, "0"}}));
        EXPECT_EQ(item->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(item.Get()), nullptr), S_OK);
        EXPECT_EQ(item->GetTitle(), "Customers of the model");
        EXPECT_FALSE(item->GetUserDefined());
        EXPECT_EQ(item->GetDispTitle(), "Customers of the model");
    }

    // The editor starts from the title shown, offers the fields and the default title.
    STestItemEditor editor;
    STestItemEditorScope editorScope(&editor);
    SComWrap<ISRptCustom> folder = BuildInTemplate<ISRptCustom>(CLSID_SRptFolder);
    folder->PutDefaultTitle("Customers");
    folder->PutTitle("Clients");
    folder->PutUserDefined(true);
    EXPECT_EQ(folder->HandlePopupCommand(ID_RPT_ITEM_EDIT, Selection(folder.Get()), nullptr), S_OK);
    EXPECT_TRUE(Same(editor.editedItem, folder.Get()));
    EXPECT_EQ(editor.seen.text, "Clients");
    EXPECT_EQ(editor.seen.defaultText, "Customers");
    EXPECT_EQ(editor.seen.userDefined, 1);
    EXPECT_EQ(editor.seen.enableInsert, 1);
    EXPECT_EQ(editor.seen.enableUserDefined, 1);
    EXPECT_EQ(editor.current, SRptGetModuleState());
}

TEST_F(SRptGroupKinds, AGroupTitleOffersTheOrderOnlyWhenTheModuleLetsTheUserChoose) {
    SComWrap<ISRptGrpTitle> groupTitle = Build<ISRptGrpTitle>(CLSID_SRptGrpTitle);
    const uint32_t orders[] = {ID_RPT_DISPLAY_USER_ORDER, ID_RPT_DISPLAY_ALPHA_ORDER};
    // No procedures, or procedures of no group title.
    for (uint32_t order : orders) EXPECT_EQ(groupTitle->IsItemSupportCommand(order), S_FALSE);
    groupTitle->SetUserProcs(procs.Get());
    for (uint32_t order : orders) EXPECT_EQ(groupTitle->IsItemSupportCommand(order), S_FALSE);

    SComWrap<STestGrpTitleProcs> titleProcs(new STestGrpTitleProcs);
    groupTitle->SetUserProcs(titleProcs.Get());
    for (uint32_t order : orders) EXPECT_EQ(groupTitle->IsItemSupportCommand(order), S_FALSE);
    titleProcs->userOrder = 5;
    for (uint32_t order : orders) EXPECT_EQ(groupTitle->IsItemSupportCommand(order), S_OK);
    EXPECT_EQ(groupTitle->IsItemSupportCommand(ID_RPT_DISPLAY_ALL), S_FALSE);
    EXPECT_EQ(groupTitle->IsItemSupportCommand(ID_RPT_ITEM_LAYOUT), S_FALSE);

    // Procedures that fail the question otherwise than by not knowing it.
    SComWrap<STestBrokenProcs> broken(new STestBrokenProcs);
    groupTitle->SetUserProcs(broken.Get());
    try {
        groupTitle->IsItemSupportCommand(ID_RPT_DISPLAY_USER_ORDER);
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_UNEXPECTED);
    }
    groupTitle->SetUserProcs(nullptr);
    EXPECT_EQ(titleProcs->RefCount(), 1);
    EXPECT_EQ(broken->RefCount(), 1);

    // The order commands work whether offered or not.
    EXPECT_EQ(groupTitle->HandlePopupCommand(ID_RPT_DISPLAY_ALPHA_ORDER, Selection(groupTitle.Get()), nullptr), S_OK);
    EXPECT_FALSE(groupTitle->GetUserOrder());
    EXPECT_EQ(groupTitle->HandlePopupCommand(ID_RPT_DISPLAY_USER_ORDER, Selection(groupTitle.Get()), nullptr), S_OK);
    EXPECT_TRUE(groupTitle->GetUserOrder());
    // A folder has no order.
    SComWrap<ISRptItem> folder = Build(CLSID_SRptFolder);
    EXPECT_EQ(folder->HandlePopupCommand(ID_RPT_DISPLAY_ALPHA_ORDER, Selection(folder.Get()), nullptr), S_FALSE);
    EXPECT_TRUE(Transcript().empty());
}

TEST_F(SRptGroupKinds, EachMakesTheBrowserNodeOfItsKindAndTheUserGraphicItsOwn) {
    STestItemEditor editor;
    STestItemEditorScope editorScope(&editor);
    const struct {
        GUID clsid;
        SRptBrowserNodeKind kind;
    } cases[] = {{CLSID_SRptFolder, SRptBrowserNodeKind::Folder},
                 {CLSID_SRptGrpTitle, SRptBrowserNodeKind::GrpTitle},
                 {CLSID_SRptGrpText, SRptBrowserNodeKind::GrpText},
                 {CLSID_SRptUserGraphic, SRptBrowserNodeKind::UserGraphic}};
    for (const auto& [clsid, kind] : cases) {
        SComWrap<ISRptItem> item = Build(clsid);
        SRptBrowserNodeItem* node = nullptr;
        ASSERT_EQ(item->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 0x0200610C, true, &node), S_OK);
        EXPECT_EQ(node, reinterpret_cast<SRptBrowserNodeItem*>(&editor.token));
        EXPECT_EQ(editor.nodeKind, kind);
        EXPECT_TRUE(editor.nodeInTemplateEditor);
        EXPECT_EQ(editor.bound.draggable, 2u);
        EXPECT_EQ(editor.bound.dispid, 0x0200610C);
        EXPECT_TRUE(Same(editor.bound.item, item.Get()));
        EXPECT_EQ(item->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 0, true, nullptr), E_POINTER);
    }
}
