// The header and footer dialog of a template: the two texts on their tabs, each with its box,
// and the page variables inserted into the text of the tab shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "platform/ui/SScriptedInteraction.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgHeaderFooter.h"
#include "rpt/dialogs/SRptDlgUserScript.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"

namespace {

using namespace stest_dlg_user;

using Dlg = SRptDlgHeaderFooter;

class SRptDlgHeaderFooterTest : public SRptReportWithTemplateFixture {
protected:
    ISRptItem* Item() { return static_cast<ISRptItem*>(templ.Get()); }
    // The tab stops of the header (0) or footer (1) paragraph as "position/alignment".
    std::vector<std::string> Tabs(int32_t position) {
        std::vector<std::string> tabs;
        SComWrap<ISRptPara> para;
        EXPECT_EQ(templ->GetParaAtPos(position, &para), S_OK);
        for (int32_t i = 0; i < para->GetNbTabs(); ++i) {
            SComWrap<ISRptTabulation> tab;
            EXPECT_EQ(para->GetTabPosAtIndex(i, &tab), S_OK);
            tabs.push_back(std::to_string(tab->GetPosition()) + "/" + std::to_string(tab->GetAlignment()));
        }
        return tabs;
    }
};

TEST_F(SRptDlgHeaderFooterTest, TheTwoTextsSitOnTheirTabsEachWithItsBox) {
    Dlg dialog(Item(), "My header", "My footer", "Default header", "Default footer", 0, 1);
    SRptDlgUserScript user([&]() {
        SRptDlgHeaderFooterTabs& tabs = dialog.GetTabs();
        EXPECT_EQ(tabs.GetTabCount(), 2);
        EXPECT_EQ(tabs.GetTabText(0), "Header");
        EXPECT_EQ(tabs.GetTabText(1), "Footer");
        EXPECT_EQ(tabs.GetActiveTabIndex(), Dlg::kHeaderTab);
        EXPECT_EQ(dialog.GetHelpContext(), Dlg::kHelpContext);
        // A header that is not the user's own shows the default, its box clear.
        EXPECT_EQ(Shown(dialog, Dlg::IDC_HEADER_TEXT), "Default header");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_HEADER_USERDEF), 0);
        EXPECT_EQ(Shown(dialog, Dlg::IDC_FOOTER_TEXT), "My footer");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_FOOTER_USERDEF), 1);
        // Only the box of the tab shown is shown; the footer's font comes with its tab.
        EXPECT_TRUE(Visible(dialog, Dlg::IDC_HEADER_USERDEF));
        EXPECT_FALSE(Visible(dialog, Dlg::IDC_FOOTER_USERDEF));
        EXPECT_NE(dialog.GetHeaderFont(), nullptr);
        EXPECT_EQ(dialog.GetFooterFont(), nullptr);
        Set(dialog, Dlg::IDC_TABS, "1");
        EXPECT_EQ(tabs.GetActiveTabIndex(), Dlg::kFooterTab);
        EXPECT_FALSE(Visible(dialog, Dlg::IDC_HEADER_USERDEF));
        EXPECT_TRUE(Visible(dialog, Dlg::IDC_FOOTER_USERDEF));
        EXPECT_NE(dialog.GetFooterFont(), nullptr);
        // Typing a text other than the default makes the header the user's own.
        Set(dialog, Dlg::IDC_HEADER_TEXT, "Sales\t%PAGE%");
        EXPECT_EQ(Checked(dialog, Dlg::IDC_HEADER_USERDEF), 1);
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetHeaderText(), "Sales\t%PAGE%");
    EXPECT_EQ(dialog.GetHeadUserDef(), 1);
    EXPECT_EQ(dialog.GetFooterText(), "My footer");
    EXPECT_EQ(dialog.GetFootUserDef(), 1);
}

TEST_F(SRptDlgHeaderFooterTest, TheInsertMenuPutsPageVariablesIntoTheTextOfTheTabShown) {
    Dlg dialog(Item(), "H ", "F ", "Default header", "Default footer", 1, 1);
    SRptDlgUserScript user([&]() {
        Set(dialog, Dlg::IDC_INSERT, "1");  // "Module Name" into the header
        Set(dialog, Dlg::IDC_TABS, "1");
        Set(dialog, Dlg::IDC_INSERT, "1");  // "Page Number" into the footer
        Set(dialog, Dlg::IDC_INSERT, "1");  // a command of no entry inserts nothing
        return IDOK;
    });
    user.choices = {105, 102, 106};
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(user.menus.size(), 3u);
    const SRptDlgUserScript::Entries expected = {{100, "Current Date"}, {101, "Current Time"}, {102, "Page Number"},
                                                 {103, "Model Name"},   {104, "Model Code"},   {105, "Module Name"}};
    EXPECT_EQ(user.menus[0], expected);
    EXPECT_EQ(dialog.GetHeaderText(), "H %MODULE%");
    EXPECT_EQ(dialog.GetFooterText(), "F %PAGE%");
}

TEST_F(SRptDlgHeaderFooterTest, TheTemplatesCommandStoresTheTextsAndLeavesTheTabStops) {
    const std::vector<std::string> headerTabs = Tabs(0);
    const std::vector<std::string> footerTabs = Tabs(1);
    const SString footer = templ->GetFooter();
    SScriptedInteraction script;
    SInteractionScope scope(&script);
    // A header typed with its date at the centre stop; the footer left as it is.
    script.ExpectDialog(Dlg::IDD, IDOK, {{Dlg::IDC_HEADER_TEXT, "Sales\t%DATE%"}});
    SComTable<ISRepObject> selection;
    selection.Add(templ.Get());
    EXPECT_EQ(templ->HandlePopupCommand(ID_RPT_ITEM_HEADER_FOOTER, selection, nullptr), S_OK);
    EXPECT_TRUE(script.IsComplete());
    EXPECT_TRUE(script.GetUnexpected().empty());
    EXPECT_EQ(templ->GetHeader(), "Sales\t%DATE%");
    EXPECT_TRUE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetFooter(), footer);
    EXPECT_FALSE(templ->GetFootUserDef());
    EXPECT_EQ(Tabs(0), headerTabs);
    EXPECT_EQ(Tabs(1), footerTabs);
}

TEST_F(SRptDlgHeaderFooterTest, ANullTemplateIsRefused) {
    EXPECT_THROW(Dlg(nullptr, "", "", "", "", 0, 0), SECOMException);
}

}  // namespace
