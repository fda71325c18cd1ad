// The browser nodes of the report objects: each kind's menu and command range by the item's state,
// the menus installed from the resources, the child nodes, and the commands a node offers.
#include <gtest/gtest.h>

#include "platform/ui/SMenu.h"
#include "rpt/editor/SRptBrowserCommandClass.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptBrowserNodeTestFixture.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/objs/items/SRptFolderMem.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptGrpTextMem.h"
#include "rpt/objs/items/SRptGrpTitleMem.h"
#include "rpt/objs/items/SRptPageBreakMem.h"
#include "rpt/objs/items/SRptTblCtsMem.h"
#include "rpt/objs/items/SRptTextFileMem.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/items/SRptTitleMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptListMem.h"

namespace {

using SRptBrowserNodeItemTest = SRptBrowserNodeTestFixture;

struct KindRow {
    GUID clsid;
    const char* nodeClass;
    uint32_t menu[2];  // outside a template, inside
    uint32_t first[2];
    uint32_t last[2];
};

const KindRow kKinds[] = {
    {CLSID_SRptText, "SRptBrowserNodeText", {305, 306}, {45200, 45500}, {45209, 45509}},
    {CLSID_SRptTitle, "SRptBrowserNodeTitle", {307, 308}, {45210, 45510}, {45219, 45519}},
    {CLSID_SRptGrpText, "SRptBrowserNodeGrpText", {309, 310}, {45220, 45520}, {45229, 45529}},
    {CLSID_SRptGrpTitle, "SRptBrowserNodeGrpTitle", {311, 312}, {45230, 45530}, {45239, 45539}},
    {CLSID_SRptList, "SRptBrowserNodeList", {313, 314}, {45240, 45540}, {45249, 45549}},
    {CLSID_SRptForm, "SRptBrowserNodeForm", {315, 316}, {45250, 45550}, {45259, 45559}},
    {CLSID_SRptPageBreak, "SRptBrowserNodePageBreak", {317, 318}, {45260, 45560}, {45269, 45569}},
    {CLSID_SRptFolder, "SRptBrowserNodeFolder", {319, 320}, {45270, 45570}, {45279, 45579}},
    {CLSID_SRptGraphicFile, "SRptBrowserNodeGraphicFile", {321, 322}, {45280, 45580}, {45289, 45589}},
    {CLSID_SRptTextFile, "SRptBrowserNodeTextFile", {323, 324}, {45290, 45590}, {45299, 45599}},
    {CLSID_SRptUserGraphic, "SRptBrowserNodeUserGraphic", {325, 326}, {45300, 45600}, {45309, 45609}},
    {CLSID_SRptTblCts, "SRptBrowserNodeTblCts", {327, 328}, {45310, 45610}, {45319, 45619}},
};

// The ids and the item data of a node's installed menu, "id:stamp" with the stamp named.
std::vector<std::pair<uint32_t, uintptr_t>> MenuItems(SRepBrowserEx& browser, ISBrowserNode* node) {
    std::vector<std::pair<uint32_t, uintptr_t>> items;
    HMENU menu = browser.GetNodeContextMenu(node);
    if (!menu) return items;
    HMENU popup = GetSubMenu(menu, 0);
    for (int32_t i = 0; i < GetMenuItemCount(popup); ++i) {
        MENUITEMINFOA info;
        info.fMask = MIIM_ID | MIIM_DATA;
        GetMenuItemInfoA(popup, static_cast<uint32_t>(i), 1, &info);
        items.emplace_back(info.wID, info.dwItemData);
    }
    return items;
}

uintptr_t Stamp(ISShellCommandClass* commandClass) {
    return reinterpret_cast<uintptr_t>(commandClass);
}

ISShellCommandClass* TemplateViewCommands() {
    return SRptShellModule::GetTemplateViewClass()->GetCommandClassFace();
}

ISShellCommandClass* ReportViewCommands() {
    return SRptShellModule::GetReportViewClass()->GetCommandClassFace();
}

}  // namespace

TEST_F(SRptBrowserNodeItemTest, EachKindNamesItsMenuAndCommandRangeByWhereTheItemIs) {
    for (const KindRow& kind : kKinds) {
        SComWrap<ISRptItem> item = Free(kind.clsid, kind.nodeClass);
        ASSERT_TRUE(item) << kind.nodeClass;
        SRptBrowserNodeItem* node = NodeOf(item.Get());
        ASSERT_NE(node, nullptr) << kind.nodeClass;
        EXPECT_TRUE(node->GetClassInfo()->HasName(kind.nodeClass));
        EXPECT_TRUE(node->IsKindOf(&SRptBrowserNodeItem::classSRptBrowserNodeItem));
        for (int inside = 0; inside < 2; ++inside) {
            item->PutInTemplate(inside == 1);
            EXPECT_EQ(node->GetContextMenuID(), kind.menu[inside]) << kind.nodeClass << " inside " << inside;
            EXPECT_EQ(node->GetFirstCommandID(), kind.first[inside]) << kind.nodeClass;
            EXPECT_EQ(node->GetLastCommandID(), kind.last[inside]) << kind.nodeClass;
            EXPECT_EQ(node->AcceptsMultiSelection(kind.first[inside]), 0);
        }
        item->PutInTemplate(false);
    }

    // The template's menu and range stay whatever its state; the container has none.
    SRptBrowserNodeItem* root = ShowTemplate();
    EXPECT_TRUE(root->GetClassInfo()->HasName("SRptBrowserNodeTemplate"));
    for (bool inside : {true, false}) {
        TemplateItem()->PutInTemplate(inside);
        EXPECT_EQ(root->GetContextMenuID(), 329u);
        EXPECT_EQ(root->GetFirstCommandID(), 45620u);
        EXPECT_EQ(root->GetLastCommandID(), 45629u);
    }
    TemplateItem()->PutInTemplate(true);
    SComWrap<ISRptItem> container = Free(CLSID_SRptAvailableItems, "Available");
    SRptBrowserNodeItem* available = NodeOf(container.Get(), false);
    EXPECT_TRUE(available->GetClassInfo()->HasName("SRptBrowserNodeAvailable"));
    EXPECT_EQ(available->GetContextMenuID(), 0u);
    EXPECT_EQ(available->GetFirstCommandID(), 0u);
    EXPECT_EQ(available->GetLastCommandID(), 0u);
    EXPECT_EQ(browser.GetNodeContextMenu(available), HMENU{0});
    EXPECT_TRUE(available->GetNodeInfos().empty());
}

TEST_F(SRptBrowserNodeItemTest, TheMenuComesFromTheResourcesOfTheItemsState) {
    const size_t menusBefore = GetMenuCount();
    SComWrap<ISRptItem> picture = Free(CLSID_SRptGraphicFile, "Picture");
    SRptBrowserNodeItem* outside = NodeOf(picture.Get());
    // The graphic file of an available-items container has no menu; in a template "&Select File...".
    EXPECT_EQ(browser.GetNodeContextMenu(outside), HMENU{0});
    picture->PutInTemplate(true);
    SRptBrowserNodeItem* inside = NodeOf(picture.Get());
    EXPECT_EQ(MenuItems(browser, inside),
              (std::vector<std::pair<uint32_t, uintptr_t>>{{45581, Stamp(TemplateViewCommands())}}));
    EXPECT_EQ(GetMenuItemText(GetSubMenu(browser.GetNodeContextMenu(inside), 0), 0), "&Select File...");
    EXPECT_EQ(inside->GetNodeInfos().size(), 1u);
    EXPECT_EQ(inside->GetNodeInfos()[0].mask, 0x80u);
    EXPECT_EQ(inside->GetNodeInfos()[0].value, 2);

    // A page break offers "&Generate in HTML" under the id of its state; a report editor's node
    // commands come with the report view class.
    SComWrap<ISRptItem> pageBreak = Free(CLSID_SRptPageBreak, "Break");
    EXPECT_EQ(MenuItems(browser, NodeOf(pageBreak.Get(), false)),
              (std::vector<std::pair<uint32_t, uintptr_t>>{{45260, Stamp(ReportViewCommands())}}));
    pageBreak->PutInTemplate(true);
    EXPECT_EQ(MenuItems(browser, NodeOf(pageBreak.Get(), false)),
              (std::vector<std::pair<uint32_t, uintptr_t>>{{45560, Stamp(ReportViewCommands())}}));

    // The template's "&Rename" is one of the browser's own commands; its node is told twice.
    SRptBrowserNodeItem* root = ShowTemplate();
    EXPECT_EQ(MenuItems(browser, root),
              (std::vector<std::pair<uint32_t, uintptr_t>>{{45100, Stamp(SRptBrowserCommandClass::GetFace())}}));
    ASSERT_EQ(root->GetNodeInfos().size(), 2u);
    EXPECT_EQ(root->GetNodeInfos()[0].value, 2);
    EXPECT_EQ(root->GetNodeInfos()[1].value, 1);
    EXPECT_EQ(root->GetNodeInfos()[1].mask, 0x80u);

    browser.ReleaseRoot();
    EXPECT_EQ(GetMenuCount(), menusBefore);
}

TEST_F(SRptBrowserNodeItemTest, TheTemplateShowsItsItemsTreeUnderTheirLabelsInTheTemplate) {
    SComWrap<ISRptItem> folder = Place(Free(CLSID_SRptTitle, "Chapter").Get());
    Place(Free(CLSID_SRptText, "Intro").Get(), folder.Get());
    Place(Free(CLSID_SRptPageBreak, "Break").Get());

    SRptBrowserNodeItem* root = ShowTemplate();
    EXPECT_EQ(root->GetChildCollectionID(), 0x02000151);
    ASSERT_EQ(root->GetChildCount(), 2);
    SRptBrowserNodeItem* chapter = Child(root, 0);
    EXPECT_TRUE(chapter->GetClassInfo()->HasName("SRptBrowserNodeTitle"));
    EXPECT_EQ(chapter->GetLabelAttribute(), 0x0100000B);
    EXPECT_EQ(chapter->GetEditorKind(), 1);
    EXPECT_EQ(chapter->GetContextMenuID(), 308u);
    ASSERT_EQ(chapter->GetChildCount(), 1);
    EXPECT_TRUE(Child(chapter, 0)->GetClassInfo()->HasName("SRptBrowserNodeText"));
    EXPECT_TRUE(Child(root, 1)->GetClassInfo()->HasName("SRptBrowserNodePageBreak"));

    // An item inserted into the template gets its node, and the template node refreshes.
    SComWrap<ISRptItem> added = Place(Free(CLSID_SRptText, "Closing").Get());
    EXPECT_EQ(root->OnObjColInsert(nullptr, static_cast<ISRepObject*>(added.Get()), 2), S_OK);
    EXPECT_EQ(root->GetLastRefresh(), 22);
    ASSERT_EQ(root->GetChildCount(), 3);
    EXPECT_EQ(Child(root, 2)->GetISRepObject(), static_cast<ISRepObject*>(added.Get()));
}

TEST_F(SRptBrowserNodeItemTest, RenameStartsEditingTheTemplatesLabel) {
    SRptBrowserNodeItem* root = ShowTemplate();
    EXPECT_EQ(root->OnCommand(45100, SRptBrowserCommandClass::GetFace()), S_OK);
    EXPECT_EQ(browser.GetEditedNode(), root);
    browser.EndLabelEdit("", true);
    SRptBrowserNodeItem* text = NodeOf(Place(Free(CLSID_SRptText, "Text").Get()).Get());
    EXPECT_EQ(text->OnCommand(45100, SRptBrowserCommandClass::GetFace()), S_FALSE);
}

TEST_F(SRptBrowserNodeItemTest, KindCommandsAreOfferedForOneSelectedNodeOnly) {
    SRptBrowserNodeItem* root = ShowTemplate();
    SComWrap<ISRptItem> text = Place(Free(CLSID_SRptText, "Text").Get());
    SComWrap<ISRptItem> title = Place(Free(CLSID_SRptTitle, "Title").Get());
    root->GetISBrowserNode()->Refresh(0);
    SRptBrowserNodeItem* textNode = Child(root, 0);
    ISShellCommandClass* nodeCommands = TemplateViewCommands();

    browser.Select(textNode);
    EXPECT_EQ(textNode->QueryCommandSupport(45500, nodeCommands), S_OK);
    EXPECT_EQ(textNode->QueryCommandSupport(45509, nodeCommands), S_OK);
    EXPECT_EQ(textNode->QueryCommandSupport(45510, nodeCommands), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45200, nodeCommands), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45008, nodeCommands), S_OK);
    // Only the node's own kinds of command class are answered.
    EXPECT_EQ(textNode->QueryCommandSupport(45500, ReportViewCommands()), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45500, nullptr), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45010, SRptBrowserCommandClass::GetFace()), S_OK);

    browser.Select(Child(root, 1), true);
    EXPECT_EQ(textNode->QueryCommandSupport(45500, nodeCommands), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45008, nodeCommands), S_FALSE);
    EXPECT_EQ(textNode->QueryCommandSupport(45006, nodeCommands), S_OK);
    EXPECT_EQ(textNode->QueryCommandSupport(45010, nodeCommands), S_OK);
}

TEST_F(SRptBrowserNodeItemTest, FormatIsOfferedWhenEverySelectedItemHasOnePageBreaksAside) {
    SRptBrowserNodeItem* root = ShowTemplate();
    Place(Free(CLSID_SRptText, "Text").Get());
    Place(Free(CLSID_SRptPageBreak, "Break").Get());
    root->GetISBrowserNode()->Refresh(0);
    ISShellCommandClass* commands = SRptBrowserCommandClass::GetFace();
    SRptBrowserNodeItem* text = Child(root, 0);
    SRptBrowserNodeItem* pageBreak = Child(root, 1);

    browser.Select(pageBreak);
    EXPECT_EQ(pageBreak->QueryCommandSupport(45006, commands), S_FALSE);
    browser.Select(text, true);
    EXPECT_EQ(pageBreak->QueryCommandSupport(45006, commands), S_OK);
    browser.Select(root, true);  // a template has no format
    EXPECT_EQ(pageBreak->QueryCommandSupport(45006, commands), S_FALSE);
}

TEST_F(SRptBrowserNodeItemTest, EditingCommandsFollowTheItemsPlaceAndKind) {
    SRptBrowserNodeItem* root = ShowTemplate();
    Place(Free(CLSID_SRptText, "First").Get());
    Place(Free(CLSID_SRptText, "Second").Get());
    root->GetISBrowserNode()->Refresh(0);
    SRptBrowserNodeItem* first = Child(root, 0);
    SRptBrowserNodeItem* second = Child(root, 1);
    SComWrap<ISRptItem> available = Free(CLSID_SRptText, "Available");
    SRptBrowserNodeItem* availableNode = NodeOf(available.Get(), false);
    SComWrap<ISRptItem> container = Free(CLSID_SRptAvailableItems, "Container");
    ISShellCommandClass* commands = SRptBrowserCommandClass::GetFace();
    browser.Select(first);

    // Delete for items in a template, never the template; Rename and Page Setup the other way.
    EXPECT_EQ(first->QueryCommandSupport(115, commands), S_OK);
    EXPECT_EQ(root->QueryCommandSupport(115, commands), S_FALSE);
    EXPECT_EQ(availableNode->QueryCommandSupport(115, commands), S_FALSE);
    for (uint32_t id : {103u, 45100u}) {
        EXPECT_EQ(root->QueryCommandSupport(id, commands), S_OK) << id;
        EXPECT_EQ(first->QueryCommandSupport(id, commands), S_FALSE) << id;
    }
    // Add only for an available item, not for the container itself.
    EXPECT_EQ(availableNode->QueryCommandSupport(45005, commands), S_OK);
    EXPECT_EQ(first->QueryCommandSupport(45005, commands), S_FALSE);
    EXPECT_EQ(NodeOf(container.Get(), false)->QueryCommandSupport(45005, commands), S_FALSE);
    // The moves follow the item's own rules, and only inside a template.
    EXPECT_EQ(first->QueryCommandSupport(45001, commands), S_FALSE);
    EXPECT_EQ(first->QueryCommandSupport(45002, commands), S_OK);
    EXPECT_EQ(second->QueryCommandSupport(45001, commands), S_OK);
    EXPECT_EQ(second->QueryCommandSupport(45002, commands), S_FALSE);
    EXPECT_EQ(first->QueryCommandSupport(45003, commands), S_FALSE);
    EXPECT_EQ(first->QueryCommandSupport(45004, commands), S_FALSE);
    EXPECT_EQ(root->QueryCommandSupport(45002, commands), S_FALSE);
    // The template offers Header/Footer, a text Edit; neither offers the display commands.
    EXPECT_EQ(root->QueryCommandSupport(45009, commands), S_OK);
    EXPECT_EQ(first->QueryCommandSupport(45009, commands), S_FALSE);
    EXPECT_EQ(first->QueryCommandSupport(45011, commands), S_FALSE);
    EXPECT_EQ(first->QueryCommandSupport(45015, commands), S_FALSE);
}
