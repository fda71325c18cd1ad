// Pictures in an HTML page set: graphic files referred to where they lie, and user graphics drawn
// by the module into JPEG tiles with image maps whose areas lead to the nodes of their objects.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "platform/gdi/SDC.h"
#include "platform/gdi/SJpegReader.h"
#include "rpt/devices/graphics/SRptGraphicBitmap.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/devices/html/SRptHotZoneMap.h"
#include "rpt/devices/html/SRptHtmlTestFixture.h"
#include "support/SFileCompare.h"
#include "support/STestPictureLimit.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

constexpr GUID kOwnerObject = MakeGUID("{5E2D9B14-7A3C-4F0E-8B61-C49D2A07E3F5}");
constexpr GUID kNowhereObject = MakeGUID("{A1B2C3D4-0000-4000-8000-00000000BEEF}");

// A decoded JPEG file.
SImagePixels Decode(const std::string& bytes) {
    SImagePixels image;
    EXPECT_TRUE(SJpegReader::Decode(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), &image));
    return image;
}

// Whether a pixel is near black (a JPEG keeps colours only roughly).
bool IsDark(const SImagePixels& image, int32_t x, int32_t y) {
    const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    return ((pixel >> 16) & 0xFF) < 0x40 && ((pixel >> 8) & 0xFF) < 0x40 && (pixel & 0xFF) < 0x40;
}

bool IsWhite(const SImagePixels& image, int32_t x, int32_t y) {
    const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
    return ((pixel >> 16) & 0xFF) > 0xC0 && ((pixel >> 8) & 0xFF) > 0xC0 && (pixel & 0xFF) > 0xC0;
}

}  // namespace

class SRptHtmlPictures : public SRptHtmlModuleTest {
protected:
    void SetUp() override {
        SRptHtmlModuleTest::SetUp();
        procs->begin = [this](RPTPROCCONTEXT& record) {
            if (record.ItemParam == kGraphicParam) {
                record.PictureWidth = width;
                record.PictureHeight = height;
            }
            return 1;
        };
        procs->process = [](RPTPROCCONTEXT& record) {
            record.Text2 = "Owner & co";
            record.ObjectID = kOwnerObject;
            return record.ItemParam == kFormParam ? 1 : 0;
        };
        procs->getValue = [this](RPTPROCCONTEXT& record) {
            if (record.ItemParam == kFormParam) {
                record.CellText = "Ann";
                return S_OK;
            }
            Draw(record);
            return S_OK;
        };
    }
    void TearDown() override {
        formItem.Clear();
        SRptHtmlModuleTest::TearDown();
    }
    // The module's drawing, in the pixels of the recording: two black squares, and its zones.
    void Draw(RPTPROCCONTEXT& record) {
        record.PictureText = "Plant \"A\" <north> & south";
        record.DrawingDC->FillSolidRect(RECT{0, 0, 50, 50}, RGB(0, 0, 0));
        record.DrawingDC->FillSolidRect(RECT{850, 100, 950, 150}, RGB(0, 0, 0));
        auto* zones = static_cast<SRptHotZoneMap*>(record.HotZones);
        if (!zones) return;
        const RPTHOTZONE owner{kOwnerObject, formItem.Get()};
        zones->Insert(RECT{10, 10, 60, 60}, owner);
        zones->Insert(RECT{300, 20, 400, 80}, owner);
        zones->Insert(RECT{850, 100, 950, 150}, owner);
        // Too small to click: 5 by 10.
        zones->Insert(RECT{100, 100, 105, 110}, owner);
        // An object that no node presents.
        zones->Insert(RECT{200, 200, 300, 300}, RPTHOTZONE{kNowhereObject, formItem.Get()});
    }
    // A user graphic and a form that presents the object its zones refer to.
    SComWrap<ISRptUserGraphic> GraphicAndForm() {
        static const RPTTABLECELLDEF cells[] = {SRptHtmlCell("Name", 20, false, true, RPTTABLECELLDEF_SIZE_FORM),
                                                SRptHtmlCell("", 21, true, true, RPTTABLECELLDEF_SIZE_FORM)};
        static const RPTTABLEROWDEF row = SRptHtmlRow(cells);
        Register("GRAPH", RPT_ITEMKIND_USERGRAPHIC, kGraphicParam);
        formItem = Register("FORM", RPT_ITEMKIND_FORM, kFormParam, &row, 1);
        Renew();
        report->PutName("Plant");
        SComWrap<ISRptUserGraphic> graphic = AddItem<ISRptUserGraphic>("GRAPH");
        graphic->PutTOCEntry(false);
        SComWrap<ISRptForm> form = AddItem<ISRptForm>("FORM");
        form->PutTOCEntry(true);
        for (int32_t position = 0; position < 3; ++position) PlainPara(form.Get(), position, 10);
        return graphic;
    }
    // The JPEG files of the set.
    std::vector<std::string> Pictures() const {
        std::vector<std::string> names;
        for (const std::string& name : folder.Entries())
            if (name.size() > 4 && name.compare(name.size() - 4, 4, ".jpg") == 0 && name.rfind("btn", 0) != 0)
                names.push_back(name);
        return names;
    }
    // What the first page holds before the form: the user graphic's mark-up.
    std::string PictureMarkUp() const {
        const std::string page = Read("Repo1.htm");
        const size_t body = page.find("<body>");
        return page.substr(body, page.find("<p align=\"left\">") - body);
    }
    // The width and height of a JPEG file of the set.
    SSize PictureSize(const std::string& name) const {
        const SImagePixels image = Decode(Read(name));
        return SSize{image.width, image.height};
    }

    static constexpr int32_t kGraphicParam = 3;
    static constexpr int32_t kFormParam = 2;
    // One and a half printable areas wide, half of one high.
    int32_t width = 28500;
    int32_t height = 13850;
    SComWrap<ISRptItem> formItem;
};

TEST_F(SRptHtmlPictures, AZoomedGraphicWiderThanTheAreaIsTwoTilesInOneTableWithTheirMaps) {
    GraphicAndForm();
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(Pictures(), (std::vector<std::string>{"Repo0.jpg", "Repo1.jpg"}));
    EXPECT_FILE_MATCHES(folder.PathOf("Repo1.htm"), "html/user_graphic/Repo1.htm");
    const std::string page = PictureMarkUp();
    EXPECT_EQ(Count(page, "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">"), 1u);
    EXPECT_EQ(Count(page, "<tr>"), 1u);
    EXPECT_EQ(Count(page, "<td>"), 2u);
    EXPECT_EQ(Count(page, "</tr>"), 1u);
    EXPECT_EQ(Count(page, "</table>"), 1u);
    EXPECT_EQ(Count(page, "<map name="), 2u);
    // Three zones are large enough and lead somewhere: two on the first tile, one on the second.
    EXPECT_EQ(Count(page, "<area shape=\"rect\""), 3u);
    EXPECT_EQ(Count(page, "href=\"Repo1.htm#3\" alt=\"Owner &amp; co\""), 3u);
    EXPECT_TRUE(Holds(page, "alt=\"Plant &quot;A&quot; &lt;north&gt; &amp; south\""));

    // Each tile is the printable area (190 by 277 mm) with a margin of two pixels and a little,
    // at 96 pixels an inch; the drawing is centred on the two tiles.
    for (const char* name : {"Repo0.jpg", "Repo1.jpg"}) EXPECT_EQ(PictureSize(name), (SSize{720, 1048}));
    const SImagePixels left = Decode(Read("Repo0.jpg"));
    const SImagePixels right = Decode(Read("Repo1.jpg"));
    // The drawing begins 47.5 mm from the left and 69.25 mm from the top: 180 and 262 pixels.
    EXPECT_TRUE(IsDark(left, 200, 285));
    EXPECT_TRUE(IsWhite(left, 170, 285));
    EXPECT_TRUE(IsWhite(left, 200, 250));
    // The second square lies 850 pixels into the drawing, 311 pixels into the second tile.
    EXPECT_TRUE(IsDark(right, 360, 385));
    EXPECT_TRUE(IsWhite(right, 200, 285));
}

TEST_F(SRptHtmlPictures, AnUnzoomedGraphicIsOneTileOfItsOwnSizeOrCentredOnTheArea) {
    width = 9000;
    height = 5000;
    SComWrap<ISRptUserGraphic> graphic = GraphicAndForm();
    graphic->PutUseZoom(false);
    struct Case {
        int16_t onePageType;
        SSize size;
    };
    // 90 by 50 mm and the margin make 342 by 191 pixels; the printable area 720 by 1048.
    for (const Case& c : {Case{1, SSize{342, 191}}, Case{2, SSize{720, 1048}}, Case{7, SSize{342, 191}}}) {
        graphic->PutOnePageType(c.onePageType);
        ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
        EXPECT_EQ(Pictures(), std::vector<std::string>{"Repo0.jpg"}) << c.onePageType;
        EXPECT_EQ(PictureSize("Repo0.jpg"), c.size) << c.onePageType;
        const std::string page = PictureMarkUp();
        EXPECT_EQ(Count(page, "<tr>"), 1u);
        EXPECT_EQ(Count(page, "<td>"), 1u);
        EXPECT_EQ(Count(page, "</table>"), 1u);
    }
    // Centred, the first square moves by half the room left: 50 mm across, 113.5 mm down.
    graphic->PutOnePageType(2);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const SImagePixels centred = Decode(Read("Repo0.jpg"));
    EXPECT_TRUE(IsDark(centred, 210, 450));
    EXPECT_TRUE(IsWhite(centred, 180, 450));
}

TEST_F(SRptHtmlPictures, NothingToLayOutWritesNoTileAndNoTable) {
    SComWrap<ISRptUserGraphic> graphic = GraphicAndForm();
    // No zoom at all, a template without room, a picture without a size.
    graphic->PutZoomPerct(0);
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_TRUE(Pictures().empty());
    graphic->PutZoomPerct(100);
    reportTemplate->PutMargin(RECT{11000, 1000, 11000, 1000});
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_TRUE(Pictures().empty());
    reportTemplate->PutMargin(RECT{1000, 1000, 1000, 1000});
    width = 0;
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_TRUE(Pictures().empty());
    EXPECT_FALSE(Holds(Read("Repo1.htm"), "<img border=\"0\" src=\"Repo"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "Ann"));
}

TEST_F(SRptHtmlPictures, AUserGraphicWhosePageImageWouldBeBeyondThePictureLimitHasNoTile) {
    // A centred page is the printable area, and its image is made 54 larger each way (8000
    // hundredths of a millimetre on 302 pixels) at 96 pixels an inch: one pixel more than the
    // limit in one room, the limit exactly in the other.
    width = 8000;
    height = 4000;
    SComWrap<ISRptUserGraphic> graphic = GraphicAndForm();
    graphic->PutUseZoom(false);
    graphic->PutOnePageType(2);
    const SSize over = STestPictureLimit::RoomFor(STestPictureLimit::kOverLimit, 54);
    reportTemplate->PutPaperSize(POINT{over.cx + 2000, over.cy + 2000});
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_TRUE(Pictures().empty());
    EXPECT_FALSE(Holds(Read("Repo1.htm"), "<table border=\"0\" cellpadding"));
    EXPECT_TRUE(Holds(Read("Repo1.htm"), "Ann"));

    const SSize limit = STestPictureLimit::RoomFor(STestPictureLimit::kAtLimit, 54);
    reportTemplate->PutPaperSize(POINT{limit.cx + 2000, limit.cy + 2000});
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    EXPECT_EQ(Pictures(), std::vector<std::string>{"Repo0.jpg"});
    EXPECT_EQ(Count(PictureMarkUp(), "<img border=\"0\" src=\"Repo0.jpg\""), 1u);
}

TEST_F(SRptHtmlPictures, ATileThatCannotBeSavedEndsTheRun) {
    GraphicAndForm();
    std::filesystem::create_directory(folder.path() / "Repo1.jpg");
    EXPECT_EQ(Generate(folder.PathOf("Report.htm")), static_cast<HRESULT>(0x80030019));
    EXPECT_FALSE(Exists("Report.htm"));
    EXPECT_FALSE(Exists("Repo1.htm"));
}

TEST_F(SRptHtmlPictures, ATileWriterWithoutAPictureRefusesAndCountsNothing) {
    NewDevice(folder.PathOf("My Report.htm"));
    ASSERT_EQ(SRptHtmlDeviceTestAccess::Begin(html), S_OK);
    SRptHtmlDeviceTestAccess::OpenMemoryPage(html);
    const SString alt = "a \"b\"";
    EXPECT_EQ(html->WriteTile(nullptr, nullptr, 1, 1, 0, 0, {}, &alt), E_INVALIDARG);
    EXPECT_EQ(html->GetPictureCount(), 0);
    EXPECT_EQ(SRptHtmlDeviceTestAccess::Written(html), "");
    // With a picture the tile is the counter's file.
    SRptGraphicBitmap picture;
    picture.Lock(SSize{1000, 500});
    picture.Unlock();
    EXPECT_EQ(html->WriteTile(nullptr, &picture, 1, 1, 0, 0, {}, &alt), S_OK);
    EXPECT_EQ(html->GetPictureCount(), 1);
    // The file is linked as a URL; its name and the map's are attribute values.
    EXPECT_EQ(SRptHtmlDeviceTestAccess::Written(html),
              "<table border=\"0\" cellpadding=\"0\" cellspacing=\"0\">\r\n<tr>\r\n<td>\r\n"
              "<img border=\"0\" src=\"My%20R0.jpg\" alt=\"a &quot;b&quot;\" name=\"My R0.jpg\" "
              "usemap=\"#My R0_map\" />\r\n<map name=\"My R0_map\">\r\n</map>\r\n</td>\r\n</tr>\r\n</table>\r\n");
    // 10 by 5 mm at 96 pixels an inch.
    EXPECT_EQ(PictureSize("My R0.jpg"), (SSize{37, 18}));
    EXPECT_EQ(html->WriteUserGraphic(nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(html->WriteGraphicFile(nullptr, nullptr), E_INVALIDARG);
}

class SRptHtmlGraphicFiles : public SRptHtmlTest {};

TEST_F(SRptHtmlGraphicFiles, TheDisplayFlagShowsThePathThePictureOrBoth) {
    // The test's folder needs no encoding in a URL; the file's name does.
    ASSERT_TRUE(std::regex_match(folder.GetPath().str(), std::regex("[A-Za-z0-9/._-]+")));
    const SString path = folder.PathOf("my pic&1.jpg");
    STestTempFolder::WriteFile(path, "not read");
    PlainReport();
    for (int32_t flag : {2, 4, 0}) {
        script.ExpectFileDialog(path);
        SComWrap<ISRptGraphicFile> file = AddItem<ISRptGraphicFile>("GRAPHICFILE");
        ASSERT_TRUE(file);
        file->PutTOCEntry(false);
        file->PutDisplayFlag(flag);
        PlainPara(file.Get(), 0, 10);
    }
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::string block = "<p align=\"left\"><font face=\"Arial\" size=\"2\">\r\n";
    const std::string end = "</font>\r\n\r\n</p>\r\n";
    const std::string text = folder.GetPath().str() + "/my pic&amp;1.jpg";
    const std::string picture = "<p align=\"left\"><img border=\"0\" src=\"file://" + folder.GetPath().str() +
                                "/my%20pic%261.jpg\" alt=\"[" + text + "]\" />\r\n\r\n</p>\r\n";
    const std::string expected = block + text + end +    // 2: the path only
                                 block + end + picture +  // 4: the picture only
                                 block + text + end + picture;  // 0: both, the path first
    const std::string page = Read("Repo1.htm");
    EXPECT_TRUE(Holds(page, "<body>\r\n" + expected + "<p align=\"center\">")) << page;
    // The picture is not copied into the set.
    EXPECT_EQ(folder.Entries(), (std::vector<std::string>{"Repo1.htm", "Report.htm", "btnhome.jpg", "btnnext.jpg",
                                                          "btnprev.jpg", "my pic&1.jpg"}));
}

TEST_F(SRptHtmlGraphicFiles, APictureAtTheLimitIsShownAndOfOnePixelMoreOnlyThePath) {
    const std::string atLimit = STestPictureLimit::AtLimitFile();
    const std::string overLimit = STestPictureLimit::OverLimitFile();
    PlainReport();
    for (const std::string& path : {atLimit, overLimit}) {
        script.ExpectFileDialog(path.c_str());
        SComWrap<ISRptGraphicFile> file = AddItem<ISRptGraphicFile>("GRAPHICFILE");
        ASSERT_TRUE(file);
        file->PutTOCEntry(false);
        file->PutDisplayFlag(0);
        PlainPara(file.Get(), 0, 10);
    }
    ASSERT_EQ(Generate(folder.PathOf("Report.htm")), S_OK);
    const std::string page = Read("Repo1.htm");
    EXPECT_EQ(Count(page, "<img border=\"0\" src=\"file://"), 1u) << page;
    EXPECT_TRUE(Holds(page, "alt=\"[" + atLimit + "]\" />")) << page;
    // The path of the picture beyond the limit is its title, and nothing more.
    EXPECT_EQ(Count(page, overLimit), 1u) << page;
}
