// The "Change Fonts" dialog: the font kinds it lists, the one kind kept selected and shown on its
// page, OK making the edited fonts the defaults and storing them, and the opener giving the
// edited report its new fonts.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/ui/SScriptedInteraction.h"
#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgChangeFonts.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "support/SRptItemTestFixture.h"
#include "rpt/dialogs/SRptDialogUser.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptReport.h"

namespace {

const std::vector<SString> kKindNames = {
    "Header",         "Footer",        "Report Title",       "Optional Fields", "TOC Title", "Level 1",
    "Level 2",        "Level 3",       "Level 4",            "Level 5",         "Level 6",   "Level 7",
    "Level 8",        "Level 9",       "Title",              "Free Text",       "List Title", "List Column Header",
    "List Text",      "Book Title",    "Folder Title",       "Card Title",      "Card Label", "Card Text",
    "Text Attribute Title", "Text Attribute", "Text File"};

// Over an empty settings store and report fonts not yet loaded; both are put back afterwards.
class SRptDlgChangeFontsTest : public SRptItemTestFixture {
protected:
    void SetUp() override {
        m_settings = SSettingsStore::Get().GetKeys();
        SSettingsStore::Get().Clear();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SRptItemTestFixture::SetUp();
        SInteraction::ClearTranscript();
        m_scope.emplace(&script);
    }
    void TearDown() override {
        m_scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        SInteraction::ClearTranscript();
        SRptItemTestFixture::TearDown();
        SRptFont::DestroyTables();
        SRptFont::ConstructTables();
        SSettingsStore::Get().GetKeys() = m_settings;
    }

    // Runs the dialog with `act` as the user.
    static int32_t Run(SRptDlgChangeFonts& dialog, std::function<int32_t()> act) {
        SRptDialogUser user([&] { return SRptDialogUser::Press(act()); });
        return dialog.DoModal();
    }
    static std::vector<SString> Entries(SListBoxCtrl& list) {
        std::vector<SString> texts;
        for (int32_t i = 0; i < list.GetCount(); ++i) texts.push_back(list.GetText(i));
        return texts;
    }
    static SString Shown(SRptDlgChangeFonts& dialog, int32_t control) {
        SWnd* box = dialog.GetChangeFontPage().FindControl(control);
        return box ? box->GetWindowText() : SString("no control");
    }
    static int32_t Checked(SRptDlgChangeFonts& dialog, int32_t control) {
        SWnd* box = dialog.GetChangeFontPage().FindControl(control);
        return box ? static_cast<int32_t>(box->SendMessage(BM_GETCHECK)) : -1;
    }
    // Sets a control as the user would.
    static void Choose(SWnd& control, const char* value) {
        control.SendMessage(SWM_USERVALUE, 0, reinterpret_cast<LPARAM>(value));
    }
    static void Choose(SRptDlgChangeFonts& dialog, int32_t control, const char* value) {
        Choose(*dialog.GetChangeFontPage().FindControl(control), value);
    }
    static void Click(SRptDlgListBoxCtrl& list, int32_t entry, WPARAM keys) {
        const LPARAM point = MAKELPARAM(4, static_cast<uint16_t>(entry * 16 + 4));
        list.SendMessage(WM_LBUTTONDOWN, keys, point);
        list.SendMessage(WM_LBUTTONUP, keys, point);
    }
    static SString Stored(const char* name) {
        SString value;
        SRegistry(HKEY_CURRENT_USER, SRptFont::GetRegistryKey(), 0).GetProfile(name, &value, SString("absent"));
        return value;
    }
    SComWrap<ISRptPara> ReportPara(ISRptReport* report, int32_t position) {
        SComWrap<ISRptPara> para;
        EXPECT_EQ(report->GetParaAtPos(position, &para), S_OK);
        return para;
    }
    SComWrap<ISRptReport> NewReport() {
        SComWrap<ISRptReport> report;
        EXPECT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&report), ISRptReport::iid), S_OK);
        return report;
    }

    SScriptedInteraction script;

private:
    std::optional<SInteractionScope> m_scope;
    SSettingsStore::Keys m_settings;
};

}  // namespace

TEST_F(SRptDlgChangeFontsTest, OpensOnTheHeaderWithTheTwentySevenKindsAndOneFontPage) {
    SRptDlgChangeFonts dialog;
    EXPECT_EQ(dialog.GetPageCount(), 1);
    EXPECT_NE(dialog.m_psh.dwFlags & PSH_NOAPPLYNOW, 0u);
    const int32_t ended = Run(dialog, [&] {
        EXPECT_EQ(dialog.GetCaption(), "Change Fonts");
        EXPECT_EQ(Entries(dialog.GetListBox()), kKindNames);
        EXPECT_EQ(dialog.GetListBox().GetSelItems(), std::vector<int32_t>{0});
        EXPECT_EQ(dialog.GetActivePage(), &dialog.GetChangeFontPage());
        // The header's built-in font: Arial, regular, 10 points.
        EXPECT_EQ(Shown(dialog, IDC_FONT_FACE), "Arial");
        EXPECT_EQ(Shown(dialog, IDC_FONT_STYLE), "Regular");
        EXPECT_EQ(Shown(dialog, IDC_FONT_SIZE), "10");
        EXPECT_EQ(dialog.FindControl(12321), nullptr) << "an Apply button";
        return IDCANCEL;
    });
    EXPECT_EQ(ended, IDCANCEL);
}

TEST_F(SRptDlgChangeFontsTest, EachKindKeepsItsEditAcrossSwitchesAndCancelStoresNothing) {
    SRptDlgChangeFonts dialog;
    Run(dialog, [&] {
        SRptDlgListBoxCtrl& list = dialog.GetListBox();
        Choose(dialog, IDC_FONT_SIZE, "14");
        Choose(list, "Title");
        // The title kind's built-in font: bold and underlined, 12 points.
        EXPECT_EQ(dialog.GetCurrentKind(), 14);
        EXPECT_EQ(Shown(dialog, IDC_FONT_STYLE), "Bold");
        EXPECT_EQ(Shown(dialog, IDC_FONT_SIZE), "12");
        EXPECT_EQ(Checked(dialog, IDC_FONT_UNDERLINE), BST_CHECKED);
        Choose(dialog, IDC_FONT_FACE, "Times New Roman");
        Choose(list, "Header");
        EXPECT_EQ(Shown(dialog, IDC_FONT_SIZE), "14");
        EXPECT_EQ(Shown(dialog, IDC_FONT_FACE), "Arial");
        Choose(list, "Title");
        EXPECT_EQ(Shown(dialog, IDC_FONT_FACE), "Times New Roman");
        return IDCANCEL;
    });
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 10);
    EXPECT_EQ(SRptFont::GetDefaultFontName(14), "Arial");
    EXPECT_EQ(Stored("Header Font Size"), "absent");
}

TEST_F(SRptDlgChangeFontsTest, OKMakesTheFontsTheStoredDefaultsThatTheNextOpeningShows) {
    {
        SRptDlgChangeFonts dialog;
        const int32_t ended = Run(dialog, [&] {
            Choose(dialog, IDC_FONT_SIZE, "14");
            Choose(dialog.GetListBox(), "Card Label");
            Choose(dialog, IDC_FONT_FACE, "Courier New");
            Choose(dialog, IDC_FONT_STYLE, "Bold Italic");
            // OK takes the font still on the page.
            return IDOK;
        });
        EXPECT_EQ(ended, IDOK);
    }
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 14);
    EXPECT_EQ(SRptFont::GetDefaultFontName(22), "Courier New");
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(22), 3);
    EXPECT_EQ(Stored("Header Font Size"), "14");
    EXPECT_EQ(Stored("Form Label Font Name"), "Courier New");
    EXPECT_EQ(Stored("Form Label Font Style"), "3");
    // Every kind is written, the untouched ones with their built-in values.
    EXPECT_EQ(Stored("Text File Font Name"), "Arial");
    EXPECT_EQ(Stored("TOC Title Font Style"), "5");
    EXPECT_EQ(Stored("Report Title Font Size"), "14");

    // A fresh process reads them back from the settings.
    SRptFont::DestroyTables();
    SRptFont::ConstructTables();
    SRptDlgChangeFonts again;
    Run(again, [&] {
        EXPECT_EQ(Shown(again, IDC_FONT_SIZE), "14");
        Choose(again.GetListBox(), "Card Label");
        EXPECT_EQ(Shown(again, IDC_FONT_FACE), "Courier New");
        EXPECT_EQ(Shown(again, IDC_FONT_STYLE), "Bold Italic");
        return IDCANCEL;
    });
}

TEST_F(SRptDlgChangeFontsTest, ExactlyOneKindStaysSelectedWhateverTheClickOrKey) {
    SRptDlgChangeFonts dialog;
    Run(dialog, [&] {
        SRptDlgListBoxCtrl& list = dialog.GetListBox();
        Click(list, 3, MK_CONTROL);
        EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>{3});
        Click(list, 5, MK_SHIFT);
        EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>{5});
        list.SendMessage(WM_KEYDOWN, VK_DOWN, 1);
        EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>{6});
        EXPECT_EQ(dialog.GetCurrentKind(), 6);
        return IDCANCEL;
    });
}

TEST_F(SRptDlgChangeFontsTest, ACaretOnNoKindLeavesTheKindAndItsFontAlone) {
    SRptDlgChangeFonts dialog;
    Run(dialog, [&] {
        SRptDlgListBoxCtrl& list = dialog.GetListBox();
        Choose(list, "Book Title");
        for (int32_t caret : {27, -1, 1000}) {
            list.SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(caret));
            dialog.OnItemsSelChanged();
            EXPECT_EQ(dialog.GetCurrentKind(), 19) << caret;
            EXPECT_EQ(list.GetSelItems(), std::vector<int32_t>{19}) << caret;
            EXPECT_EQ(Shown(dialog, IDC_FONT_SIZE), "12") << caret;
        }
        return IDOK;
    });
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(19), 12);
    EXPECT_EQ(SRptFont::GetDefaultFontStyle(19), 5);
}

TEST_F(SRptDlgChangeFontsTest, TheOpenerGivesTheReportItsNewFontsOnlyOnOK) {
    SComWrap<ISRptReport> report = NewReport();
    SRptViewBase view(1, report.Get());
    SComWrap<ISRptPara> title = ReportPara(report.Get(), 0);
    title->PutFontName("Courier New");

    script.ExpectDialog(213, IDCANCEL);
    EXPECT_EQ(SRptDlgChangeFonts::Open(&view), IDCANCEL);
    EXPECT_EQ(title->GetFontName(), "Courier New");

    script.ExpectDialog(213, IDOK, {{IDC_FONT_SIZE, "18"}});
    EXPECT_EQ(SRptDlgChangeFonts::Open(&view), IDOK);
    // The report title is of the report-title kind, which kept its built-in font.
    EXPECT_EQ(title->GetFontName(), "Arial");
    EXPECT_EQ(title->GetFontHeight(), 14);
    EXPECT_EQ(SRptFont::GetDefaultFontHeight(0), 18);

    SRptViewBase empty(1, nullptr);
    EXPECT_EQ(SRptDlgChangeFonts::ChangeAllFonts(&empty), 1);
    EXPECT_EQ(SRptDlgChangeFonts::ChangeAllFonts(nullptr), 1);
}
