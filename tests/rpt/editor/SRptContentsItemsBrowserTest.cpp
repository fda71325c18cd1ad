// The contents browser of a template: moves, deletion and cut, the dialogs of the selection, the
// display modes and orders, renaming the template, and items added or dropped into it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SOleDataObject.h"
#include "platform/repo/SRepDataSrc.h"
#include "platform/repo/SRepLabelEdit.h"
#include "platform/repo/SRepObjectBaseMem.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SKeyState.h"
#include "platform/ui/STabWnd.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/editor/SRptEditorBrowserFixture.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/ISRptFile.h"
#include "varod9/ISRptGrpMember.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/RptApi.h"

namespace {

using Strings = std::vector<std::string>;

class SRptContentsItemsBrowserTest : public SRptEditorBrowserFixture {
protected:
    void SetUp() override {
        SRptEditorBrowserFixture::SetUp();
        defaultAction = SRepOption::m_nDragDropDefAction;
    }
    void TearDown() override {
        SRepOption::m_nDragDropDefAction = defaultAction;
        SRptEditorBrowserFixture::TearDown();
    }
    // An item the module registers, of a kind, placed at the end of the template.
    SComWrap<ISRptItem> PlaceRegistered(const char* itemId, int32_t kind) {
        RPTUSRITEMDEF def = Describe("Sales", itemId, kind, itemId);
        SComWrap<ISRptItem> registered;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &registered), S_OK);
        SComWrap<ISRptItem> placed;
        EXPECT_EQ(templ->AddTemplateItem(registered.Get(), templ.Get(), -1, &placed), S_OK);
        return placed;
    }
    static int32_t Run(SRepBrowserEx* browser, uint32_t id) {
        return browser->OnCmdMsg(id, CN_COMMAND, nullptr, nullptr);
    }
    static SOleDataObject Drag(std::initializer_list<ISRptItem*> items) {
        std::vector<ISRepObject*> objects(items.begin(), items.end());
        return SOleDataObject(SRepDataSrc::Create(objects).Get());
    }

    int32_t defaultAction = 0;
};

}  // namespace

TEST_F(SRptContentsItemsBrowserTest, TheTreeShowsTheTemplateAndTheTemplateNodeOffersNoMoveDeleteOrCut) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SComWrap<ISRptItem> text = Place("TEXT");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();
    ASSERT_EQ(browser->GetRootCount(), 1);
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TITLE", "TEXT"}));

    for (uint32_t id : {45001u, 45002u, 45003u, 45004u, 115u, 45100u}) EXPECT_FALSE(Enabled(browser, id)) << id;
    browser->Select(browser->GetRoot(0));
    for (uint32_t id : {45001u, 45002u, 45003u, 45004u, 115u}) EXPECT_FALSE(Enabled(browser, id)) << id;
    // Add belongs to the available items; Page Setup and Change Fonts are always there.
    EXPECT_FALSE(Enabled(browser, 45005));
    EXPECT_TRUE(Enabled(browser, 103));
    EXPECT_TRUE(Enabled(browser, 45010));
    EXPECT_EQ(Run(browser, 109), 1);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "TEXT"}));
    EXPECT_EQ(SRepBrowserEx::GetClipboard(), nullptr);

    // A single browser has no tabs and no report of its own to bind.
    EXPECT_EQ(browser->SetReport(nullptr), S_OK);
    EXPECT_EQ(browser->UpdateTabs(), S_OK);
    EXPECT_EQ(browser->GetPaneWindow(), browser);
    ISRptTemplate* none = reinterpret_cast<ISRptTemplate*>(0x10);
    EXPECT_EQ(browser->GetActiveTemplate(nullptr), E_POINTER);
    ASSERT_EQ(browser->GetActiveTemplate(&none), S_OK);
    EXPECT_TRUE(templ.IsEqualObject(none));
    none->Release();
}

TEST_F(SRptContentsItemsBrowserTest, ItemsMoveUpDownAndBetweenLevelsAndTheTreeFollows) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SComWrap<ISRptItem> text = Place("TEXT");
    SComWrap<ISRptItem> folder = PlaceRegistered("FOLDER", RPT_ITEMKIND_FOLDER);
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();

    SelectOnly(browser, {title.Get()});
    EXPECT_FALSE(Enabled(browser, 45001));
    EXPECT_TRUE(Enabled(browser, 45002));
    SelectOnly(browser, {text.Get()});
    EXPECT_TRUE(Enabled(browser, 45001));
    Run(browser, 45001);
    EXPECT_EQ(Contents(), (Strings{"TEXT", "TITLE", "FOLDER"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TEXT", "TITLE", "FOLDER"}));
    // The moved item stays selected, so that it can go on moving.
    ASSERT_EQ(browser->GetSelectedCount(), 1);
    EXPECT_EQ(browser->GetSelectedNode(0)->GetNodeObject(), NodeOf(browser, text.Get())->GetNodeObject());
    Run(browser, 45002);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "TEXT", "FOLDER"}));

    // Lowered into the folder that follows, then raised out of it again.
    ASSERT_TRUE(Enabled(browser, 45004));
    Run(browser, 45004);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "FOLDER"}));
    EXPECT_EQ(Contents(folder.Get()), (Strings{"TEXT"}));
    EXPECT_EQ(NodeIds(NodeOf(browser, folder.Get())), (Strings{"TEXT"}));
    ASSERT_TRUE(Enabled(browser, 45003));
    Run(browser, 45003);
    EXPECT_TRUE(Contents(folder.Get()).empty());
    EXPECT_EQ(Contents().size(), 3u);
}

TEST_F(SRptContentsItemsBrowserTest, DeleteAndCutRemoveTheSelectedItemsWithoutAsking) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SComWrap<ISRptItem> text = Place("TEXT");
    SComWrap<ISRptItem> pageBreak = Place("PAGEBREAK");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();

    SelectOnly(browser, {title.Get(), pageBreak.Get()});
    EXPECT_TRUE(Enabled(browser, 115));
    Run(browser, 115);
    EXPECT_EQ(Contents(), (Strings{"TEXT"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TEXT"}));
    EXPECT_EQ(browser->GetSelectedCount(), 0);

    // A cut keeps a copy for a later paste.
    SelectOnly(browser, {text.Get()});
    Run(browser, 109);
    EXPECT_TRUE(Contents().empty());
    ISRepDataSrc* clipboard = SRepBrowserEx::GetClipboard();
    ASSERT_NE(clipboard, nullptr);
    int32_t count = 0;
    clipboard->GetCount(&count);
    ASSERT_EQ(count, 1);
    SComWrap<ISRepObject> copy;
    clipboard->Item(0, &copy);
    SComWrap<ISRptItem> copied;
    copied = static_cast<IUnknown*>(copy.Get());
    EXPECT_EQ(copied->GetItemID(), "TEXT");
    EXPECT_TRUE(script.IsComplete());
}

TEST_F(SRptContentsItemsBrowserTest, DeleteWhileRenamingDeletesTheCharacterAfterTheCaretAndNoItem) {
    SComWrap<ISRptItem> text = Place("TEXT");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();
    SelectOnly(browser, {text.Get()});
    ASSERT_EQ(browser->BeginLabelEdit(NodeOf(browser, text.Get())), 1);
    SRepLabelEdit* edit = browser->GetEditControl();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(static_cast<HWND>(browser->SendMessage(TVM_GETEDITCONTROL)), edit->m_hWnd);
    edit->SetWindowText("Sales");
    edit->SendMessage(EM_SETSEL, 2, 2);

    Run(browser, 115);
    EXPECT_EQ(edit->GetWindowText(), "Saes");
    Run(browser, 115);
    EXPECT_EQ(edit->GetWindowText(), "Sas");
    // At the end of the text there is nothing after the caret.
    edit->SendMessage(EM_SETSEL, 3, 3);
    Run(browser, 115);
    EXPECT_EQ(edit->GetWindowText(), "Sas");
    // A selection goes as a whole.
    edit->SendMessage(EM_SETSEL, 0, 2);
    Run(browser, 115);
    EXPECT_EQ(edit->GetWindowText(), "s");
    EXPECT_EQ(Contents(), (Strings{"TEXT"}));
}

TEST_F(SRptContentsItemsBrowserTest, SelectionCommandsGoToTheItemsHandlerOrTheMixedFormatDialog) {
    SComWrap<ISRptItem> text = Place("TEXT");
    SComWrap<ISRptItem> other = Place("TEXT");
    SComWrap<ISRptItem> title = Place("TITLE");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();

    // One class: the first item's own Format sheet, once, for both.
    SelectOnly(browser, {text.Get(), other.Get()});
    EXPECT_TRUE(Enabled(browser, 45006));
    EXPECT_FALSE(Enabled(browser, 45008));
    script.ExpectDialog(SRptDlgMultiPages::IDD_FORMAT, IDCANCEL);
    Run(browser, 45006);

    // A text and a title: Format stays, the one-item commands go, and Format is the mixed one.
    SelectOnly(browser, {text.Get(), title.Get()});
    EXPECT_TRUE(Enabled(browser, 45006));
    for (uint32_t id : {45007u, 45008u, 45009u}) EXPECT_FALSE(Enabled(browser, id)) << id;
    script.ExpectDialog(SRptDlgMultiPages::IDD_FORMAT_ITEMS, IDCANCEL);
    Run(browser, 45006);
    EXPECT_TRUE(script.IsComplete());

    // A double click edits a text; a page break does nothing.
    SComWrap<ISRptItem> pageBreak = Place("PAGEBREAK");
    browser->RefreshTree();
    SelectOnly(browser, {text.Get()});
    script.ExpectDialog(SRptDlgTxtEdit::IDD, IDCANCEL);
    EXPECT_EQ(browser->DoubleClick(NodeOf(browser, text.Get())), S_OK);
    SelectOnly(browser, {pageBreak.Get()});
    EXPECT_EQ(browser->DoubleClick(NodeOf(browser, pageBreak.Get())), S_OK);
    EXPECT_EQ(browser->OnDoubleClick(nullptr), S_FALSE);
}

TEST_F(SRptContentsItemsBrowserTest, TheDisplayMenuChecksTheModeOfTheItemAndTheCommandsSwitchIt) {
    script.ExpectFileDialog(VAROD9_TEST_DATA "/pictures/green.jpg");
    SComWrap<ISRptItem> picture = Place("GRAPHICFILE");
    SComWrap<ISRptItem> groupTitle = PlaceRegistered("GROUP", RPT_ITEMKIND_GRPTITLE);
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();
    SComWrap<ISRptGrpMember> member;
    member = static_cast<IUnknown*>(picture.Get());
    SelectOnly(browser, {picture.Get()});

    // All 0, File path only 2, File content only 4; a graphic file has no "Only modified ones".
    const std::vector<std::pair<int32_t, uint32_t>> checked = {{0, 45011}, {2, 45013}, {4, 45014}};
    for (const auto& [flag, id] : checked) {
        member->PutDisplayFlag(flag);
        for (uint32_t other = 45011; other <= 45014; ++other)
            EXPECT_EQ(browser->IsMenuItemChecked(other), other == id ? 1 : 0) << flag << " " << other;
    }
    member->PutDisplayFlag(3);
    for (uint32_t id = 45011; id <= 45016; ++id) EXPECT_EQ(browser->IsMenuItemChecked(id), 0) << id;
    EXPECT_EQ(browser->IsMenuItemChecked(45006), 0);

    Run(browser, 45013);
    EXPECT_EQ(member->GetDisplayFlag(), 2);
    Run(browser, 45011);
    EXPECT_EQ(member->GetDisplayFlag(), 0);
    EXPECT_EQ(browser->IsMenuItemChecked(45011), 1);

    SComWrap<ISRptGrpTitle> group;
    group = static_cast<IUnknown*>(groupTitle.Get());
    SelectOnly(browser, {groupTitle.Get()});
    Run(browser, 45016);
    EXPECT_FALSE(group->GetUserOrder());
    Run(browser, 45015);
    EXPECT_TRUE(group->GetUserOrder());

    // Items of two classes: the first one's mode speaks for neither, so nothing is checked.
    for (auto selection : {std::pair{picture.Get(), groupTitle.Get()}, std::pair{groupTitle.Get(), picture.Get()}}) {
        SelectOnly(browser, {selection.first, selection.second});
        for (uint32_t id = 45011; id <= 45016; ++id) EXPECT_EQ(browser->IsMenuItemChecked(id), 0) << id;
    }
}

TEST_F(SRptContentsItemsBrowserTest, RenamingInAReportEditorRenamesTheTabAndInATemplateEditorNot) {
    STabWnd tabs;
    ASSERT_TRUE(tabs.Create(nullptr, RECT{}, 0));
    SRptContentsItemsBrowser* browser = MakeContentsBrowser(&tabs, SREP_DISPID_NAME);
    tabs.AddTab(browser, templ->GetName());
    SRepBrowserNode* root = browser->GetRoot(0);

    ASSERT_EQ(browser->BeginLabelEdit(root), 1);
    EXPECT_EQ(browser->EndLabelEdit("Orders"), 1);
    EXPECT_EQ(tabs.GetTabText(0), "Orders");
    EXPECT_EQ(templ->GetName(), "Orders");
    EXPECT_EQ(browser->GetNodeText(root), "Orders");

    view->SetIsTemplateEditor(1);
    ASSERT_EQ(browser->BeginLabelEdit(root), 1);
    EXPECT_EQ(browser->EndLabelEdit("Invoices"), 1);
    EXPECT_EQ(tabs.GetTabText(0), "Orders");
    EXPECT_EQ(templ->GetName(), "Invoices");
    for (SRptContentsItemsBrowser* made : browsers) made->DestroyPane();
    browsers.clear();
}

TEST_F(SRptContentsItemsBrowserTest, AnAddedItemGoesIntoOrAfterTheCurrentItemAndIsSelected) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SComWrap<ISRptItem> pageBreak = Place("PAGEBREAK");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();
    view->SetContentsPane(browser);

    // Into the title, a container, at its end; and shown, its parent's node first.
    SelectOnly(browser, {title.Get()});
    SComWrap<ISRptItem> added;
    ASSERT_EQ(view->AddItemToActiveTemplate(BuiltIn("TEXT").Get(), &added), S_OK);
    ASSERT_TRUE(added);
    EXPECT_TRUE(added->GetInTemplate());
    EXPECT_EQ(Contents(title.Get()), (Strings{"TEXT"}));
    EXPECT_EQ(NodeIds(NodeOf(browser, title.Get())), (Strings{"TEXT"}));
    ASSERT_EQ(browser->GetSelectedCount(), 1);
    EXPECT_EQ(browser->GetSelectedNode(0), browser->LookupNode(added.Get()));

    // With Alt held, right after the title in its parent instead.
    SelectOnly(browser, {title.Get()});
    {
        SKeyDownScope alt(VK_MENU);
        ASSERT_EQ(view->AddItemToActiveTemplate(BuiltIn("TEXT").Get(), &added), S_OK);
    }
    EXPECT_EQ(Contents(), (Strings{"TITLE", "TEXT", "PAGEBREAK"}));

    // Nothing selected: the template is the target, and the item goes to its end.
    browser->ClearSelection();
    SComWrap<ISRptItem> last;
    ASSERT_EQ(browser->AddItemToTemplate(BuiltIn("TBLCTS").Get(), &last), S_OK);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "TEXT", "PAGEBREAK", "TBLCTS"}));
    EXPECT_EQ(browser->AddItemToTemplate(nullptr, &last), E_POINTER);
    EXPECT_FALSE(last);
    view->SetContentsPane(nullptr);
}

TEST_F(SRptContentsItemsBrowserTest, AvailableItemsAreCopiedInAndTemplateItemsMovedOrCopiedByTheKeys) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();

    SOleDataObject available = Drag({BuiltIn("TEXT").Get()});
    browser->DropEnter(available, 0, POINT{});
    EXPECT_EQ(browser->GetDragFlag(), 1);
    EXPECT_EQ(browser->GetDropEffects(available), DROPEFFECT_COPY);
    for (uint32_t keys : {0u, MK_CONTROL, MK_SHIFT}) EXPECT_EQ(browser->GetCurrentDropEffect(keys, 3), 1u) << keys;
    EXPECT_EQ(browser->DragDrop(available, browser->GetRoot(0)), DROPEFFECT_COPY);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "TEXT"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TITLE", "TEXT"}));

    SOleDataObject own = Drag({title.Get()});
    browser->DropEnter(own, 0, POINT{});
    EXPECT_EQ(browser->GetDragFlag(), 0);
    EXPECT_EQ(browser->GetDropEffects(own), DROPEFFECT_COPY | DROPEFFECT_MOVE);
    EXPECT_EQ(browser->GetCurrentDropEffect(MK_CONTROL, 3), 1u);
    EXPECT_EQ(browser->GetCurrentDropEffect(MK_SHIFT, 3), 2u);
    const std::vector<std::pair<int32_t, uint32_t>> defaults = {{1, 2}, {3, 2}, {2, 1}, {0, 3}, {7, 3}};
    for (const auto& [action, effect] : defaults) {
        SRepOption::m_nDragDropDefAction = action;
        EXPECT_EQ(browser->GetCurrentDropEffect(0, 3), effect) << action;
    }
}

TEST_F(SRptContentsItemsBrowserTest, AMovedItemLeavesItsPlaceACopyLeavesBothAndAFailedMoveKeepsTheOriginal) {
    SComWrap<ISRptItem> title = Place("TITLE");
    SComWrap<ISRptItem> text = Place("TEXT");
    script.ExpectFileDialog(VAROD9_TEST_DATA "/pictures/green.jpg");
    SComWrap<ISRptItem> picture = Place("GRAPHICFILE");
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();

    // Dropped on the template, an item goes to its end: moved, it is there alone.
    SOleDataObject moved = Drag({text.Get()});
    EXPECT_EQ(browser->DragDrop(moved, browser->GetRoot(0), MK_SHIFT), DROPEFFECT_MOVE);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "GRAPHICFILE", "TEXT"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TITLE", "GRAPHICFILE", "TEXT"}));

    // With Ctrl it is copied: the original stays where it was.
    SOleDataObject copied = Drag({title.Get()});
    EXPECT_EQ(browser->DragDrop(copied, browser->GetRoot(0), MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "GRAPHICFILE", "TEXT", "TITLE"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TITLE", "GRAPHICFILE", "TEXT", "TITLE"}));

    // A picture without its file asks for one as it is placed; declined, nothing is placed and
    // the moved original stays.
    SComWrap<ISRptFile> file;
    file = static_cast<IUnknown*>(picture.Get());
    ASSERT_EQ(file->PutAbsPath(""), S_OK);
    script.ExpectFileDialog("");
    SOleDataObject declined = Drag({picture.Get()});
    EXPECT_EQ(browser->DragDrop(declined, browser->GetRoot(0), MK_SHIFT), DROPEFFECT_NONE);
    EXPECT_EQ(Contents(), (Strings{"TITLE", "GRAPHICFILE", "TEXT", "TITLE"}));
    EXPECT_EQ(NodeIds(browser->GetRoot(0)), (Strings{"TITLE", "GRAPHICFILE", "TEXT", "TITLE"}));
}

TEST_F(SRptContentsItemsBrowserTest, FocusTellsTheWindowThatTheRightSideIsActive) {
    SRptContentsItemsBrowser* browser = MakeContentsBrowser();
    browser->SetFocus();
    ASSERT_EQ(view->focusCalls.size(), 1u);
    EXPECT_EQ(view->focusCalls[0], (std::pair<int32_t, int32_t>{0, 0}));
    EXPECT_EQ(view->GetLeftPaneActive(), 0);
}
