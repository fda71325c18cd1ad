// The preview's zoom dialog and the language dialog: what each lists and what OK keeps.
#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SListBoxCtrl.h"
#include "rpt/dialogs/SRptDlgLanguage.h"
#include "rpt/dialogs/SRptPreviewZoomDlg.h"
#include "rpt/dialogs/SRptScriptedDialogFixture.h"
#include "rpt/module/SRptModuleTestFixture.h"
#include "support/ScriptedInteractionTest.h"
#include "varod9/RptApi.h"

namespace {

class SRptPreviewZoomDlgProbe : public SRptPreviewZoomDlg {
public:
    using SRptPreviewZoomDlg::SRptPreviewZoomDlg;
    std::vector<SString> choices;
    SString shown;

protected:
    int32_t OnInitDialog() override {
        const int32_t result = SRptPreviewZoomDlg::OnInitDialog();
        auto* combo = static_cast<SComboBoxCtrl*>(FindControl(IDC_ZOOM));
        for (int32_t i = 0; i < combo->GetCount(); ++i) choices.push_back(combo->GetLBText(i));
        shown = combo->GetWindowText();
        return result;
    }
};

class SRptPreviewZoomDlgTest : public ScriptedInteractionTest {
protected:
    int32_t Run(SRptPreviewZoomDlgProbe& dialog, int32_t button, const char* typed = nullptr) {
        std::map<int32_t, SString> values;
        if (typed) values[SRptPreviewZoomDlg::IDC_ZOOM] = typed;
        script.ExpectDialog(SRptPreviewZoomDlg::IDD, button, values);
        SModuleStateGuard library(SRptGetModuleState());
        return dialog.DoModal();
    }
};

}  // namespace

TEST_F(SRptPreviewZoomDlgTest, ListsTheUsualPercentagesSortedAsTextAndShowsTheCurrentZoom) {
    SRptPreviewZoomDlgProbe dialog(100);
    EXPECT_EQ(Run(dialog, IDCANCEL), IDCANCEL);
    EXPECT_EQ(dialog.choices, (std::vector<SString>{"100%", "150%", "200%", "50%", "500%", "75%"}));
    EXPECT_EQ(dialog.shown, "100%");
    EXPECT_EQ(Transcript().back().caption, "Zoom Scale");
    EXPECT_EQ(dialog.GetZoom(), 100);

    SRptPreviewZoomDlgProbe other(150);
    Run(other, IDCANCEL);
    EXPECT_EQ(other.shown, "150%");
}

TEST_F(SRptPreviewZoomDlgTest, OkTakesAPositiveNumberAndOtherwiseKeepsTheZoom) {
    SRptPreviewZoomDlgProbe typed(100);
    EXPECT_EQ(Run(typed, IDOK, "80"), IDOK);
    EXPECT_EQ(typed.GetZoom(), 80);

    SRptPreviewZoomDlgProbe chosen(100);
    EXPECT_EQ(Run(chosen, IDOK, "500%"), IDOK);
    EXPECT_EQ(chosen.GetZoom(), 500);

    // Letters or 0 keep the zoom, and the dialog still closes with OK.
    for (const char* text : {"abc", "0", "-40"}) {
        SRptPreviewZoomDlgProbe kept(75);
        EXPECT_EQ(Run(kept, IDOK, text), IDOK) << text;
        EXPECT_EQ(kept.GetZoom(), 75) << text;
    }
    // No upper limit here: the preview decides what it accepts.
    SRptPreviewZoomDlgProbe large(100);
    Run(large, IDOK, "4000");
    EXPECT_EQ(large.GetZoom(), 4000);
}

namespace {

class SRptDlgLanguageTest : public SRptScriptedDialogFixture<SRptModuleTestFixture> {
protected:
    STestModuleClient client;
};

class SRptDlgLanguageProbe : public SRptDlgLanguage {
public:
    using SRptDlgLanguage::SRptDlgLanguage;
    std::vector<SString> listed;

protected:
    int32_t OnInitDialog() override {
        const int32_t result = SRptDlgLanguage::OnInitDialog();
        auto* list = static_cast<SListBoxCtrl*>(FindControl(IDC_LANGUAGES));
        for (int32_t i = 0; i < list->GetCount(); ++i) listed.push_back(list->GetText(i));
        return result;
    }
};

}  // namespace

TEST_F(SRptDlgLanguageTest, ListsTheFirstModulesLanguagesAndKeepsTheOneChosen) {
    client.AddRef();
    for (const char* name : {"French", "English", "German"}) client.languages.emplace_back(SString(name), SComWrap<ISRepObject>());
    Register("MOD", "Module", &client);
    Register("OTHER", "Other module");
    script.ExpectDialog(SRptDlgLanguage::IDD, IDOK, {{SRptDlgLanguage::IDC_LANGUAGES, "German"}});
    SRptDlgLanguageProbe dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.listed, (std::vector<SString>{"English", "French", "German"}));
    EXPECT_EQ(dialog.GetLanguageName(), "German");
    EXPECT_EQ(SInteraction::GetTranscript().back().caption, "Select a Language");
}

TEST_F(SRptDlgLanguageTest, WithoutAModuleTheListIsEmptyAndNothingIsChosen) {
    script.ExpectDialog(SRptDlgLanguage::IDD, IDOK);
    SRptDlgLanguageProbe dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(dialog.listed.empty());
    EXPECT_EQ(dialog.GetLanguageName(), "");
}
