// Graphic files and user graphics written by a whole RTF generation run: the picture groups, the
// paragraphs and page breaks around them, and the pictures that cannot be placed.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SImagePixels.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/rtf/SRptRtfTestFixture.h"
#include "support/STestModuleProcs.h"
#include "support/STestPictureLimit.h"
#include "varod9/ISRptDevice.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/RptItemDef.h"

namespace {

std::string Picture(const char* name) { return std::string(VAROD9_TEST_DATA) + "/pictures/" + name; }

size_t Count(const std::string& text, const std::string& what) {
    size_t count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

// The data line of the picture group that starts at `at`.
std::string DataOf(const std::string& written, size_t at) {
    const size_t start = written.find("\r\n", at) + 2;
    return written.substr(start, written.find("\r\n", start) - start);
}

// The first `count` bytes of a file.
std::string HeadOf(const SString& path, size_t count) {
    std::ifstream in(path.c_str(), std::ios::binary);
    std::string head(count, '\0');
    in.read(head.data(), static_cast<std::streamsize>(count));
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
}

// Twips of hundredths of a millimetre, as the picture goals are given.
int32_t Twips(int32_t value) { return static_cast<int32_t>(value * 0.01 * 56.693 + 0.5); }

}  // namespace

class SRptPictureWriters : public SRptRtfTest {
protected:
    void SetUp() override {
        SRptRtfTest::SetUp();
        procs.Reset(new STestModuleProcs);
        Page();
    }
    void TearDown() override {
        registered.clear();
        procs.Clear();
        SRptRtfTest::TearDown();
    }
    // A4 with 25 mm margins: 160 × 247 mm printable.
    void Page() {
        reportTemplate->PutPaperSize(POINT{21000, 29700});
        reportTemplate->PutMargin(RECT{2500, 2500, 2500, 2500});
        report->PutHasFirstPage(false);
    }
    // A graphic file placed at the end of the template: placing one asks for its file.
    SComWrap<ISRptGraphicFile> GraphicFile(const std::string& path) {
        script.ExpectFileDialog(path.c_str());
        SComWrap<ISRptGraphicFile> file = AddItem<ISRptGraphicFile>("GRAPHICFILE");
        if (file) file->PutAbsPath(path.c_str());
        return file;
    }
    // A user graphic of the module, `width` × `height` hundredths of a millimetre, that draws a
    // filled rectangle over its whole size; placed in a new report of the module.
    SComWrap<ISRptUserGraphic> UserGraphic(int32_t width, int32_t height) {
        RPTUSRITEMDEF def;
        def.ModuleID = "Sales";
        def.ItemID = "CHART";
        def.Label = "Chart";
        def.Kind = RPT_ITEMKIND_USERGRAPHIC;
        def.DefaultTitle = "Chart";
        def.UserProcs = procs->AsUnknown();
        SComWrap<ISRptItem> item;
        EXPECT_EQ(RptRegisterItem(module.Get(), &def, &item), S_OK);
        registered.push_back(item);
        procs->begin = [width, height](RPTPROCCONTEXT& record) {
            record.PictureWidth = width;
            record.PictureHeight = height;
            return S_OK;
        };
        procs->getValue = [](RPTPROCCONTEXT& record) {
            if (!record.DrawingDC) return E_POINTER;
            record.DrawingDC->Rectangle(0, 0, 200, 100);
            return S_OK;
        };
        Renew();
        return AddItem<ISRptUserGraphic>("CHART");
    }
    void Renew() {
        reportTemplate.Clear();
        report.Clear();
        session->Close();
        session.Clear();
        SComWrap<ISRepObject> reportObject;
        ASSERT_EQ(RptCreateTemplate("Sales", "Quarterly", &session, &reportObject), S_OK);
        report = reportObject.Get();
        ASSERT_EQ(report->GetTemplateAtPos(0, &reportTemplate), S_OK);
        Page();
    }
    void Run(const SString& path) {
        device = new SRptRtfDevice(report.Get(), nullptr, path);
        SComWrap<ISRptDevice> face;
        face = static_cast<ISRptDevice*>(device);
        EXPECT_EQ(face->Generate(), S_OK);
    }
    std::string Generate(const SString& path) {
        Run(path);
        return STestTempFolder::ReadFile(path);
    }
    std::string Generate() { return Generate(folder.PathOf("pictures.rtf")); }
    // A new report for another run.
    void Again() {
        device->Release();
        device = nullptr;
        Renew();
    }

    SComWrap<STestModuleProcs> procs;
    std::vector<SComWrap<ISRptItem>> registered;
};

TEST_F(SRptPictureWriters, AGraphicFileIsAMetafilePictureOfItsSizeBetweenItsParagraphMarks) {
    const std::string path = Picture("gradient.png");
    SRptGraphicBitmap loaded;
    ASSERT_EQ(loaded.LoadFile(path.c_str(), nullptr), 1);
    const SSize size = loaded.GetSize();
    ASSERT_TRUE(GraphicFile(path));
    const std::string written = Generate();

    SString header;
    header.Format("\\par\\pard\\plain\\pard\r\n{\\pict\\emfblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d"
                  "\\picscalex100\\picscaley100\r\n",
                  size.cx, size.cy, Twips(size.cx), Twips(size.cy));
    const size_t at = written.find(header.str());
    ASSERT_NE(at, std::string::npos) << written.substr(0, 2000);
    // The data: two lower-case hexadecimal digits a byte on one line, the metafile's header
    // record first, then the group's end.
    const std::string data = DataOf(written, at + header.GetLength() - 2);
    EXPECT_EQ(data.size() % 2, 0u);
    EXPECT_GT(data.size(), 2u * 108u);
    EXPECT_EQ(data.substr(0, 8), "01000000");
    EXPECT_EQ(data.find_first_not_of("0123456789abcdef"), std::string::npos);
    EXPECT_NE(written.find(data + "\r\n}\r\n"), std::string::npos);
    EXPECT_EQ(Count(written, "{\\pict"), 1u);
}

TEST_F(SRptPictureWriters, AGraphicFileWiderThanThePageIsFittedKeepingItsProportions) {
    const std::string path = Picture("wide.png");
    SRptGraphicBitmap loaded;
    ASSERT_EQ(loaded.LoadFile(path.c_str(), nullptr), 1);
    const SSize size = loaded.GetSize();
    ASSERT_GT(size.cx, 16000);
    // The smaller of the ratios of the part that fits: the width's.
    const double ratio = 16000.0 / size.cx;
    const auto height = static_cast<int32_t>(size.cy * ratio);
    ASSERT_TRUE(GraphicFile(path));
    const std::string written = Generate();
    SString header;
    header.Format("{\\pict\\emfblip\\picw16000\\pich%d\\picwgoal9071\\pichgoal%d\\picscalex100\\picscaley100\r\n",
                  height, Twips(height));
    EXPECT_NE(written.find(header.str()), std::string::npos) << written.substr(0, 2000);
}

TEST_F(SRptPictureWriters, GraphicFilesThatCannotBePlacedWriteNothing) {
    // Missing, not a picture, and a good one on a page without room.
    const SString broken = folder.PathOf("broken.png");
    STestTempFolder::WriteFile(broken, "\x89PNG\r\n\x1a\n but nothing more");
    const SString gone = folder.PathOf("gone.jpg");
    STestTempFolder::WriteFile(gone, STestTempFolder::ReadFile(Picture("green.jpg").c_str()));
    ASSERT_TRUE(GraphicFile(gone.str()));
    ASSERT_TRUE(GraphicFile(broken.str()));
    std::filesystem::remove(gone.str());
    std::string written = Generate();
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
    EXPECT_EQ(written.find("\\par\\pard\\plain\\pard"), std::string::npos);

    device->Release();
    device = nullptr;
    Renew();
    reportTemplate->PutMargin(RECT{10500, 2500, 10500, 2500});
    ASSERT_TRUE(GraphicFile(Picture("green.jpg")));
    written = Generate(folder.PathOf("noroom.rtf"));
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
}

TEST_F(SRptPictureWriters, AGraphicFileAtThePictureLimitIsWrittenAndOnePixelMoreIsLeftOut) {
    // One pixel more is left out, and nothing stands in its place.
    ASSERT_TRUE(GraphicFile(STestPictureLimit::OverLimitFile()));
    const std::string written = Generate();
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
    EXPECT_EQ(written.find("\\par\\pard\\plain\\pard"), std::string::npos);

    // At the limit the picture is written whole: a metafile that holds its bitmap, at least three
    // bytes a pixel, each byte two hexadecimal digits.
    Again();
    ASSERT_TRUE(GraphicFile(STestPictureLimit::AtLimitFile()));
    const SString path = folder.PathOf("limit.rtf");
    Run(path);
    const std::string head = HeadOf(path, 64 << 10);
    EXPECT_NE(head.find("\\par\\pard\\plain\\pard\r\n{\\pict\\emfblip\\picw"), std::string::npos);
    EXPECT_GT(static_cast<int64_t>(std::filesystem::file_size(path.str())), 2 * 3 * SImagePixels::kMaxPixels);
}

TEST_F(SRptPictureWriters, AUserGraphicWhosePageImageWouldBeBeyondThePictureLimitIsLeftOut) {
    // A centred page is the printable area, and its image is made 54 larger each way (8000
    // hundredths of a millimetre on 302 pixels) at the screen's 96 pixels an inch: one pixel more
    // than the limit in one room, the limit exactly in the other.
    const auto centredChart = [this](SIZE pixels) {
        SComWrap<ISRptUserGraphic> chart = UserGraphic(8000, 4000);
        ASSERT_TRUE(chart);
        chart->PutUseZoom(false);
        chart->PutOnePageType(2);
        const SSize room = STestPictureLimit::RoomFor(pixels, 54);
        reportTemplate->PutPaperSize(POINT{room.cx + 5000, room.cy + 5000});
    };
    centredChart(STestPictureLimit::kOverLimit);
    std::string written = Generate();
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
    EXPECT_EQ(written.find("\\pard\\plain\r\n\r\n\\pard"), std::string::npos);
    EXPECT_EQ(written.find("\r\n\\page\r\n"), std::string::npos);

    device->Release();
    device = nullptr;
    centredChart(STestPictureLimit::kAtLimit);
    written = Generate(folder.PathOf("limit.rtf"));
    EXPECT_EQ(Count(written, "{\\pict\\emfblip"), 1u);
    EXPECT_EQ(Count(written, "\r\n}\r\n\r\n\\page\r\n"), 1u);
}

TEST_F(SRptPictureWriters, AUserGraphicAsAParagraphIsItsDrawingFollowedByAParagraphEnd) {
    SComWrap<ISRptUserGraphic> chart = UserGraphic(8000, 4000);
    ASSERT_TRUE(chart);
    chart->PutOnePageType(1);
    const std::string written = Generate();
    ASSERT_EQ(Count(written, "{\\pict\\emfblip"), 1u) << written.substr(0, 2000);
    EXPECT_NE(written.find("\r\n\\pard\\plain\r\n\r\n\\pard\r\n\r\n{\\pict\\emfblip\\picw"), std::string::npos);
    EXPECT_NE(written.find("\r\n}\r\n\r\n\\par\r\n"), std::string::npos);
    EXPECT_EQ(written.find("\r\n\\page\r\n"), std::string::npos);
    // The module drew once, into the recording, and was given no hot zones for RTF.
    const std::vector<RPTPROCCONTEXT> drawn = procs->Records("getvalue");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].HotZones, nullptr);
}

TEST_F(SRptPictureWriters, ACentredUserGraphicFillsItsPageAndEndsIt) {
    SComWrap<ISRptUserGraphic> chart = UserGraphic(8000, 4000);
    ASSERT_TRUE(chart);
    chart->PutOnePageType(2);
    const std::string written = Generate();
    ASSERT_EQ(Count(written, "{\\pict\\emfblip"), 1u);
    // The page image is the printable area and a little more, narrowed to the printable width.
    EXPECT_NE(written.find("{\\pict\\emfblip\\picw16000\\pich"), std::string::npos);
    EXPECT_NE(written.find("\r\n}\r\n\r\n\\page\r\n"), std::string::npos);
}

TEST_F(SRptPictureWriters, AUserGraphicPageImageIsLargerThanItsDrawingByTwicePixelAndUnit) {
    // 80.10 mm on the 1920-pixel, 508-mm screen: 302 pixels of 26.52 hundredths of a millimetre,
    // so the page image is trunc(2 × (26.52 + 1)) = 55 larger each way (not 54, as a pixel's
    // size in whole hundredths would give).
    SComWrap<ISRptUserGraphic> chart = UserGraphic(8010, 4000);
    ASSERT_TRUE(chart);
    chart->PutOnePageType(1);
    const std::string written = Generate();
    EXPECT_NE(written.find("{\\pict\\emfblip\\picw8065\\pich4055\\"), std::string::npos) << written.substr(0, 2000);
}

TEST_F(SRptPictureWriters, ABitmapUserGraphicIsWrittenAsAMetafileHoldingItsPage) {
    // Readers refuse a whole document for a bitmap picture group: the page goes in a metafile.
    SComWrap<ISRptUserGraphic> chart = UserGraphic(8000, 4000);
    ASSERT_TRUE(chart);
    chart->PutFormat(2);
    chart->PutOnePageType(1);
    const std::string written = Generate();
    EXPECT_EQ(Count(written, "{\\pict\\emfblip\\picw"), 1u) << written.substr(0, 2000);
    EXPECT_EQ(written.find("\\wbitmap0"), std::string::npos);
    EXPECT_NE(written.find("\r\n}\r\n\r\n\\par\r\n"), std::string::npos);
}

TEST_F(SRptPictureWriters, AZoomedUserGraphicIsWrittenAsItsPagesEachEndingWithABreak) {
    // 160 mm at 200 %: exactly twice the printable width, so three columns of one row.
    SComWrap<ISRptUserGraphic> chart = UserGraphic(16000, 5000);
    ASSERT_TRUE(chart);
    chart->PutUseZoom(true);
    chart->PutZoomPerct(200);
    const std::string written = Generate();
    ASSERT_EQ(Count(written, "{\\pict\\emfblip"), 3u) << written.substr(0, 2000);
    EXPECT_EQ(Count(written, "\r\n}\r\n\r\n\\page\r\n"), 3u);
    EXPECT_EQ(Count(written, "\r\n\\pard\\plain\r\n\r\n\\pard\r\n"), 3u);
    EXPECT_EQ(Count(written, "\\picw16000\\pich"), 3u);
}

TEST_F(SRptPictureWriters, AUserGraphicWithoutADrawingOrWithoutRoomWritesNothing) {
    // A module that gives no size records nothing worth placing.
    SComWrap<ISRptUserGraphic> chart = UserGraphic(0, 0);
    ASSERT_TRUE(chart);
    procs->getValue = nullptr;
    std::string written = Generate();
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
    EXPECT_EQ(written.find("\\pard\\plain\r\n\r\n\\pard"), std::string::npos);

    device->Release();
    device = nullptr;
    chart = UserGraphic(8000, 4000);
    reportTemplate->PutMargin(RECT{2500, 15000, 2500, 15000});
    written = Generate(folder.PathOf("noroom.rtf"));
    EXPECT_EQ(written.find("\\pict"), std::string::npos);
}

// Writes the sample that the real readers check (tests/readers/pictures_readers.sh) to the path
// the variable names: a PNG file, a JPEG file and a user graphic; without the variable there is
// nothing to do.
TEST_F(SRptPictureWriters, SampleForTheReaders) {
    const char* target = std::getenv("VAROD9_PICTURES_SAMPLE");
    if (!target || !*target) GTEST_SKIP() << "VAROD9_PICTURES_SAMPLE not set";
    SComWrap<ISRptUserGraphic> chart = UserGraphic(8000, 4000);
    ASSERT_TRUE(chart);
    chart->PutFormat(2);
    procs->getValue = [](RPTPROCCONTEXT& record) {
        if (!record.DrawingDC) return E_POINTER;
        record.DrawingDC->FillSolidRect(RECT{0, 0, 200, 100}, RGB(200, 30, 30));
        record.DrawingDC->Ellipse(20, 10, 180, 90);
        return S_OK;
    };
    ASSERT_TRUE(GraphicFile(Picture("gradient.png")));
    ASSERT_TRUE(GraphicFile(Picture("green.jpg")));
    Generate(target);
    EXPECT_TRUE(std::filesystem::exists(target));
}
