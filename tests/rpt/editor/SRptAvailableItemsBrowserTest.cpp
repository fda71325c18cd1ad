// The available-items browser: the tree of a registered module's items, adding them to the
// template on the right, the commands it offers and runs, and drags that may only move items of
// a template here.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SOleDataObject.h"
#include "platform/repo/SRepDataSrc.h"
#include "platform/ui/SMenu.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/editor/SRptAvailableItemsBrowser.h"
#include "rpt/editor/SRptBrowserCommandClass.h"
#include "rpt/editor/SRptBrowserNodeAvailable.h"
#include "rpt/editor/SRptEditorBrowserFixture.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "varod9/RptApi.h"

namespace {

using Strings = std::vector<std::string>;

// An editor whose Format sheet records the objects it was given.
class SRecordingItemEditor : public SRptItemEditor {
public:
    void RunFormatDialog(const SComTable<ISRepObject>& objects, int32_t, uint32_t dialogId) override {
        Strings ids;
        for (int32_t i = 0; i < objects.GetSize(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(objects.GetAt(i));
            ids.push_back(item->GetItemID().str());
        }
        formats.emplace_back(dialogId, ids);
    }
    void RunLevelFormatDialog(const SComTable<ISRepObject>&, int32_t) override {}
    int32_t RunTextEditDialog(ISRptItem*, SRptTextEdit&) override { return IDCANCEL; }

    std::vector<std::pair<uint32_t, Strings>> formats;
};

class SRptAvailableItemsBrowserTest : public SRptEditorBrowserFixture {
protected:
    void SetUp() override {
        SRptEditorBrowserFixture::SetUp();
        // The module's own item follows the built-in ones.
        RPTUSRITEMDEF def = Describe("Sales", "CUSTOMERS", RPT_ITEMKIND_GRPTEXT, "Customers");
        SComWrap<ISRptItem> registered;
        ASSERT_EQ(RptRegisterItem(module.Get(), &def, &registered), S_OK);
        available = new SRptAvailableItemsBrowser(&*view, container.Get(), nullptr);
        available->AddRef();
        available->Create(nullptr, 0);
        // The root as the editor's left pane makes it.
        auto* root = new SRptBrowserNodeAvailable(available, 0);
        root->InitNode(container.Get(), 1, nullptr, nullptr, RPTITEM_LABELINAVAILABLE);
        ASSERT_TRUE(root->IsPlaced());
    }
    void TearDown() override {
        SRptItemEditor::Install(previousEditor);
        available->ReleaseRoot();
        available->Release();
        SRptEditorBrowserFixture::TearDown();
    }
    SRepBrowserNode* Node(const char* itemId) { return NodeOf(available, BuiltIn(itemId).Get()); }
    void Select(std::initializer_list<const char*> itemIds) {
        available->ClearSelection();
        for (const char* id : itemIds) available->Select(Node(id), true);
    }
    int32_t Run(uint32_t id) { return available->OnCmdMsg(id, CN_COMMAND, nullptr, nullptr); }
    // The right side: the template's contents browser as the window's contents pane.
    void ShowTemplate() { view->SetContentsPane(MakeContentsBrowser()); }

    SRptAvailableItemsBrowser* available = nullptr;
    SRptItemEditor* previousEditor = SRptItemEditor::GetInstalled();
};

}  // namespace

TEST_F(SRptAvailableItemsBrowserTest, TheTreeShowsTheModulesItemsUnderTheContainer) {
    ASSERT_EQ(available->GetRootCount(), 1);
    SRepBrowserNode* root = available->GetRoot(0);
    EXPECT_EQ(root->GetISRepObject(), static_cast<ISRepObject*>(container.Get()));
    EXPECT_EQ(NodeIds(root), (Strings{"TBLCTS", "TITLE", "TEXT", "TEXTFILE", "GRAPHICFILE", "PAGEBREAK", "CUSTOMERS"}));
    EXPECT_EQ(available->GetBrowserStyle(), 0x0200610Au);
    EXPECT_EQ(available->GetAvailableItems(), container.Get());
    // Its context menu: Add and Format, stamped with the browser command class.
    HMENU menu = available->GetBrowserCommandsMenu();
    ASSERT_NE(menu, 0u);
    HMENU items = GetSubMenu(menu, 0);
    ASSERT_EQ(GetMenuItemCount(items), 2);
    EXPECT_EQ(GetMenuItemID(items, 0), 45005u);
    EXPECT_EQ(GetMenuItemText(items, 0), "&Add");
    EXPECT_EQ(GetMenuItemID(items, 1), 45006u);
    EXPECT_EQ(GetMenuItemText(items, 1), "&Format...");
    MENUITEMINFOA info;
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(items, 0, 1, &info);
    EXPECT_EQ(info.dwItemData, reinterpret_cast<uintptr_t>(SRptBrowserCommandClass::GetFace()));
}

TEST_F(SRptAvailableItemsBrowserTest, CommandsOfAnEmptyOrMixedSelection) {
    for (uint32_t id : {45005u, 45006u, 45007u, 45008u, 45009u}) EXPECT_FALSE(Enabled(available, id)) << id;
    EXPECT_TRUE(Enabled(available, 45010));
    // The contents commands are never the available items'.
    Select({"TEXT"});
    for (uint32_t id : {45001u, 45002u, 45003u, 45004u, 103u, 115u, 45100u}) EXPECT_FALSE(Enabled(available, id)) << id;
    EXPECT_TRUE(Enabled(available, 45005));
    EXPECT_TRUE(Enabled(available, 45008));

    Select({"TEXT", "TITLE"});
    EXPECT_TRUE(Enabled(available, 45005));
    EXPECT_TRUE(Enabled(available, 45006));
    for (uint32_t id : {45007u, 45008u, 45009u}) EXPECT_FALSE(Enabled(available, id)) << id;

    // The container stands for all its items and cannot be added itself.
    available->Select(available->GetRoot(0), true);
    EXPECT_FALSE(Enabled(available, 45005));
}

TEST_F(SRptAvailableItemsBrowserTest, FormatRunsTheItemsOwnSheetOrTheMixedOneWithoutPageBreaks) {
    SRecordingItemEditor editor;
    previousEditor = SRptItemEditor::Install(&editor);

    Select({"TEXT"});
    Run(45006);
    Select({"TEXT", "TITLE", "PAGEBREAK"});
    Run(45006);
    // A mixed selection gets the mixed sheet whatever the command.
    Run(45008);
    ASSERT_EQ(editor.formats.size(), 3u);
    EXPECT_EQ(editor.formats[0], (std::pair<uint32_t, Strings>{SRptDlgMultiPages::IDD_FORMAT, {"TEXT"}}));
    EXPECT_EQ(editor.formats[1],
              (std::pair<uint32_t, Strings>{SRptDlgMultiPages::IDD_FORMAT_ITEMS, {"TEXT", "TITLE"}}));
    EXPECT_EQ(editor.formats[2], (std::pair<uint32_t, Strings>{SRptDlgMultiPages::IDD_FORMAT_ITEMS, {"TEXT", "TITLE"}}));
}

TEST_F(SRptAvailableItemsBrowserTest, AddAndDoubleClickPutTheItemsIntoTheActiveTemplate) {
    ShowTemplate();
    Select({"TEXT", "PAGEBREAK"});
    available->Select(available->GetRoot(0), true);
    Run(45005);
    EXPECT_EQ(view->addCalls, (Strings{"TEXT", "PAGEBREAK"}));
    EXPECT_EQ(Contents(), (Strings{"TEXT", "PAGEBREAK"}));

    // A double click adds the one item; on the container it does nothing.
    view->addCalls.clear();
    EXPECT_EQ(available->DoubleClick(available->GetRoot(0)), S_OK);
    EXPECT_TRUE(view->addCalls.empty());
    EXPECT_EQ(available->DoubleClick(Node("TBLCTS")), S_OK);
    EXPECT_EQ(view->addCalls, (Strings{"TBLCTS"}));
    EXPECT_EQ(Contents(), (Strings{"TEXT", "PAGEBREAK", "TBLCTS"}));
    EXPECT_EQ(available->OnDoubleClick(nullptr), S_FALSE);
    view->SetContentsPane(nullptr);
}

TEST_F(SRptAvailableItemsBrowserTest, OnlyTemplateItemsMayBeDraggedHereAndOnlyAsAMove) {
    SOleDataObject own(SRepDataSrc::Create({BuiltIn("TEXT").Get()}).Get());
    available->DropEnter(own, 0, POINT{});
    EXPECT_EQ(available->GetDragFlag(), 0);
    EXPECT_EQ(available->DropOver(own, MK_SHIFT, POINT{}), DROPEFFECT_NONE);
    EXPECT_EQ(available->GetDropEffects(own), DROPEFFECT_COPY);
    EXPECT_EQ(available->GetCurrentDropEffect(0, 3), DROPEFFECT_NONE);
    EXPECT_EQ(available->DragDrop(own, available->GetRoot(0)), DROPEFFECT_NONE);

    SComWrap<ISRptItem> placed = Place("TITLE");
    SOleDataObject fromTemplate(SRepDataSrc::Create({BuiltIn("TEXT").Get(), placed.Get()}).Get());
    available->DropEnter(fromTemplate, 0, POINT{});
    EXPECT_EQ(available->GetDragFlag(), 1);
    for (uint32_t keys : {0u, MK_CONTROL, MK_SHIFT})
        EXPECT_EQ(available->DropOver(fromTemplate, keys, POINT{}), DROPEFFECT_MOVE) << keys;
    EXPECT_EQ(available->GetDropEffects(fromTemplate), DROPEFFECT_MOVE);
    EXPECT_EQ(available->GetCurrentDropEffect(0, 3), DROPEFFECT_MOVE);
    EXPECT_EQ(available->GetCurrentDropEffect(0, DROPEFFECT_COPY), DROPEFFECT_NONE);
}

TEST_F(SRptAvailableItemsBrowserTest, FocusAndChangeFontsAndTheCommandClasses) {
    available->SetFocus();
    ASSERT_EQ(view->focusCalls.size(), 1u);
    EXPECT_EQ(view->focusCalls[0], (std::pair<int32_t, int32_t>{1, 0}));
    EXPECT_EQ(view->GetLeftPaneActive(), 1);

    // Cancelled, the fonts stay; the sheet is the "Change Fonts" one.
    script.ExpectDialog(213, IDCANCEL);
    Run(45010);
    ASSERT_FALSE(SInteraction::GetTranscript().empty());
    EXPECT_EQ(SInteraction::GetTranscript().back().caption, "Change Fonts");

    EXPECT_EQ(available->QueryCommandSupport(45005, SRptBrowserCommandClass::GetFace()), S_OK);
    EXPECT_EQ(available->QueryCommandSupport(1, SRptBrowserCommandClass::GetFace()), S_OK);
    EXPECT_EQ(available->QueryCommandSupport(45005, nullptr), S_FALSE);
}
