// The title page dialog over a report: the switches and texts it shows, what it enables, and
// that OK stores them while Cancel leaves the report as it was.
#include <gtest/gtest.h>

#include <functional>

#include "rpt/dialogs/SRptDlgTitlePage.h"
#include "rpt/dialogs/SRptScriptedDialogFixture.h"
#include "rpt/objs/reports/SRptReportTestFixture.h"

namespace {

class SRptDlgTitlePageProbe : public SRptDlgTitlePage {
public:
    using SRptDlgTitlePage::SRptDlgTitlePage;
    std::function<void(SRptDlgTitlePageProbe&)> onShown;
    int32_t Checked(int32_t id) const { return static_cast<int32_t>(SendMessageA(FindControlHandle(id), BM_GETCHECK)); }
    bool Enabled(int32_t id) const { return FindControl(id)->IsWindowEnabled(); }
    SString Text(int32_t id) const { return FindControl(id)->GetWindowText(); }

protected:
    void ApplyAnswer(const SAnswer& answer) override {
        SRptDlgTitlePage::ApplyAnswer(answer);
        if (onShown) onShown(*this);
    }
};

class SRptDlgTitlePageTest : public SRptScriptedDialogFixture<SRptReportTestFixture> {
protected:
    int32_t Run(int32_t button, std::map<int32_t, SString> values = {},
                std::function<void(SRptDlgTitlePageProbe&)> look = nullptr) {
        script.ExpectDialog(SRptDlgTitlePage::IDD, button, std::move(values));
        SRptDlgTitlePageProbe dialog(session.Get(), report.Get());
        dialog.onShown = std::move(look);
        return dialog.DoModal();
    }
    void FillReport() {
        report->PutFirstPageTitle("Annual figures");
        report->PutFirstPageSummary("What the year brought");
        report->PutFirstPageAuthor("A. Writer");
        report->PutFirstPageDate("2026-12-07");
        report->PutFirstPageVersion("2.1");
    }
};

const int32_t kOptionalEdits[] = {SRptDlgTitlePage::IDC_SUMMARY, SRptDlgTitlePage::IDC_AUTHOR,
                                  SRptDlgTitlePage::IDC_DATE, SRptDlgTitlePage::IDC_VERSION};
const int32_t kChecks[] = {SRptDlgTitlePage::IDC_HAS_SUMMARY, SRptDlgTitlePage::IDC_HAS_AUTHOR,
                           SRptDlgTitlePage::IDC_HAS_DATE, SRptDlgTitlePage::IDC_HAS_VERSION};

}  // namespace

TEST_F(SRptDlgTitlePageTest, ShowsTheReportsTitlePageWithEverythingEnabled) {
    FillReport();
    EXPECT_EQ(Run(IDCANCEL, {}, [](SRptDlgTitlePageProbe& dialog) {
                  EXPECT_EQ(dialog.GetCaption(), "Title Page");
                  EXPECT_EQ(dialog.Checked(SRptDlgTitlePage::IDC_INCLUDE_TITLE_PAGE), 1);
                  EXPECT_EQ(dialog.Checked(SRptDlgTitlePage::IDC_NO_TITLE_PAGE), 0);
                  EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_TITLE), "Annual figures");
                  EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_SUMMARY), "What the year brought");
                  EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_AUTHOR), "A. Writer");
                  EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_DATE), "2026-12-07");
                  EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_VERSION), "2.1");
                  for (int32_t id : kChecks) EXPECT_EQ(dialog.Checked(id), 1) << id;
                  for (int32_t id : kOptionalEdits) EXPECT_TRUE(dialog.Enabled(id)) << id;
                  EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_FORMAT));
                  EXPECT_EQ(dialog.GetHelpContext(), 10013u);
                  EXPECT_TRUE(dialog.IsCentred());
              }),
              IDCANCEL);
}

TEST_F(SRptDlgTitlePageTest, WithoutATitlePageOnlyTheRadioButtonsAreEnabled) {
    report->PutHasFirstPage(false);
    report->PutHasFirstPageDate(false);
    Run(IDCANCEL, {}, [](SRptDlgTitlePageProbe& dialog) {
        EXPECT_EQ(dialog.Checked(SRptDlgTitlePage::IDC_NO_TITLE_PAGE), 1);
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_NO_TITLE_PAGE));
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_INCLUDE_TITLE_PAGE));
        for (int32_t id : {SRptDlgTitlePage::IDC_TITLE_LABEL, SRptDlgTitlePage::IDC_TITLE, SRptDlgTitlePage::IDC_FORMAT})
            EXPECT_FALSE(dialog.Enabled(id)) << id;
        for (int32_t id : kChecks) EXPECT_FALSE(dialog.Enabled(id)) << id;
        for (int32_t id : kOptionalEdits) EXPECT_FALSE(dialog.Enabled(id)) << id;

        // Including it enables the optional texts whose boxes are checked: not the date.
        SendMessageA(dialog.FindControlHandle(SRptDlgTitlePage::IDC_INCLUDE_TITLE_PAGE), BM_CLICK);
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_TITLE));
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_HAS_DATE));
        EXPECT_FALSE(dialog.Enabled(SRptDlgTitlePage::IDC_DATE));
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_AUTHOR));
        EXPECT_TRUE(dialog.Enabled(SRptDlgTitlePage::IDC_FORMAT));
    });
}

TEST_F(SRptDlgTitlePageTest, OkStoresTheSwitchesAndTextsAndCancelLeavesThem) {
    FillReport();
    // Cancel after changes: nothing reaches the report.
    Run(IDCANCEL, {{SRptDlgTitlePage::IDC_NO_TITLE_PAGE, "1"}, {SRptDlgTitlePage::IDC_TITLE, "Other"},
                   {SRptDlgTitlePage::IDC_HAS_AUTHOR, "0"}});
    EXPECT_TRUE(report->GetHasFirstPage());
    EXPECT_EQ(report->GetFirstPageTitle(), "Annual figures");
    EXPECT_TRUE(report->GetHasFirstPageAuthor());

    // Unchecking the author disables its text but keeps it; OK stores the switch off.
    EXPECT_EQ(Run(IDOK, {{SRptDlgTitlePage::IDC_TITLE, "Quarterly figures"}, {SRptDlgTitlePage::IDC_HAS_AUTHOR, "0"}},
                  [](SRptDlgTitlePageProbe& dialog) {
                      EXPECT_FALSE(dialog.Enabled(SRptDlgTitlePage::IDC_AUTHOR));
                      EXPECT_EQ(dialog.Text(SRptDlgTitlePage::IDC_AUTHOR), "A. Writer");
                  }),
              IDOK);
    EXPECT_EQ(report->GetFirstPageTitle(), "Quarterly figures");
    EXPECT_FALSE(report->GetHasFirstPageAuthor());
    EXPECT_EQ(report->GetFirstPageAuthor(), "A. Writer");
    EXPECT_TRUE(report->GetHasFirstPageSummary());

    // No title page: the switch goes off, the texts stay.
    EXPECT_EQ(Run(IDOK, {{SRptDlgTitlePage::IDC_NO_TITLE_PAGE, "1"}}), IDOK);
    EXPECT_FALSE(report->GetHasFirstPage());
    EXPECT_EQ(report->GetFirstPageVersion(), "2.1");
    EXPECT_EQ(Run(IDOK, {{SRptDlgTitlePage::IDC_INCLUDE_TITLE_PAGE, "1"}}), IDOK);
    EXPECT_TRUE(report->GetHasFirstPage());
}

TEST_F(SRptDlgTitlePageTest, FormatOpensTheFormatSheetOfTheReportsParagraphs) {
    script.ExpectDialog(SRptDlgTitlePage::IDD, IDCANCEL, {{SRptDlgTitlePage::IDC_FORMAT, "1"}});
    script.ExpectDialog(213, IDCANCEL);
    SRptDlgTitlePage dialog(session.Get(), report.Get());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::vector<SPrompt>& transcript = SInteraction::GetTranscript();
    ASSERT_EQ(transcript.size(), 2u);
    EXPECT_EQ(transcript[1].caption, "Format");
}
