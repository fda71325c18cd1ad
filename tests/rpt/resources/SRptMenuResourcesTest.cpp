// The context menus of the editor's browsers and browser nodes as the library's module state holds
// them: ids, texts, separators and submenus, in menu order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SModuleState.h"
#include "platform/ui/SMenu.h"
#include "varod9/RptApi.h"

namespace {

// One line per item: "id text", "-" for a separator, and a submenu as its text with its items
// between braces.
void Describe(HMENU menu, std::vector<std::string>& lines) {
    for (int32_t position = 0; position < GetMenuItemCount(menu); ++position) {
        const std::string text = GetMenuItemText(menu, position).c_str();
        if (HMENU submenu = GetSubMenu(menu, position)) {
            lines.push_back(text + " {");
            Describe(submenu, lines);
            lines.push_back("}");
        } else if (GetMenuItemID(menu, position) == 0 && text.empty()) {
            lines.push_back("-");
        } else {
            lines.push_back(std::to_string(GetMenuItemID(menu, position)) + " " + text);
        }
    }
}

// The items of the single popup of menu `id`, loaded as the browsers and nodes load it.
std::vector<std::string> PopupItems(uint32_t id) {
    SModuleStateGuard library(SRptGetModuleState());
    SMenu menu;
    if (!menu.LoadMenu(id)) {
        ADD_FAILURE() << "menu " << id << " does not load";
        return {};
    }
    EXPECT_EQ(menu.GetMenuItemCount(), 1) << "menu " << id << " is one popup";
    std::vector<std::string> lines;
    if (HMENU popup = menu.GetSubMenu(0)) Describe(popup, lines);
    return lines;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(SRptMenuResources, TheContentsBrowsersMenuHoldsMovesCommandsDeletePageSetupAndTheDisplayChoices) {
    EXPECT_EQ(PopupItems(351), (Lines{"45001 &Up",
                                      "45002 &Down",
                                      "45003 &Raise Level",
                                      "45004 &Lower Level",
                                      "-",
                                      "45006 &Format...",
                                      "45007 La&yout...",
                                      "45008 &Edit...",
                                      "45009 &Header/Footer...",
                                      "-",
                                      "115 &Delete",
                                      "103 Page &Setup...",
                                      "-",
                                      "Display &Order {",
                                      "45015 &User",
                                      "45016 &Alphabetical",
                                      "}",
                                      "D&isplay {",
                                      "45011 &All",
                                      "45012 Only &modified ones",
                                      "45013 File &path only",
                                      "45014 File &content only",
                                      "}"}));
    SModuleStateGuard library(SRptGetModuleState());
    const SString* user = SRptGetModuleState()->FindString(45015);
    const SString* alphabetical = SRptGetModuleState()->FindString(45016);
    ASSERT_TRUE(user && alphabetical);
    EXPECT_EQ(*user, "Display user order");
    EXPECT_EQ(*alphabetical, "Display alphabetical order");
}

TEST(SRptMenuResources, TheAvailableItemsBrowserAndTheNodeKindsHaveTheirMenus) {
    EXPECT_EQ(PopupItems(350), (Lines{"45005 &Add", "45006 &Format..."}));
    EXPECT_EQ(PopupItems(317), (Lines{"45260 &Generate in HTML"}));
    EXPECT_EQ(PopupItems(318), (Lines{"45560 &Generate in HTML"}));
    EXPECT_EQ(PopupItems(322), (Lines{"45581 &Select File..."}));
    EXPECT_EQ(PopupItems(324), (Lines{"45591 &Select File..."}));
    EXPECT_EQ(PopupItems(329), (Lines{"45100 &Rename"}));
    EXPECT_EQ(PopupItems(302), (Lines{"45001 &Up", "45002 &Down", "45003 &Raise Level", "45004 &Lower Level", "-",
                                      "45005 &Add", "-", "45006 &Format...", "45007 La&yout...", "45008 &Edit...",
                                      "45009 &Header/Footer...", "45010 &Change Fonts...", "-",
                                      "61439 INSERT MARK"}));

    // The other kinds name menus that the resources do not hold: their nodes go without one.
    SModuleStateGuard library(SRptGetModuleState());
    for (uint32_t id : {305u, 306u, 307u, 308u, 309u, 310u, 311u, 312u, 313u, 314u, 315u, 316u, 319u, 320u, 321u,
                        323u, 325u, 326u, 327u, 328u}) {
        SMenu menu;
        EXPECT_EQ(menu.LoadMenu(id), 0) << "menu " << id;
    }
}
