#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <regex>
#include <string>

#include "platform/base/SEIOException.h"
#include "platform/base/SRegistry.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SFontOld.h"
#include "platform/gdi/SImageBackEnd.h"
#include "platform/gdi/SImagePixels.h"
#include "platform/gdi/SPdfBackEnd.h"
#include "platform/gdi/SPngReader.h"
#include "platform/gdi/SPrintJob.h"
#include "platform/gdi/SPrinterCache.h"
#include "support/STestFileSizeLimit.h"
#include "support/STestTempFolder.h"

namespace {

// The virtual printer as the settings store holds it, with its jobs written to the test's folder.
class SPrintJobTest : public testing::Test {
protected:
    void SetUp() override {
        SSettingsStore::Get().Clear();
        Store("Output Folder", folder.GetPath());
    }
    void TearDown() override { SSettingsStore::Get().Clear(); }

    static void Store(const char* name, const SString& value) {
        SRegistry key(HKEY_CURRENT_USER, SPrinterCache::RegistryKey(), 1);
        key.WriteProfile(name, value);
    }
    static void Store(const char* name, int32_t value) {
        SRegistry key(HKEY_CURRENT_USER, SPrinterCache::RegistryKey(), 1);
        key.WriteProfile(name, value);
    }
    static SDC PrinterDC() { return SDC(SPrinterCache::CreatePrinterDC({})); }
    static DOCINFOA Document(const char* name, const char* output = nullptr) {
        DOCINFOA info;
        info.lpszDocName = name;
        info.lpszOutput = output;
        return info;
    }
    // Pages of a PDF file as its page objects count them.
    static int32_t PageCount(const std::string& pdf) {
        static const std::regex page("/Type\\s*/Page[^s]");
        return static_cast<int32_t>(
            std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
    }
    // Two pages, each with a line of text and a frame, in the units the printed pages use:
    // hundredths of a millimetre, y growing downwards from the printable area's corner.
    static void PrintTwoPages(SDC& dc) {
        dc.SetMapMode(MM_HIMETRIC);
        dc.SetMapMode(MM_ANISOTROPIC);
        const SIZE viewport = dc.GetViewportExt();
        dc.SetViewportExt(viewport.cx, -viewport.cy);
        LOGFONTA logFont;
        logFont.lfHeight = -423;  // 12 points
        std::strcpy(logFont.lfFaceName, "Arial");
        SFontOld font;
        font.CreateFontIndirect(&logFont);
        dc.SelectFont(&font);
        dc.SetBkMode(TRANSPARENT);
        for (const char* text : {"First page of the job", "Second page of the job"}) {
            ASSERT_GT(dc.StartPage(), 0);
            EXPECT_TRUE(dc.TextOut(2500, 2500, text));
            EXPECT_TRUE(dc.Rectangle(2000, 2000, 15000, 4000));
            ASSERT_GT(dc.EndPage(), 0);
        }
    }

    STestTempFolder folder;
};

}  // namespace

TEST_F(SPrintJobTest, ATwoPageJobWritesATwoPagePdfInThePrintersFolder) {
    SDC dc = PrinterDC();
    const DOCINFOA info = Document("Report Editor");
    const int32_t job = dc.StartDoc(&info);
    EXPECT_GT(job, 0);
    PrintTwoPages(dc);
    // Nothing is there before the job is complete.
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_GT(dc.EndDoc(), 0);
    ASSERT_EQ(folder.Entries(), std::vector<std::string>{"Report Editor.pdf"});
    const std::string pdf = STestTempFolder::ReadFile(folder.PathOf("Report Editor.pdf"));
    EXPECT_EQ(pdf.substr(0, 5), "%PDF-");
    EXPECT_EQ(PageCount(pdf), 2);

    // The next job of the same name does not replace it; its number is another.
    EXPECT_NE(dc.StartDoc(&info), job);
    ASSERT_GT(dc.StartPage(), 0);
    EXPECT_GT(dc.EndDoc(), 0);  // the open page is ended with the job
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Report Editor 2.pdf", "Report Editor.pdf"}));
    EXPECT_EQ(PageCount(STestTempFolder::ReadFile(folder.PathOf("Report Editor 2.pdf"))), 1);
}

TEST_F(SPrintJobTest, PrintingToAFileNamesThePdf) {
    const SString target = folder.PathOf("chosen.prn");
    SDC dc = PrinterDC();
    const DOCINFOA info = Document("Report Editor", target.c_str());
    ASSERT_GT(dc.StartDoc(&info), 0);
    EXPECT_EQ(static_cast<SPdfBackEnd*>(dc.GetBackEnd())->GetOutputPath(), target);
    PrintTwoPages(dc);
    EXPECT_GT(dc.EndDoc(), 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"chosen.prn"});
    EXPECT_EQ(PageCount(STestTempFolder::ReadFile(target)), 2);
}

TEST_F(SPrintJobTest, AnAbortedJobLeavesNoFileAndAnEarlierOneAsItWas) {
    const SString target = folder.PathOf("kept.pdf");
    STestTempFolder::WriteFile(target, "earlier");
    SDC dc = PrinterDC();
    const DOCINFOA toFile = Document("Report Editor", target.c_str());
    ASSERT_GT(dc.StartDoc(&toFile), 0);
    PrintTwoPages(dc);
    EXPECT_GT(dc.AbortDoc(), 0);
    EXPECT_EQ(STestTempFolder::ReadFile(target), "earlier");

    const DOCINFOA spooled = Document("Report Editor");
    ASSERT_GT(dc.StartDoc(&spooled), 0);
    ASSERT_GT(dc.StartPage(), 0);
    EXPECT_GT(dc.AbortDoc(), 0);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.pdf"});
    // A device context that goes in the middle of a job drops it too.
    {
        SDC another = PrinterDC();
        ASSERT_GT(another.StartDoc(&spooled), 0);
        ASSERT_GT(another.StartPage(), 0);
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.pdf"});
}

TEST_F(SPrintJobTest, CallsOutOfTurnAreRefusedAndDrawNothing) {
    SDC dc = PrinterDC();
    EXPECT_EQ(dc.StartPage(), SP_ERROR);
    EXPECT_EQ(dc.EndPage(), SP_ERROR);
    EXPECT_EQ(dc.EndDoc(), SP_ERROR);
    EXPECT_EQ(dc.AbortDoc(), SP_ERROR);
    EXPECT_EQ(dc.StartDoc(nullptr), SP_ERROR);
    // A printer's context measures outside a job, and draws only on a page.
    EXPECT_FALSE(dc.Rectangle(0, 0, 10, 10));
    const DOCINFOA info = Document("Out of turn");
    ASSERT_GT(dc.StartDoc(&info), 0);
    EXPECT_EQ(dc.StartDoc(&info), SP_ERROR);
    EXPECT_FALSE(dc.Rectangle(0, 0, 10, 10));
    EXPECT_EQ(dc.EndPage(), SP_ERROR);
    ASSERT_GT(dc.StartPage(), 0);
    EXPECT_EQ(dc.StartPage(), SP_ERROR);
    EXPECT_TRUE(dc.Rectangle(0, 0, 10, 10));
    EXPECT_GT(dc.AbortDoc(), 0);

    // Only a printer has jobs.
    SDC screen(std::make_unique<SImageBackEnd>(20, 20, 96, 96));
    EXPECT_EQ(screen.StartDoc(&info), SP_ERROR);
    EXPECT_EQ(screen.StartPage(), SP_ERROR);
    SDC none;
    EXPECT_EQ(none.StartDoc(&info), SP_ERROR);
    EXPECT_EQ(none.SetAbortProc(nullptr), SP_ERROR);
}

TEST_F(SPrintJobTest, AJobThatCannotBeWrittenIsNotStarted) {
    Store("Output Folder", folder.PathOf("missing/folder"));
    SDC dc = PrinterDC();
    const DOCINFOA info = Document("Report Editor");
    EXPECT_EQ(dc.StartDoc(&info), SP_ERROR);
    const SString folderAsFile = folder.GetPath();
    const DOCINFOA toFolder = Document("Report Editor", folderAsFile.c_str());
    EXPECT_EQ(dc.StartDoc(&toFolder), SP_ERROR);
}

TEST_F(SPrintJobTest, AJobWhoseFileCannotBeWrittenFailsAndLeavesTheEarlierFileAsItWas) {
    const SString target = folder.PathOf("kept.pdf");
    STestTempFolder::WriteFile(target, "earlier");
    SDC dc = PrinterDC();
    const DOCINFOA toFile = Document("Report Editor", target.c_str());
    {
        // A file may not grow past 1 KiB, as on a full disk.
        STestFileSizeLimit limit(1024);
        // A document written whole only at its end: the end fails.
        ASSERT_GT(dc.StartDoc(&toFile), 0);
        PrintTwoPages(dc);
        EXPECT_EQ(dc.EndDoc(), SP_ERROR);
        EXPECT_EQ(STestTempFolder::ReadFile(target), "earlier");

        // A page written after the file could take no more is refused: the job cannot go on.
        ASSERT_GT(dc.StartDoc(&toFile), 0);
        int32_t refused = 0;
        for (int32_t page = 1; page <= 200 && !refused; ++page) {
            ASSERT_GT(dc.StartPage(), 0);
            dc.TextOut(100, 100 + page, ("Page " + std::to_string(page) + " of a long job").c_str());
            if (dc.EndPage() < 0) refused = page;
        }
        EXPECT_GT(refused, 0);
        EXPECT_GT(dc.AbortDoc(), 0);
    }
    EXPECT_EQ(STestTempFolder::ReadFile(target), "earlier");
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"kept.pdf"});
}

TEST_F(SPrintJobTest, DocumentNamesMakeSafeFileNames) {
    EXPECT_EQ(SPrintJob::MakeOutputPath("/out", "Sales: Q1/Q2 <draft>"), "/out/Sales_ Q1_Q2 _draft_.pdf");
    EXPECT_EQ(SPrintJob::MakeOutputPath("/out/", ".."), "/out/Document.pdf");
    EXPECT_EQ(SPrintJob::MakeOutputPath("/out", ""), "/out/Document.pdf");
}

TEST_F(SPrintJobTest, DeviceCapsOfA300AndA600DpiPrinter) {
    // A4 with a quarter of an inch (635 hundredths of a millimetre) the printer cannot reach.
    for (const char* side : {"Left", "Top", "Right", "Bottom"}) Store((SString("Min Margin ") + side).c_str(), 635);
    struct Expected {
        int32_t dpi, width, height, offset;
    };
    // 210 mm = 8.27 in and 297 mm = 11.69 in, in dots rounded.
    for (const Expected& expected : {Expected{300, 2480, 3508, 75}, Expected{600, 4961, 7016, 150}}) {
        Store("Resolution", expected.dpi);
        SDC dc = PrinterDC();
        EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), expected.dpi);
        EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), expected.dpi);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), expected.width);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), expected.height);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), expected.offset);
        EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETY), expected.offset);
        EXPECT_EQ(dc.GetDeviceCaps(HORZRES), expected.width - 2 * expected.offset);
        EXPECT_EQ(dc.GetDeviceCaps(VERTRES), expected.height - 2 * expected.offset);
    }
    // The settings a dialog carries come before the store's: a landscape page at 300 dpi.
    SPrinterCache::SDevSettings landscape;
    landscape.orientation = DMORIENT_LANDSCAPE;
    landscape.resolution = 300;
    SDC dc(SPrinterCache::CreatePrinterDC(landscape));
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 3508);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), 2480);
}

TEST_F(SPrintJobTest, APreviewPageIsSavedAsPng) {
    SImageBackEnd* page = nullptr;
    SDC dc([&] {
        auto backEnd = std::make_unique<SImageBackEnd>(60, 40, 96, 96);
        page = backEnd.get();
        return backEnd;
    }());
    ASSERT_TRUE(dc.FillSolidRect(RECT{10, 10, 30, 20}, RGB(255, 0, 0)));
    const SString path = folder.PathOf("page 1.png");
    page->SaveAsPng(path);
    const std::string bytes = STestTempFolder::ReadFile(path);
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
    ASSERT_TRUE(SPngReader::IsPng(data, bytes.size()));
    SImagePixels pixels;
    ASSERT_TRUE(SPngReader::Decode(data, bytes.size(), &pixels));
    EXPECT_EQ(pixels.width, 60);
    EXPECT_EQ(pixels.height, 40);
    EXPECT_EQ(pixels.pixels[15 * 60 + 20], 0xFF0000u);
    EXPECT_EQ(pixels.pixels[0], 0xFFFFFFu);

    // A page that cannot be written leaves an error, not a file.
    EXPECT_THROW(page->SaveAsPng(folder.PathOf("missing/page.png")), SEIOException);
    SImageBackEnd memory(page->GetCaps());  // a memory back end without a bitmap has no pixels
    EXPECT_THROW(memory.SaveAsPng(folder.PathOf("empty.png")), SEIOException);
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{"page 1.png"});
}

// Writes a two-page job where VAROD9_PDF_SAMPLE says, for the PDF readers (tests/readers).
TEST_F(SPrintJobTest, SampleForTheReaders) {
    const char* target = std::getenv("VAROD9_PDF_SAMPLE");
    if (!target) GTEST_SKIP() << "VAROD9_PDF_SAMPLE names no file";
    SDC dc = PrinterDC();
    const DOCINFOA info = Document("Report Editor", target);
    ASSERT_GT(dc.StartDoc(&info), 0);
    PrintTwoPages(dc);
    ASSERT_GT(dc.EndDoc(), 0);
}
