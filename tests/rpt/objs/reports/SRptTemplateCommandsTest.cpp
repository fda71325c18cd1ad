// A template's commands in the editor: the page set-up, which rescales the header and footer
// tab stops to the new printable width, the header and footer dialog, the commands it declares,
// and its browser node.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/ui/SPageSetupDlg.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/dialogs/SRptDlgHeaderFooter.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "rpt/objs/reports/SRptTemplateMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "support/STestPrinterScope.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTabulation.h"
#include "varod9/ISRptTemplate.h"

namespace {

// Puts every prompt to the scripted interaction and notes the module state current when it comes.
class SStateNotingScript : public SInteractionScript {
public:
    explicit SStateNotingScript(SInteractionScript& script) : m_script(script) {}
    SAnswer Answer(const SPrompt& prompt) override {
        states.push_back(&SModuleState::GetCurrent());
        return m_script.Answer(prompt);
    }
    std::vector<SModuleState*> states;

private:
    SInteractionScript& m_script;
};

// A template of a report on a printer whose A4 page (21000 wide) has margins of 2000 on the left
// and on the right: a printable width of 17000, so that the template's header has a right stop
// at 17000 and its footer a centre stop at 8500 and a right one at 17000.
class SRptTemplateCommands : public SRptReportWithTemplateFixture {
protected:
    void SetUp() override {
        printer->SetPaperSize(DMPAPER_A4);
        printer->SetOrientation(DMORIENT_PORTRAIT);
        printer->SetMargins(RECT{2000, 1000, 2000, 1200});
        printer->SetMinMargins(RECT{400, 400, 400, 400});
        SInteraction::ClearTranscript();
        previousScript = SInteraction::SetScript(&noting);
        SRptReportWithTemplateFixture::SetUp();
    }
    void TearDown() override {
        SRptReportWithTemplateFixture::TearDown();
        SInteraction::SetScript(previousScript);
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
    }

    HRESULT Command(uint32_t id) {
        SComTable<ISRepObject> selection;
        selection.Add(templ.Get());
        return templ->HandlePopupCommand(id, selection, nullptr);
    }
    void ExpectPageSetup(int32_t button, std::map<int32_t, SString> values = {}) {
        SAnswer answer;
        answer.button = button;
        answer.controlValues = std::move(values);
        script.Expect(SPrompt::PageSetupDialog, "", answer);
    }
    void ExpectHeaderFooter(int32_t button, std::map<int32_t, SString> values = {}) {
        SAnswer answer;
        answer.button = button;
        answer.controlValues = std::move(values);
        script.Expect(SPrompt::Dialog, "228", answer);
    }
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

    static const std::vector<SPrompt>& Transcript() { return SInteraction::GetTranscript(); }

    STestPrinterScope printer;
    SScriptedInteraction script;
    SStateNotingScript noting{script};
    SInteractionScript* previousScript = nullptr;
};

using Strings = std::vector<std::string>;
using Prompt = SPageSetupDlg;

}  // namespace

// ---- page set-up ----

TEST_F(SRptTemplateCommands, ALeftMarginMovedFrom2000To2500ShiftsEveryTabStop500ToTheRight) {
    ASSERT_EQ(Tabs(0), (Strings{"17000/3"}));
    ASSERT_EQ(Tabs(1), (Strings{"8500/2", "17000/3"}));
    // The printable width stays 17000.
    ExpectPageSetup(IDOK, {{Prompt::IDC_MARGIN_LEFT, "2500"}, {Prompt::IDC_MARGIN_RIGHT, "1500"}});
    EXPECT_EQ(Command(ID_FILE_PAGE_SETUP), S_OK);
    EXPECT_EQ(Tabs(0), (Strings{"17500/3"}));
    EXPECT_EQ(Tabs(1), (Strings{"9000/2", "17500/3"}));
    EXPECT_EQ(templ->GetMargin(), (RECT{2500, 1000, 1500, 1200}));
    EXPECT_EQ(templ->GetMinMargin(), (RECT{400, 400, 400, 400}));
    EXPECT_EQ(templ->GetPaperSize(), (POINT{21000, 29700}));
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].caption, "Page Setup");
    EXPECT_EQ(noting.states, (std::vector<SModuleState*>{SRptGetModuleState()}));
}

TEST_F(SRptTemplateCommands, AHalvedPrintableWidthTakesTheMiddleAndTheRightEdgeAlong) {
    // A centred stop in the middle of the printable width and a right one at its right edge.
    const RPTTABPOS tabs[] = {{10500, RPT_TABPOS_ALIGN_CENTER}, {19000, RPT_TABPOS_ALIGN_RIGHT}};
    RPTHEADERFOOTERDEF def;
    def.HeaderText = templ->GetHeader();
    def.FooterText = templ->GetFooter();
    def.HeaderTabCount = 2;
    def.HeaderTabs = tabs;
    ASSERT_EQ(templ->SetHeaderFooter(&def), S_OK);
    // 21000 - 2000 - 10500: a printable width of 8500.
    ExpectPageSetup(IDOK, {{Prompt::IDC_MARGIN_RIGHT, "10500"}});
    EXPECT_EQ(Command(ID_FILE_PAGE_SETUP), S_OK);
    EXPECT_EQ(Tabs(0), (Strings{"6250/2", "10500/3"}));
}

TEST_F(SRptTemplateCommands, ACancelledPageSetUpLeavesTheTemplateAndTheCacheWithItsSettings) {
    templ->PutMargin(RECT{3000, 1000, 3000, 1200});
    ExpectPageSetup(IDCANCEL, {{Prompt::IDC_MARGIN_LEFT, "2500"}});
    EXPECT_EQ(Command(ID_FILE_PAGE_SETUP), S_OK);
    EXPECT_EQ(templ->GetMargin(), (RECT{3000, 1000, 3000, 1200}));
    EXPECT_EQ(Tabs(1), (Strings{"8500/2", "17000/3"}));
    EXPECT_EQ(printer->GetMargins(), (RECT{3000, 1000, 3000, 1200}));
}

TEST_F(SRptTemplateCommands, WithoutAnOldPrintableWidthThePageIsStoredAndTheTabsStay) {
    // Paper widths that leave the old printable width 0, then less than 0.
    for (int32_t width : {4000, 3000}) {
        templ->PutPaperSize(POINT{width, 29700});
        ExpectPageSetup(IDOK, {{Prompt::IDC_MARGIN_LEFT, "2500"}});
        EXPECT_EQ(Command(ID_FILE_PAGE_SETUP), S_OK) << width;
        EXPECT_EQ(Tabs(0), (Strings{"17000/3"})) << width;
        EXPECT_EQ(Tabs(1), (Strings{"8500/2", "17000/3"})) << width;
        EXPECT_EQ(templ->GetMargin().left, 2500) << width;
        EXPECT_EQ(templ->GetPaperSize(), (POINT{21000, 29700})) << width;
    }
}

// ---- header and footer ----

TEST_F(SRptTemplateCommands, ACancelledHeaderFooterDialogChangesNothing) {
    templ->PutHeader("Mine");
    ExpectHeaderFooter(
        IDCANCEL, {{SRptDlgHeaderFooter::IDC_HEADER_TEXT, "Other"}, {SRptDlgHeaderFooter::IDC_FOOTER_USERDEF, "1"}});
    EXPECT_EQ(Command(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->GetHeader(), "Mine");
    EXPECT_FALSE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetFooter(), "Report Editor\t%DATE%\tPage %PAGE%");
    EXPECT_FALSE(templ->GetFootUserDef());
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].caption, "Header and Footer");
    EXPECT_EQ(noting.states, (std::vector<SModuleState*>{SRptGetModuleState()}));
}

TEST_F(SRptTemplateCommands, AHeaderThatFollowsTheDefaultIsSavedAsTheDefaultText) {
    templ->PutHeader("Mine");
    ExpectHeaderFooter(IDOK);
    EXPECT_EQ(Command(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->GetHeader(), "%MODULE%\t%MODELNAME%");
    EXPECT_FALSE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetDispHeader(), report->GetExTitle(1));
}

TEST_F(SRptTemplateCommands, TypingAnotherTextMakesItTheUsersOwnAndClearingTheBoxGivesTheDefaultBack) {
    ExpectHeaderFooter(IDOK, {{SRptDlgHeaderFooter::IDC_HEADER_TEXT, "Sales\t%PAGE%"}, {SRptDlgHeaderFooter::IDC_FOOTER_TEXT, "Confidential"}});
    EXPECT_EQ(Command(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->GetHeader(), "Sales\t%PAGE%");
    EXPECT_TRUE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetFooter(), "Confidential");
    EXPECT_TRUE(templ->GetFootUserDef());
    EXPECT_EQ(templ->GetDispHeader(), "Sales\t%PAGE%");

    // The header's box cleared shows the default again; the footer typed back to its default
    // is no longer the user's own.
    ExpectHeaderFooter(IDOK, {{SRptDlgHeaderFooter::IDC_HEADER_USERDEF, "0"},
                              {SRptDlgHeaderFooter::IDC_FOOTER_TEXT, "Report Editor\t%DATE%\tPage %PAGE%"}});
    EXPECT_EQ(Command(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->GetHeader(), "%MODULE%\t%MODELNAME%");
    EXPECT_FALSE(templ->GetHeadUserDef());
    EXPECT_EQ(templ->GetFooter(), "Report Editor\t%DATE%\tPage %PAGE%");
    EXPECT_FALSE(templ->GetFootUserDef());

    // Ticked again, the box shows the user's text the dialog was opened with: the default now.
    ExpectHeaderFooter(IDOK, {{SRptDlgHeaderFooter::IDC_HEADER_USERDEF, "1"}});
    EXPECT_EQ(Command(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->GetHeader(), "%MODULE%\t%MODELNAME%");
    EXPECT_TRUE(templ->GetHeadUserDef());
}

// ---- declared commands and the browser node ----

TEST_F(SRptTemplateCommands, OnlyTheHeaderFooterCommandIsDeclaredAndOtherCommandsAreNotHandled) {
    EXPECT_EQ(templ->IsItemSupportCommand(ID_RPT_ITEM_HEADER_FOOTER), S_OK);
    EXPECT_EQ(templ->IsItemSupportCommand(ID_FILE_PAGE_SETUP), S_FALSE);
    EXPECT_EQ(templ->IsItemSupportCommand(ID_RPT_ITEM_FORMAT), S_FALSE);
    const SString header = templ->GetHeader();
    for (uint32_t id : {ID_RPT_ITEM_FORMAT, ID_RPT_ITEM_EDIT, 0u}) EXPECT_EQ(Command(id), S_FALSE) << id;
    EXPECT_TRUE(Transcript().empty());
    EXPECT_EQ(templ->GetHeader(), header);
}

TEST_F(SRptTemplateCommands, ItsBrowserNodeIsTheEditorsTemplateNode) {
    SRptBrowserNodeItem* node = nullptr;
    EXPECT_EQ(templ->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 7, true, &node), E_FAIL);  // nowhere to go
    EXPECT_EQ(node, nullptr);
    STestItemEditor editor;
    STestItemEditorScope installed(&editor);
    EXPECT_EQ(templ->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 7, true, nullptr), E_POINTER);
    EXPECT_EQ(templ->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 7, true, &node), S_OK);
    EXPECT_EQ(node, reinterpret_cast<SRptBrowserNodeItem*>(&editor.token));
    EXPECT_EQ(editor.nodeKind, SRptBrowserNodeKind::Template);
    EXPECT_TRUE(editor.nodeInTemplateEditor);
    EXPECT_TRUE(SComWrap<IUnknown>(editor.bound.item).IsEqualObject(templ.Get()));
    EXPECT_EQ(editor.bound.draggable, 2u);
    EXPECT_EQ(editor.bound.dispid, 7);
    editor.makeNoNode = true;
    EXPECT_EQ(templ->CreateBrowserNode(nullptr, 0, nullptr, nullptr, 7, true, &node), E_OUTOFMEMORY);
}
