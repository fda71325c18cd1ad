// The menu that labels its items with the library's command strings.
#include <gtest/gtest.h>

#include "rpt/editor/SRptMenu.h"
#include "varod9/RptApi.h"

namespace {

TEST(SRptMenuTest, LabelsAreTheShortTextAfterTheLineFeedOrTheWholeString) {
    EXPECT_EQ(SRptMenu::GetLabel("Free Text"), "Free Text");
    EXPECT_EQ(SRptMenu::GetLabel("\nLayout"), "Layout");
    EXPECT_EQ(SRptMenu::GetLabel("Modifies the layout of the selected item\nLayout"), "Layout");
    EXPECT_EQ(SRptMenu::GetLabel(""), "");
}

TEST(SRptMenuTest, ItemsGoAtTheEndOrAboveAllOthers) {
    const size_t menusBefore = GetMenuCount();
    {
        SRptMenu menu;
        ASSERT_TRUE(menu.CreatePopupMenu());
        SRptMenu submenu;
        ASSERT_TRUE(submenu.CreatePopupMenu());
        menu.AppendMenu(MF_STRING, 1, "First");
        menu.AppendMenu(MF_SEPARATOR, 0, nullptr);
        // The library's strings: one without a line feed, one with a prompt before it.
        menu.AddPopupMenuItem(5157, 2, 0, 0);
        menu.AddPopupMenuItem(45007, 45007, 1, 0);
        menu.AddPopupMenuItem(5157, static_cast<uint32_t>(submenu.GetSafeHmenu()), 1, 1);
        ASSERT_EQ(menu.GetMenuItemCount(), 5);
        EXPECT_EQ(GetMenuItemText(menu.GetSafeHmenu(), 0), "Free Text");
        EXPECT_EQ(menu.GetSubMenu(0), submenu.GetSafeHmenu());
        EXPECT_EQ(GetMenuItemText(menu.GetSafeHmenu(), 1), "Layout");
        EXPECT_EQ(menu.GetMenuItemID(1), 45007u);
        EXPECT_EQ(GetMenuItemText(menu.GetSafeHmenu(), 2), "First");
        EXPECT_EQ(menu.GetMenuItemID(2), 1u);
        EXPECT_EQ(menu.GetSubMenu(2), 0u);
        // Items put on top move the others down whole, separators too.
        MENUITEMINFOA separator;
        separator.fMask = MIIM_FTYPE;
        ASSERT_TRUE(GetMenuItemInfoA(menu.GetSafeHmenu(), 3, 1, &separator));
        EXPECT_TRUE(separator.fType & MF_SEPARATOR);
        EXPECT_EQ(GetMenuItemText(menu.GetSafeHmenu(), 4), "Free Text");
        EXPECT_EQ(menu.GetMenuItemID(4), 2u);
        // The submenu belongs to the menu now.
        submenu.Detach();
    }
    EXPECT_EQ(GetMenuCount(), menusBefore);
}

}  // namespace
