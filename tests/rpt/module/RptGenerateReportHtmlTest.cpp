// Generating a report as HTML pages as a host module does: the save dialog, the page set
// written, and what the user is told.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "rpt/devices/SRptRtfTestFixture.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"

namespace {

const char* const kGeneratedQuestion =
    "The report has been successfully generated in the file '%s'.\nDo you want to open it with your default Web "
    "browser now?";
const char* const kGenerationError = "An error occured during the report generation.";

}  // namespace

class RptGenerateReportHtml : public SRptRtfTest {
protected:
    // Two templates: a title, a text with mark-up characters, a page break and more text.
    void BuildReport() {
        report->PutName("Sales <Q3> & \"more\"");
        report->PutFirstPageTitle("Quarterly figures");
        report->PutFirstPageSummary("North & South");
        SComWrap<ISRptTitle> title = AddItem<ISRptTitle>("TITLE");
        title->PutText("Sales");
        title->PutTOCEntry(true);
        SComWrap<ISRptText> text = AddItem<ISRptText>("TEXT");
        text->PutText("Net <gross> & tax \xE2\x82\xAC\r\nsecond line");
        AddItem("TBLCTS");
        AddItem("PAGEBREAK");
        SComWrap<ISRptTitle> costs = AddItem<ISRptTitle>("TITLE");
        costs->PutText("Costs");
        costs->PutTOCEntry(true);
        SComWrap<ISRptTemplate> second;
        ASSERT_EQ(report->AddNewTemplate("Sales", 1, &second), S_OK);
        reportTemplate = second;
        SComWrap<ISRptTitle> outlook = AddItem<ISRptTitle>("TITLE");
        outlook->PutText("Outlook");
        outlook->PutTOCEntry(true);
        SComWrap<ISRptText> more = AddItem<ISRptText>("TEXT");
        more->PutText("Better.");
    }
    SString Question(const SString& path) const {
        SString question;
        question.Format(kGeneratedQuestion, path.c_str());
        return question;
    }
};

TEST_F(RptGenerateReportHtml, APageSetWithTheQuestionToOpenIt) {
    BuildReport();
    const SString path = folder.PathOf("figures.htm");
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 2), S_OK);
    const SPrompt& dialog = SInteraction::GetTranscript()[0];
    EXPECT_EQ(dialog.text, "Sales _Q3_ & _more_.htm");
    EXPECT_EQ(dialog.defaultExtension, "htm");
    EXPECT_EQ(SInteraction::GetTranscript()[1].style, SPrompt::YesNo);
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"btnhome.jpg", "btnnext.jpg", "btnprev.jpg", "figu1.htm",
                                                          "figu2.htm", "figu3.htm", "figures.htm"}));
    const std::string contents = STestTempFolder::ReadFile(path);
    EXPECT_NE(contents.find("Quarterly figures"), std::string::npos);
    EXPECT_NE(contents.find("North &amp; South"), std::string::npos);
    EXPECT_NE(contents.find("<a href=\"figu1.htm#2\">Sales</a> "), std::string::npos);
    EXPECT_NE(contents.find("<a href=\"figu2.htm#"), std::string::npos);
    EXPECT_NE(contents.find("<a href=\"figu3.htm#"), std::string::npos);
}

TEST_F(RptGenerateReportHtml, ACancelledDialogReturnsOneAndWritesNothing) {
    script.ExpectFileDialog("");
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0x102), 1);
    EXPECT_EQ(SInteraction::GetTranscript().size(), 1u);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(RptGenerateReportHtml, AFolderThatCannotBeWrittenIsAnErrorNotASuccess) {
    BuildReport();
    script.ExpectFileDialog(folder.PathOf("nowhere/figures.htm"));
    script.ExpectMessage(kGenerationError);
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 2), static_cast<HRESULT>(0x80030019));
    EXPECT_EQ(SInteraction::GetTranscript().back().style, SPrompt::Error);
}

TEST_F(RptGenerateReportHtml, AnsweredYesWithoutABrowserItSaysSo) {
    const SString path = folder.PathOf("open.htm");
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDYES);
    script.ExpectOpen(path, false);
    script.ExpectMessage("Cannot launch the default Web browser.");
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 2), S_OK);
}

// Writes the page set that the real readers check (tests/readers) into the folder the variable
// names; without the variable there is nothing to do.
TEST_F(RptGenerateReportHtml, SampleForTheReaders) {
    const char* target = std::getenv("VAROD9_HTML_SAMPLE_DIR");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_HTML_SAMPLE_DIR not set";
    BuildReport();
    const SString path = SString(target) + "/Sample Report.htm";
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 2), S_OK);
    EXPECT_TRUE(std::filesystem::exists(path.c_str()));
}
