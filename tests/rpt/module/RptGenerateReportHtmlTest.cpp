// Generating a report as HTML pages as a host module does: the save dialog, the page set
// written, and what the user is told.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SJpegWriter.h"
#include "rpt/devices/html/SRptHotZoneMap.h"
#include "rpt/devices/html/SRptHtmlTestFixture.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptTblCts.h"
#include "varod9/ISRptText.h"
#include "varod9/ISRptTitle.h"

namespace {

const char* const kGeneratedQuestion =
    "The report has been successfully generated in the file '%s'.\nDo you want to open it with your default Web "
    "browser now?";
const char* const kGenerationError = "An error occured during the report generation.";
// The object that the sample's form presents and its list's cells and picture's zones refer to.
constexpr GUID kOwnerObject = MakeGUID("{5E2D9B14-7A3C-4F0E-8B61-C49D2A07E3F5}");
constexpr int32_t kFormParam = 2;
constexpr int32_t kGraphicParam = 3;

}  // namespace

class RptGenerateReportHtml : public SRptHtmlModuleTest {
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
    // The module's own items for the sample, registered before its report is made: a list of
    // 120 parts whose owners link to a form, the form, and a diagram of two tiles whose zones
    // lead to the form.
    void RegisterModuleItems() {
        static const RPTTABLECELLDEF listCells[] = {SRptHtmlCell("Part", 1), SRptHtmlCell("Owner", 3)};
        static const RPTTABLEROWDEF listRow = SRptHtmlRow(listCells);
        static const RPTTABLECELLDEF formCells[] = {SRptHtmlCell("Name", 20, false, true, RPTTABLECELLDEF_SIZE_FORM),
                                                    SRptHtmlCell("", 21, true, true, RPTTABLECELLDEF_SIZE_FORM)};
        static const RPTTABLEROWDEF formRow = SRptHtmlRow(formCells);
        Register("LIST", RPT_ITEMKIND_LIST, 1, &listRow, 1);
        formItem = Register("FORM", RPT_ITEMKIND_FORM, kFormParam, &formRow, 1);
        Register("GRAPH", RPT_ITEMKIND_USERGRAPHIC, kGraphicParam);
        procs->begin = [](RPTPROCCONTEXT& record) {
            record.PictureWidth = 28500;
            record.PictureHeight = 13850;
            return 1;
        };
        procs->process = [](RPTPROCCONTEXT& record) {
            record.Text2 = record.ItemParam == kFormParam ? "Owner & co" : "Parts <all>";
            if (record.ItemParam == kFormParam) record.ObjectID = kOwnerObject;
            return 1;
        };
        procs->FetchRows(120);
        procs->getValue = [this](RPTPROCCONTEXT& record) {
            if (record.ItemParam == kGraphicParam) {
                record.PictureText = "Plant \"A\" & south";
                record.DrawingDC->FillSolidRect(RECT{0, 0, 50, 50}, RGB(0, 0, 128));
                if (auto* zones = static_cast<SRptHotZoneMap*>(record.HotZones)) {
                    zones->Insert(RECT{10, 10, 60, 60}, RPTHOTZONE{kOwnerObject, formItem.Get()});
                    zones->Insert(RECT{850, 100, 950, 150}, RPTHOTZONE{kOwnerObject, formItem.Get()});
                }
                return S_OK;
            }
            record.CellText = record.CellID == 1 ? SString("Part ") + std::to_string(record.RowCursor + 1).c_str()
                                                 : SString("Ann & Co");
            if (record.CellID != 1) {
                record.TargetItem = formItem.Get();
                record.ObjectID = kOwnerObject;
            }
            return S_OK;
        };
    }
    // The module's items and a picture file in the second template, after its texts.
    void PlaceModuleItems(const SString& picture) {
        SComWrap<ISRptList> list = AddItem<ISRptList>("LIST");
        list->PutTOCEntry(true);
        SComWrap<ISRptForm> form = AddItem<ISRptForm>("FORM");
        form->PutTOCEntry(true);
        AddItem("GRAPH");
        const std::vector<uint8_t> pixels(30 * 20 * 3, 0x80);
        SJpegWriter::SImage image;
        image.width = 30;
        image.height = 20;
        image.rgb = pixels.data();
        image.stride = 30 * 3;
        SJpegWriter::Write(picture, image);
        script.ExpectFileDialog(picture);
        SComWrap<ISRptGraphicFile> file = AddItem<ISRptGraphicFile>("GRAPHICFILE");
        ASSERT_TRUE(file);
        file->PutDisplayFlag(0);
    }
    SString Question(const SString& path) const {
        SString question;
        question.Format(kGeneratedQuestion, path.c_str());
        return question;
    }

    void TearDown() override {
        formItem.Clear();
        SRptHtmlModuleTest::TearDown();
    }

    SComWrap<ISRptItem> formItem;
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
// names: the texts above, a paged list whose cells link to a form, a drawing in two tiles with
// their image maps and a picture file. Without the variable there is nothing to do.
TEST_F(RptGenerateReportHtml, SampleForTheReaders) {
    const char* target = std::getenv("VAROD9_HTML_SAMPLE_DIR");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_HTML_SAMPLE_DIR not set";
    RegisterModuleItems();
    Renew();
    BuildReport();
    PlaceModuleItems(SString(target) + "/Sample picture.jpg");
    const SString path = SString(target) + "/Sample Report.htm";
    script.ExpectFileDialog(path);
    script.ExpectMessage(Question(path), IDNO);
    ASSERT_EQ(::RptGenerateReport(report.Get(), nullptr, 2), S_OK);
    EXPECT_TRUE(std::filesystem::exists(path.c_str()));
}
