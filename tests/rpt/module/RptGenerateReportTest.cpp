// Generating a report as a host module does: RptGenerateReport on a report made by
// RptCreateTemplate, the save dialog, the document written, and what the user is told.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTextFile.h"
#include "varod9/ISRptTitle.h"

namespace {

const char* const kGeneratedQuestion =
    "The report has been successfully generated in the file '%s'.\nDo you want to open it with your default RTF "
    "editor now?";
const char* const kGenerationError = "An error occured during the report generation.";
// "Greek Ωmega, CJK 中文字, emoji 😀Zulu": characters that RTF writes as Unicode escapes, each
// followed by a letter that a reader must not take for the escape's fallback.
const char* const kScripts = "Greek \xCE\xA9mega, CJK \xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97, emoji \xF0\x9F\x98\x80Zulu";

}  // namespace

class RptGenerateReport : public SRptRtfTest {
protected:
    // A title page, a title, a text, a text in Greek, Chinese and with an emoji, a page break and
    // a table of contents.
    void BuildReport() {
        report->PutHasFirstPage(true);
        report->PutFirstPageTitle("Quarterly figures");
        reportTemplate->PutHeader("Page %PAGE%");
        reportTemplate->PutHeadUserDef(true);
        SComWrap<ISRptTitle> title = AddItem<ISRptTitle>("TITLE");
        title->PutText("Sales");
        title->PutTOCEntry(true);
        SComWrap<ISRptText> text = AddItem<ISRptText>("TEXT");
        text->PutText("Net {gross} \\ tax \xE2\x82\xAC");
        AddItem<ISRptText>("TEXT")->PutText(kScripts);
        AddItem("PAGEBREAK");
        AddItem("TBLCTS");
    }
    SString Question(const SString& path) const {
        SString question;
        question.Format(kGeneratedQuestion, path.c_str());
        return question;
    }
};

TEST_F(RptGenerateReport, AnRtfFileWithEveryPartAndTheQuestionToOpenIt) {
    BuildReport();
    const SString path = folder.PathOf("figures.rtf");
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);

    ASSERT_GE(SInteraction::GetTranscript().size(), 2u);
    const SPrompt& dialog = SInteraction::GetTranscript()[0];
    EXPECT_EQ(dialog.text, "Quarterly.rtf");
    const SPrompt& question = SInteraction::GetTranscript()[1];
    EXPECT_EQ(question.text, Question(path));
    EXPECT_EQ(question.style, SPrompt::YesNo);

    const std::string written = STestTempFolder::ReadFile(path);
    EXPECT_EQ(written.rfind("{\\rtf1\\ansi\\deff0\r\n", 0), 0u);
    EXPECT_NE(written.find("Quarterly figures"), std::string::npos);
    EXPECT_NE(written.find("{\\header "), std::string::npos);
    EXPECT_NE(written.find("Page \\chpgn "), std::string::npos);
    EXPECT_NE(written.find("{\\tc {\\f1\\cgrid0 Sales\\tcl2}}}"), std::string::npos);
    EXPECT_NE(written.find("Net \\{gross\\} \\\\ tax \\'80"), std::string::npos);
    EXPECT_NE(written.find("Greek \\u937\\'3fmega, CJK \\u20013\\'3f\\u25991\\'3f\\u23383\\'3f, emoji "
                           "\\u-10179\\'3f\\u-8704\\'3fZulu"),
              std::string::npos);
    EXPECT_NE(written.find("\r\n\\page\r\n"), std::string::npos);
    EXPECT_NE(written.find("{\\field{\\*\\fldinst {"), std::string::npos);
    EXPECT_NE(written.find(" TOC \\\\f }}"), std::string::npos);
    EXPECT_EQ(written.substr(written.size() - 3), "\r\n}");
}

TEST_F(RptGenerateReport, ModesWithoutADeviceFailWithTheErrorMessage) {
    script.ExpectMessage(kGenerationError);
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 3), static_cast<HRESULT>(0x8000FFFF));
    EXPECT_EQ(SInteraction::GetTranscript().back().style, SPrompt::Error);
    // Only the low byte chooses the device: 0x107 is mode 7, which has none.
    script.ExpectMessage(kGenerationError);
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0x107), static_cast<HRESULT>(0x8000FFFF));
    EXPECT_EQ(SInteraction::GetTranscript().size(), 2u);
}

TEST_F(RptGenerateReport, ACancelledDialogReturnsOneAndSaysNothing) {
    script.ExpectFileDialog("");
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0x100), 1);
    EXPECT_EQ(SInteraction::GetTranscript().size(), 1u);
    EXPECT_TRUE(folder.Entries().empty());
}

TEST_F(RptGenerateReport, TheProposedNameReplacesWhatAFileNameCannotHold) {
    report->PutName("Q1/Q2: \"a\\b\"*");
    script.ExpectFileDialog("");
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), 1);
    EXPECT_EQ(SInteraction::GetTranscript()[0].text, "Q1_Q2_ _a_b__.rtf");
}

TEST_F(RptGenerateReport, AnOutputThatCannotBeWrittenIsAnErrorNotASuccess) {
    BuildReport();
    script.ExpectFileDialog(folder.PathOf("nowhere/figures.rtf"));
    script.ExpectMessage(kGenerationError);
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), static_cast<HRESULT>(0x80030019));
}

TEST_F(RptGenerateReport, AnsweredYesWithoutAProgramForTheFileItSaysSo) {
    const SString path = folder.PathOf("open.rtf");
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDYES);
    script.ExpectOpen(path, false);
    script.ExpectMessage("Cannot launch the default RTF editor.");
    EXPECT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);
}

TEST_F(RptGenerateReport, ATextFileThatIsAPipeIsReportedInTheDocumentAndTheReportIsWritten) {
    report->PutHasFirstPage(false);
    const SString placed = folder.PathOf("placed.txt");
    STestTempFolder::WriteFile(placed, "placed");
    SComWrap<ISRptTextFile> file = AddTextFile(placed);
    ASSERT_TRUE(file);
    const SString pipe = folder.PathOf("pipe");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    file->PutAbsPath(pipe);
    const SString path = folder.PathOf("report.rtf");
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);
    EXPECT_NE(STestTempFolder::ReadFile(path).find("File '" + pipe.str() + "' not found."), std::string::npos);
}

// Writes the sample that the real readers check (tests/readers) to the path the variable names;
// without the variable there is nothing to do.
TEST_F(RptGenerateReport, SampleForTheReaders) {
    const char* target = std::getenv("VAROD9_RTF_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_RTF_SAMPLE not set";
    BuildReport();
    script.ExpectFileDialog(target);
    script.ExpectMessage(Question(target), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);
    EXPECT_TRUE(std::filesystem::exists(target));
}

// Writes the sample of a text file whose RTF is cut short, between two texts, that the real
// readers check (tests/readers) to the path the variable names.
TEST_F(RptGenerateReport, CutRtfSampleForTheReaders) {
    const char* target = std::getenv("VAROD9_CUT_RTF_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_CUT_RTF_SAMPLE not set";
    report->PutHasFirstPage(false);
    AddItem<ISRptText>("TEXT")->PutText("Before the file");
    const SString source = folder.PathOf("cut.rtf");
    STestTempFolder::WriteFile(source,
                               "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fmodern Courier New;}}\\f0\\b Merged "
                               "and cut {\\i short {\\*\\x lost");
    ASSERT_TRUE(AddTextFile(source));
    AddItem<ISRptText>("TEXT")->PutText("After the file");
    script.ExpectFileDialog(target);
    script.ExpectMessage(Question(target), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);
    EXPECT_TRUE(std::filesystem::exists(target));
}

// Writes the sample of text files in RTF of other code pages, one of them with a count of
// fallback characters and a control word longer than RTF allows, before a text in Greek, that
// the real readers check (tests/readers) to the path the variable names.
TEST_F(RptGenerateReport, CodePagesRtfSampleForTheReaders) {
    const char* target = std::getenv("VAROD9_CODE_PAGES_RTF_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_CODE_PAGES_RTF_SAMPLE not set";
    report->PutHasFirstPage(false);
    // "Привет" in code page 1251, escaped; "Ελλάδα" as raw bytes of code page 1253; "日本語"
    // in code page 932.
    const SString cyrillic = folder.PathOf("cyrillic.rtf");
    STestTempFolder::WriteFile(cyrillic,
                               "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}}"
                               "\\uc2\\f0 Cyrillic {\\*\\abcdefghijklmnopqrstuvwxyzabcdefgh x}"
                               "\\'cf\\'f0\\'e8\\'e2\\'e5\\'f2\\par}");
    const SString greek = folder.PathOf("greek.rtf");
    STestTempFolder::WriteFile(greek, "{\\rtf1\\ansi\\ansicpg1253 Greek \\abcdefghijklmnopqrstuvwxyzabcdefgh "
                                      "\xC5\xEB\xEB\xDC\xE4\xE1\\par}");
    const SString japanese = folder.PathOf("japanese.rtf");
    STestTempFolder::WriteFile(japanese, "{\\rtf1\\ansi\\ansicpg932 Japanese \\'93\\'fa\\'96\\'7b\\'8c\\'ea\\par}");
    for (const SString& source : {cyrillic, greek, japanese}) ASSERT_TRUE(AddTextFile(source));
    AddItem<ISRptText>("TEXT")->PutText("After \xCE\xA9mega \xCE\x94" "elta");
    script.ExpectFileDialog(target);
    script.ExpectMessage(Question(target), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 0), S_OK);
    EXPECT_TRUE(std::filesystem::exists(target));
}
