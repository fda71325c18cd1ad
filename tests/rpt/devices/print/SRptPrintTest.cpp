// Printing the laid-out pages: the page range and its order, the cancel of a run, printing to a
// PDF file through the report's generation, the module's fields in the printed headers, and the
// search of a previewed report's pages; and the sample of RTF files of other programs merged into
// reports, written as RTF, HTML and printed, that the real readers check.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "platform/gdi/SCairoFontEngine.h"
#include "platform/ui/SPrintInfo.h"
#include "rpt/objs/reports/RPTFINDINFO.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "SRptPrintTestFixture.h"
#include "support/STestFileSizeLimit.h"
#include "varod9/ISRptField.h"
#include "varod9/RptFieldDef.h"

namespace {

// The real font engine for the life of the scope.
class SRealFontEngineScope {
public:
    SRealFontEngineScope() : m_previous(SFontEngine::SetCurrent(std::make_shared<SCairoFontEngine>())) {}
    ~SRealFontEngineScope() { SFontEngine::SetCurrent(m_previous); }
    SRealFontEngineScope(const SRealFontEngineScope&) = delete;
    SRealFontEngineScope& operator=(const SRealFontEngineScope&) = delete;

private:
    std::shared_ptr<SFontEngine> m_previous;
};

class SRptPrintRunTest : public SRptPrintTest {
protected:
    void SetUp() override {
        SRptPrintTest::SetUp();
        report->PutHasFirstPage(false);
    }
    // "One", "Two", "Three", each on a page of its own.
    void ThreePages() {
        AddText("One");
        AddItem("PAGEBREAK");
        AddText("Two");
        AddItem("PAGEBREAK");
        AddText("Three");
    }
    // Prints the previewed pages `from` to `to` on a recording printer, without the print dialog.
    SRecordingPrinter* Print(SRptPhysicalLayer* layer, SPrintInfo& info, uint16_t from, uint16_t to) {
        info.m_bDirect = 1;
        info.m_pPD->SetPageRange(from, to);
        info.m_pPD->AttachPrinterDC(std::make_unique<SRecordingPrinter>());
        script.ExpectDialog(SRptDlgPrinting::IDD, 0);
        EXPECT_EQ(layer->DoFilePrint(&info), S_OK);
        return static_cast<SRecordingPrinter*>(info.m_pPD->GetPrinterDC());
    }
    // The prompts of a print run to the file `path`: the print dialog asking for a file, the
    // pagination's progress, the file's name and the job's progress.
    void ExpectPrintToFile(const SString& path) {
        SAnswer toFile;
        toFile.button = IDOK;
        toFile.controlValues[SPrintDlg::IDC_PRINTTOFILE] = "1";
        script.Expect(SPrompt::PrintDialog, "", toFile);
        script.ExpectDialog(SRptDlgPrinting::IDD, 0);
        script.ExpectFileDialog(path);
        script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    }
    // What a program prints for a file, or empty when it cannot be run.
    static std::string Run(const std::string& command) {
        std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
        if (!pipe) return std::string();
        std::string output;
        char buffer[512];
        while (size_t read = fread(buffer, 1, sizeof buffer, pipe.get())) output.append(buffer, read);
        return output;
    }
};

}  // namespace

TEST_F(SRptPrintRunTest, PagesThreeToOneArePrintedThreeTwoOne) {
    ThreePages();
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 3);
    SPrintInfo info;
    SRecordingPrinter* printer = Print(layer, info, 3, 1);
    ASSERT_TRUE(printer);
    ASSERT_EQ(printer->pages.size(), 3u);
    EXPECT_NE(printer->pages[0].find("|Three|"), std::string::npos);
    EXPECT_NE(printer->pages[1].find("|Two|"), std::string::npos);
    EXPECT_NE(printer->pages[2].find("|One|"), std::string::npos);
    EXPECT_EQ(printer->events.front(), "StartDoc");
    EXPECT_EQ(printer->events.back(), "EndDoc");
    // The pages a print offers are those of the report.
    EXPECT_EQ(info.GetMinPage(), 1u);
    EXPECT_EQ(info.GetMaxPage(), 3u);
}

TEST_F(SRptPrintRunTest, EveryPageOfMoreThanTheDialogsPageFieldsHoldIsPrinted) {
    ThreePages();
    SRptPhysicalLayer* layer = Preview();
    ASSERT_EQ(layer->GetPageCount(), 3);
    // Empty pages after the report's three, up to 70,000: more than the 65,535 a print dialog's
    // page fields hold.
    constexpr int32_t kPages = 70000;
    SRptPageFrame* frame = layer->GetPages()[0]->GetFrame();
    while (layer->GetPageCount() < kPages) {
        SRptPhysicalPage* page = nullptr;
        ASSERT_EQ(layer->AddPage(frame, &page), S_OK);
    }
    SPrintInfo info;
    // All pages, as the dialog leaves them.
    SRecordingPrinter* printer = Print(layer, info, 1, 0xFFFF);
    ASSERT_TRUE(printer);
    EXPECT_EQ(info.GetMaxPage(), static_cast<uint32_t>(kPages));
    ASSERT_EQ(printer->pages.size(), static_cast<size_t>(kPages));
    EXPECT_NE(printer->pages[0].find("|One|"), std::string::npos);
    EXPECT_NE(printer->pages[2].find("|Three|"), std::string::npos);
    EXPECT_EQ(info.m_nCurPage, static_cast<uint32_t>(kPages));
    EXPECT_EQ(printer->events.back(), "EndDoc");
}

TEST_F(SRptPrintRunTest, AToPageBeyondTheLastIsClampedToIt) {
    ThreePages();
    SRptPhysicalLayer* layer = Preview();
    SPrintInfo info;
    SRecordingPrinter* printer = Print(layer, info, 2, 9);
    ASSERT_EQ(printer->pages.size(), 2u);
    EXPECT_NE(printer->pages[0].find("|Two|"), std::string::npos);
    EXPECT_NE(printer->pages[1].find("|Three|"), std::string::npos);
}

TEST_F(SRptPrintRunTest, APageNumberOutsideThePagesLeavesNoCurrentPage) {
    ThreePages();
    SRptPhysicalLayer* layer = Preview();
    for (int32_t number : {0, 4, -1}) {
        layer->SetCurrentPage(number);
        EXPECT_FALSE(layer->GetCurrentPage()) << number;
        EXPECT_EQ(PageText(number), "") << number;
    }
    layer->SetCurrentPage(1);
    EXPECT_EQ(layer->GetCurrentPage(), layer->GetPages()[0].get());
}

TEST_F(SRptPrintRunTest, AReportWithoutPagesPrintsNothing) {
    SRptPhysicalLayer* layer = Preview();
    ASSERT_TRUE(layer);
    EXPECT_EQ(layer->GetPageCount(), 0);
    SPrintInfo info;
    info.m_bDirect = 1;
    info.m_pPD->AttachPrinterDC(std::make_unique<SRecordingPrinter>());
    EXPECT_EQ(layer->DoFilePrint(&info), S_OK);
    auto* printer = static_cast<SRecordingPrinter*>(info.m_pPD->GetPrinterDC());
    EXPECT_TRUE(printer->events.empty());
}

TEST_F(SRptPrintRunTest, ACancelDuringThePaginationPrintsNothingAndClearsTheAbortWords) {
    ThreePages();
    SAnswer ok;
    ok.button = IDOK;
    script.Expect(SPrompt::PrintDialog, "", ok);
    script.ExpectDialog(SRptDlgPrinting::IDD, IDCANCEL);
    // No print job follows: its progress window would be a prompt the script does not expect.
    EXPECT_EQ(report->GenerateReport(nullptr, 1), S_OK);
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 0);
}

TEST_F(SRptPrintRunTest, PrintedToAFileTheReportIsAPdfOfItsPagesInOrder) {
    // Real faces, so that a PDF reader finds the texts.
    SRealFontEngineScope realFonts;
    ThreePages();
    const SString path = folder.PathOf("Report.pdf");
    ExpectPrintToFile(path);
    ASSERT_EQ(report->GenerateReport(nullptr, 1), S_OK);
    const std::string info = Run("pdfinfo '" + path.str() + "' 2>/dev/null");
    if (info.empty()) GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    const std::string text = Run("pdftotext '" + path.str() + "' - 2>/dev/null");
    const size_t one = text.find("One");
    const size_t two = text.find("Two");
    const size_t three = text.find("Three");
    ASSERT_NE(one, std::string::npos) << text;
    EXPECT_LT(one, two);
    EXPECT_LT(two, three);
    EXPECT_NE(three, std::string::npos);
}

// Writes, for the real readers (tests/readers), a report for each RTF file that the variable
// VAROD9_MERGED_FILES names (paths parted by ':'; files other programs wrote) into the folder that
// VAROD9_MERGED_FILES_SAMPLE_DIR names: the file merged as a text file and as the body of a group
// text, each followed by a text of the report's own, written as RTF (NAME.rtf), as an HTML page
// set (NAME/NAME.htm) and printed (NAME.pdf), NAME being the file's name without its extension.
TEST_F(SRptPrintRunTest, FilesOfOtherProgramsSampleForTheReaders) {
    const char* files = std::getenv("VAROD9_MERGED_FILES");
    const char* target = std::getenv("VAROD9_MERGED_FILES_SAMPLE_DIR");
    if (!files || !*files || !target || !*target) GTEST_SKIP() << "VAROD9_MERGED_FILES not set";
    SRealFontEngineScope realFonts;
    std::string body;
    bool fetched = false;
    RegisterItem("GRPTEXT", RPT_ITEMKIND_GRPTEXT, 1);
    // One element in each generation.
    procs->begin = [&fetched](RPTPROCCONTEXT&) {
        fetched = false;
        return 1;
    };
    procs->fetch = [&fetched](RPTPROCCONTEXT&) { return std::exchange(fetched, true) ? 0 : 1; };
    procs->process = [](RPTPROCCONTEXT& record) {
        record.Text2 = "Group text heading";
        return 1;
    };
    procs->getValue = [&body](RPTPROCCONTEXT& record) {
        record.Text2 = SString(body);
        return 1;
    };
    const std::string list = files;
    for (size_t start = 0, end; start <= list.size(); start = end + 1) {
        end = std::min(list.find(':', start), list.size());
        const SString source(list.substr(start, end - start));
        if (source.IsEmpty()) continue;
        body = STestTempFolder::ReadFile(source);
        RenewReport();
        report->PutHasFirstPage(false);
        // No page header or footer: only the merged texts and their neighbours show words.
        reportTemplate->PutHeader("");
        reportTemplate->PutHeadUserDef(true);
        reportTemplate->PutFooter("");
        reportTemplate->PutFootUserDef(true);
        AddText("Before the text file");
        // The text file in its own default paragraph, as a user places it.
        script.ExpectFileDialog(source);
        ASSERT_TRUE(AddItem("TEXTFILE"));
        AddText("After the text file");
        ASSERT_TRUE(AddItem("GRPTEXT"));
        AddText("After the group text");

        const std::string name = std::filesystem::path(source.str()).stem().string();
        const SString rtf = SString(target) + "/" + SString(name) + ".rtf";
        EXPECT_NE(GenerateFile(rtf).find("After the group text"), std::string::npos) << name;
        const SString pages = SString(target) + "/" + SString(name);
        std::filesystem::create_directories(pages.str());
        script.ExpectFileDialog(pages + "/" + SString(name) + ".htm");
        script.ExpectMessage("", IDNO);
        EXPECT_EQ(report->GenerateReport(nullptr, 2), S_OK) << name;
        ExpectPrintToFile(SString(target) + "/" + SString(name) + ".pdf");
        EXPECT_EQ(report->GenerateReport(nullptr, 1), S_OK) << name;
    }
}

TEST_F(SRptPrintRunTest, APdfFileThatCannotBeWrittenFailsTheRunAndKeepsTheEarlierFile) {
    ThreePages();
    const SString path = folder.PathOf("Report.pdf");
    STestTempFolder::WriteFile(path, "earlier");
    ExpectPrintToFile(path);
    script.ExpectMessage("Could not complete print job.");
    script.ExpectMessage("An error occured during the report generation.");
    {
        // A file may not grow past 1 KiB, as on a full disk.
        STestFileSizeLimit limit(1024);
        EXPECT_EQ(report->GenerateReport(nullptr, 1), static_cast<HRESULT>(0x80030019));
    }
    EXPECT_EQ(STestTempFolder::ReadFile(path), "earlier");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Report.pdf"});
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 0);
}

TEST_F(SRptPrintRunTest, ThePrintedHeaderShowsTheValuesOfTheModulesFields) {
    // Fields registered under their tokens, as the header's text writes them.
    SComWrap<ISRptField> fields[2];
    const char* const definitions[2][2] = {{"%MODULE%", "Sales"}, {"%MODELNAME%", "Quarterly model"}};
    for (int32_t i = 0; i < 2; ++i) {
        RPTFIELDDEF def;
        def.ModuleID = "Sales";
        def.FieldName = definitions[i][0];
        def.Value = definitions[i][1];
        ASSERT_EQ(RptRegisterField(module.Get(), &def, &fields[i]), S_OK);
    }
    reportTemplate->PutHeadUserDef(true);
    reportTemplate->PutHeader("%MODULE%\t%MODELNAME%");
    ThreePages();
    SRptPhysicalLayer* layer = Preview();
    SPrintInfo info;
    SRecordingPrinter* printer = Print(layer, info, 1, 3);
    ASSERT_EQ(printer->pages.size(), 3u);
    for (const std::string& page : printer->pages) {
        EXPECT_EQ(page.rfind("Sales|Quarterly model|", 0), 0u) << page;
        EXPECT_EQ(page.find('%'), std::string::npos) << page;
    }
}

namespace {

// The preview shell view the report's preview makes in these tests.
STestPreviewShell* gPreviewShell = nullptr;

HRESULT MakeTestPreview(ISRptReport* report, ISRptGenerationClient*, ISShellCommandTarget*,
                        SRptPrintPreviewShell** view) {
    delete gPreviewShell;
    gPreviewShell = new STestPreviewShell;
    *view = gPreviewShell;
    return gPreviewShell->Run(report);
}

class SRptFindInPreviewTest : public SRptPrintRunTest {
protected:
    void SetUp() override {
        SRptPrintRunTest::SetUp();
        previous = SRptReportImpl::SetPreviewViewMaker(&MakeTestPreview);
        impl = dynamic_cast<SRptReportImpl*>(report.Get());
        ASSERT_TRUE(impl);
    }
    void TearDown() override {
        for (int32_t i = 0; i < hits.GetCount(); ++i) delete hits[i];
        hits.RemoveAll();
        SRptReportImpl::SetPreviewViewMaker(previous);
        impl = nullptr;
        delete gPreviewShell;
        gPreviewShell = nullptr;
        SRptPrintRunTest::TearDown();
    }

    SRptReportImpl::SPreviewViewMaker previous = nullptr;
    SRptReportImpl* impl = nullptr;
    STable<RPTFINDINFO*> hits;
};

}  // namespace

TEST_F(SRptFindInPreviewTest, BeforeAnyPreviewThereIsNothingToSearch) {
    hits.Add(new RPTFINDINFO(7, "kept"));
    EXPECT_EQ(impl->FindInPreview({GUID_NULL}, hits), S_FALSE);
    ASSERT_EQ(hits.GetCount(), 1);
    EXPECT_EQ(impl->SetPreviewCurrentPage(2), S_FALSE);
}

TEST_F(SRptFindInPreviewTest, EachElementShowingAnObjectAskedForGivesItsPageAndText) {
    ThreePages();
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    ASSERT_EQ(report->PreviewReport(nullptr, nullptr), S_OK);
    EXPECT_EQ(impl->FindInPreview({}, hits), S_OK);
    EXPECT_EQ(hits.GetCount(), 0);

    // Texts present no object of a module: they are found by the empty object identifier.
    ASSERT_EQ(impl->FindInPreview({GUID_NULL}, hits), S_OK);
    std::vector<std::pair<int32_t, std::string>> found;
    for (int32_t i = 0; i < hits.GetCount(); ++i) found.emplace_back(hits[i]->page, hits[i]->text.str());
    const std::vector<std::pair<int32_t, std::string>> texts = {{1, "One"}, {2, "Two"}, {3, "Three"}};
    // The page breaks place nothing and are never found; the texts come in the layout's order.
    std::vector<std::pair<int32_t, std::string>> textHits;
    for (const auto& hit : found)
        if (hit.second == "One" || hit.second == "Two" || hit.second == "Three") textHits.push_back(hit);
    EXPECT_EQ(textHits, texts);

    EXPECT_EQ(impl->SetPreviewCurrentPage(3), S_OK);
    EXPECT_EQ(gPreviewShell->GetPreviewWindow()->GetCurrentPage(), 3);
}

TEST_F(SRptFindInPreviewTest, TheBreakAParagraphAsksForIsFoundByNoSearch) {
    AddText("One");
    auto two = AddText("Two");
    ParaOf(two.Get(), 0)->PutFlow(RPT_PARA_FLOW_PAGEBREAKBEFORE);
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    ASSERT_EQ(report->PreviewReport(nullptr, nullptr), S_OK);
    SRptPhysicalLayer* layer = gPreviewShell->GetLayer();
    ASSERT_EQ(layer->GetPageCount(), 2);
    // The break is in the layout as an item whose node has no report item.
    int32_t breaks = 0;
    for (const auto& item : layer->GetItems()) breaks += item->GetGenerationNode()->GetItem() ? 0 : 1;
    ASSERT_EQ(breaks, 1);

    ASSERT_EQ(impl->FindInPreview({GUID_NULL}, hits), S_OK);
    std::vector<std::pair<int32_t, std::string>> found;
    for (int32_t i = 0; i < hits.GetCount(); ++i) found.emplace_back(hits[i]->page, hits[i]->text.str());
    EXPECT_EQ(found, (std::vector<std::pair<int32_t, std::string>>{{1, "One"}, {2, "Two"}}));
}

TEST_F(SRptFindInPreviewTest, EachObjectAskedForGivesThePageAndTextOfTheElementShowingIt) {
    static constexpr GUID kCustomers = MakeGUID("{0C1D2E3F-4A5B-4C6D-8E9F-A0B1C2D3E401}");
    static constexpr GUID kOrders = MakeGUID("{0C1D2E3F-4A5B-4C6D-8E9F-A0B1C2D3E402}");
    static constexpr GUID kProducts = MakeGUID("{0C1D2E3F-4A5B-4C6D-8E9F-A0B1C2D3E403}");
    static constexpr GUID kNowhere = MakeGUID("{0C1D2E3F-4A5B-4C6D-8E9F-A0B1C2D3E404}");
    // Three group texts of one member each; the module titles each and names its object.
    RegisterItem("CUSTOMERS", RPT_ITEMKIND_GRPTEXT, 1);
    RegisterItem("ORDERS", RPT_ITEMKIND_GRPTEXT, 2);
    RegisterItem("PRODUCTS", RPT_ITEMKIND_GRPTEXT, 3);
    procs->begin = [](RPTPROCCONTEXT&) { return 1; };
    procs->fetch = [](RPTPROCCONTEXT&) { return 1; };
    procs->process = [](RPTPROCCONTEXT& record) {
        static const std::pair<const char*, GUID> members[] = {
            {"Customers", kCustomers}, {"Orders", kOrders}, {"Products", kProducts}};
        if (record.ItemParam < 1 || record.ItemParam > 3) return 0;
        record.Text2 = members[record.ItemParam - 1].first;
        record.ObjectID = members[record.ItemParam - 1].second;
        return 1;
    };
    RenewReport();
    AddItem("CUSTOMERS");
    AddItem("PAGEBREAK");
    AddItem("ORDERS");
    AddItem("PRODUCTS");
    script.ExpectDialog(SRptDlgPrinting::IDD, 0);
    ASSERT_EQ(report->PreviewReport(nullptr, nullptr), S_OK);
    ASSERT_EQ(gPreviewShell->GetLayer()->GetPageCount(), 2);

    // The hits follow what the list held, in the layout's order; an object shown nowhere gives none.
    hits.Add(new RPTFINDINFO(7, "kept"));
    ASSERT_EQ(impl->FindInPreview({kProducts, kNowhere, kCustomers}, hits), S_OK);
    std::vector<std::pair<int32_t, std::string>> found;
    for (int32_t i = 0; i < hits.GetCount(); ++i) found.emplace_back(hits[i]->page, hits[i]->text.str());
    EXPECT_EQ(found, (std::vector<std::pair<int32_t, std::string>>{{7, "kept"}, {1, "Customers"}, {2, "Products"}}));
}
