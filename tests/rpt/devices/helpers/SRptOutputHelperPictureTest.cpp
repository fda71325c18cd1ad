// The helpers of graphic files and user graphics: the picture each makes, what the module is
// handed and returns when it draws, and the clickable zones kept for HTML.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gdi/SDC.h"
#include "rpt/devices/generation/SRptGenerationNodeGraphicFile.h"
#include "rpt/devices/generation/SRptGenerationNodeUserGraphic.h"
#include "rpt/devices/graphics/SRptGraphicMetaFile.h"
#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"
#include "rpt/devices/helpers/SRptOutputHelperTestFixture.h"
#include "rpt/devices/helpers/SRptOutputHelperUserGraphic.h"
#include "rpt/objs/items/SRptGraphicFileMem.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "support/STestTempFolder.h"
#include "varod9/ISRptGraphicFile.h"
#include "varod9/ISRptUserGraphic.h"

namespace {

constexpr GUID kCustomer = MakeGUID("{0C0FFEE0-0000-4000-8000-0000000000A1}");

class SRptOutputHelperPictureKinds : public SRptOutputHelperTestFixture {
protected:
    void TearDown() override {
        tree.reset();
        files.clear();
        SRptOutputHelperTestFixture::TearDown();
    }
    // A user graphic of the test's module that answers Begin with its size and layout words
    // and draws a rectangle, returning a text.
    SComWrap<ISRptUserGraphic> Chart() {
        SComWrap<ISRptUserGraphic> chart = Build<ISRptUserGraphic>(CLSID_SRptUserGraphic);
        UseModule(chart.Get());
        module->begin = [](RPTPROCCONTEXT& record) {
            record.PictureWidth = 5000;
            record.PictureHeight = 3000;
            for (int32_t i = 0; i < 4; ++i) record.PictureWords[i] = 11 * (i + 1);
            return S_OK;
        };
        module->getValue = [](RPTPROCCONTEXT& record) {
            if (record.DrawingDC) record.DrawingDC->Rectangle(0, 0, 50, 30);
            record.PictureText = "sales chart";
            return S_OK;
        };
        return chart;
    }
    SRptOutputHelperUserGraphic* Draw(ISRptUserGraphic* chart) {
        return Enter<SRptOutputHelperUserGraphic>(Insert<SRptGenerationNodeUserGraphic>(chart, 0, 0));
    }
    SRptOutputHelperGraphicFile* FileHelper(const SString& path) {
        SComWrap<ISRptGraphicFile> file = Build<ISRptGraphicFile>(CLSID_SRptGraphicFile);
        file->PutAbsPath(path);
        files.push_back(file);
        return Enter<SRptOutputHelperGraphicFile>(Insert<SRptGenerationNodeGraphicFile>(file.Get(), 0));
    }

    std::vector<SComWrap<ISRptGraphicFile>> files;
    STestTempFolder folder;
};

}  // namespace

TEST_F(SRptOutputHelperPictureKinds, AUserGraphicRecordsTheModulesDrawingAtTheScreensScale) {
    SComWrap<ISRptUserGraphic> chart = Chart();
    chart->PutOnePageType(1);
    chart->PutZoomPerct(150);
    SRptOutputHelperUserGraphic* helper = Draw(chart.Get());
    ASSERT_TRUE(helper);

    // What the module returned is kept by the helper.
    EXPECT_EQ(helper->GetWidth(), 5000);
    EXPECT_EQ(helper->GetHeight(), 3000);
    EXPECT_EQ(std::vector<int32_t>(helper->GetLayoutWords(), helper->GetLayoutWords() + 4),
              (std::vector<int32_t>{11, 22, 33, 44}));
    EXPECT_EQ(helper->GetPictureText(), "sales chart");
    EXPECT_EQ(helper->GetText(), "");

    // The drawing went into a metafile whose frame is the module's size scaled by the screen's
    // logical (96 per inch) to physical (1920 pixels over 508 mm) resolution.
    ASSERT_NE(helper->GetPicture(), nullptr);
    EXPECT_EQ(helper->GetPicture()->GetFormat(), 1);
    EXPECT_EQ(helper->GetPicture()->IsLocked(), 0);
    const double cx = 96 * 5000 * 0.03937007874015748 / 1920 * 508;
    const double cy = 96 * 3000 * 0.03937007874015748 / 1440 * 381;
    EXPECT_EQ(helper->GetPicture()->GetSize(), (SSize{static_cast<int32_t>(cx), static_cast<int32_t>(cy)}));
    EXPECT_GT(helper->GetPicture()->GetBits(0, nullptr), 108u);
    EXPECT_NE(helper->GetRecording(), nullptr);

    // The module drew once, into a context, with the item's placement over the presets.
    const std::vector<RPTPROCCONTEXT> drawn = module->Records("getvalue");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_NE(drawn[0].DrawingDC, nullptr);
    EXPECT_EQ(drawn[0].OnePageType, 1);
    EXPECT_EQ(drawn[0].GraphicWord2, 2);
    EXPECT_EQ(drawn[0].ZoomPerct, 150);
    // Not HTML: no zones to fill.
    EXPECT_EQ(drawn[0].HotZones, nullptr);
    EXPECT_EQ(helper->GetHotZoneMap().GetCount(), 0);
}

TEST_F(SRptOutputHelperPictureKinds, AModuleThatGivesNoSizeLeavesNothingToPlace) {
    SComWrap<ISRptUserGraphic> chart = Chart();
    module->begin = nullptr;
    SRptOutputHelperUserGraphic* helper = Draw(chart.Get());
    ASSERT_TRUE(helper);
    EXPECT_EQ(helper->GetWidth(), 0);
    EXPECT_EQ(helper->GetRecording(), nullptr);
}

TEST_F(SRptOutputHelperPictureKinds, ForHtmlTheModuleFillsTheHelpersZonesAndEveryZoneIsResolved) {
    NewTree(nullptr, 2);
    SComWrap<ISRptUserGraphic> chart = Chart();
    module->getValue = [](RPTPROCCONTEXT& record) {
        auto* zones = static_cast<SRptHotZoneMap*>(record.HotZones);
        if (!zones) return E_POINTER;
        RPTHOTZONE zone;
        zone.ObjectID = kCustomer;
        zones->Insert(RECT{10, 10, 20, 20}, zone);
        zones->Insert(RECT{0, 0, 5, 5}, zone);
        return S_OK;
    };
    SRptOutputHelperUserGraphic* helper = Draw(chart.Get());
    ASSERT_TRUE(helper);
    const std::vector<RPTPROCCONTEXT> drawn = module->Records("getvalue");
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].HotZones, &helper->GetHotZoneMap());
    ASSERT_EQ(helper->GetHotZoneMap().GetCount(), 2);

    // Targets presented nowhere get no link, and are kept all the same, in key order.
    EXPECT_EQ(helper->ResolveLinks(), S_OK);
    const STable<RPTHOTZONELINK>& links = helper->GetHotZoneTable();
    ASSERT_EQ(links.GetCount(), 2);
    EXPECT_EQ(links[0].rect, (RECT{0, 0, 5, 5}));
    EXPECT_EQ(links[1].rect, (RECT{10, 10, 20, 20}));
    EXPECT_EQ(links[0].link, nullptr);
    EXPECT_EQ(links[1].link, nullptr);
    // Resolving again does not add the zones twice.
    EXPECT_EQ(helper->ResolveLinks(), S_OK);
    EXPECT_EQ(helper->GetHotZoneTable().GetCount(), 2);
}

TEST_F(SRptOutputHelperPictureKinds, AGraphicFileKeepsItsPathAndAPictureOfItsContentsKind) {
    const SString png(std::string(VAROD9_TEST_DATA) + "/pictures/gradient.png");
    SRptOutputHelperGraphicFile* bitmap = FileHelper(png);
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->GetPath(), png);
    ASSERT_NE(bitmap->GetPicture(), nullptr);
    EXPECT_EQ(bitmap->GetPicture()->GetFormat(), 2);
    EXPECT_EQ(bitmap->GetText(), "");
    EXPECT_EQ(bitmap->GetWidth(), 0);
    EXPECT_EQ(bitmap->GetHeight(), 0);
    EXPECT_EQ(bitmap->ResolveLinks(), S_OK);

    // An enhanced metafile, whatever its name, gets a metafile picture.
    SRptGraphicMetaFile recorded;
    recorded.Lock(SSize{1000, 500});
    recorded.GetDrawDC()->Rectangle(0, 0, 10, 10);
    recorded.Unlock();
    std::string bytes(recorded.GetBits(0, nullptr), '\0');
    recorded.GetBits(static_cast<uint32_t>(bytes.size()), reinterpret_cast<unsigned char*>(bytes.data()));
    const SString emf = folder.PathOf("drawing.png");
    STestTempFolder::WriteFile(emf, bytes);
    SRptOutputHelperGraphicFile* metaFile = FileHelper(emf);
    ASSERT_TRUE(metaFile);
    ASSERT_NE(metaFile->GetPicture(), nullptr);
    EXPECT_EQ(metaFile->GetPicture()->GetFormat(), 1);

    // Nothing to read yet: a bitmap, which the writers then fail to load.
    SRptOutputHelperGraphicFile* missing = FileHelper(folder.PathOf("missing.emf"));
    ASSERT_TRUE(missing);
    ASSERT_NE(missing->GetPicture(), nullptr);
    EXPECT_EQ(missing->GetPicture()->GetFormat(), 2);
}
