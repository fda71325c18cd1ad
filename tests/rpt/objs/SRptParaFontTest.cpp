#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/module/SRptStartup.h"
#include "support/SRptParaTestFixture.h"
#include "support/STestFontEngineScope.h"

namespace {

// Fonts and metrics with the deterministic font engine, so that the numbers hold on every machine.
class SRptParaFont : public SRptParaTest {
protected:
    static std::unique_ptr<SDC> DeviceAt(int32_t dotsPerInch) {
        return std::make_unique<SDC>(std::make_unique<SImageBackEnd>(100, 100, dotsPerInch, dotsPerInch));
    }
    static LOGFONTA ScreenFontOf(ISRptPara* para) {
        LOGFONTA logFont;
        SFontOld* font = Impl(para)->GetTmpFont();
        EXPECT_NE(font, nullptr);
        if (font) font->GetLogFont(&logFont);
        return logFont;
    }
    static LOGFONTA LogFontOf(const SFontOldPtr& font) {
        LOGFONTA logFont;
        EXPECT_TRUE(font);
        if (font) font->GetLogFont(&logFont);
        return logFont;
    }
    static void* ScreenHandleOf(ISRptPara* para) { return Impl(para)->GetTmpFont()->GetSafeHandle(); }

    STestFontEngineScope engine;
};

}  // namespace

// ---- the screen font ----

TEST_F(SRptParaFont, TheScreenFontIsThePointSizeInHimetric) {
    SComWrap<ISRptPara> para = MakePara();
    LOGFONTA logFont = ScreenFontOf(para.Get());
    EXPECT_EQ(logFont.lfHeight, -353);
    EXPECT_EQ(logFont.lfWeight, 100);
    EXPECT_EQ(logFont.lfItalic + logFont.lfUnderline + logFont.lfStrikeOut, 0);
    EXPECT_EQ(logFont.lfCharSet, 0);
    EXPECT_EQ(logFont.lfPitchAndFamily, 0);
    EXPECT_EQ(logFont.GetFaceName(), "Arial");

    para->PutFontStyle(1);
    EXPECT_EQ(ScreenFontOf(para.Get()).lfWeight, 700);
    para->PutFontStyle(14);
    logFont = ScreenFontOf(para.Get());
    EXPECT_EQ(logFont.lfWeight, 100);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfUnderline, 1);
    EXPECT_EQ(logFont.lfStrikeOut, 1);
    para->PutFontHeight(12);
    EXPECT_EQ(ScreenFontOf(para.Get()).lfHeight, -423);  // 423.3
    para->PutFontHeight(100000);                          // far beyond any font: no overflow
    EXPECT_LT(ScreenFontOf(para.Get()).lfHeight, 0);
}

TEST_F(SRptParaFont, ALongFaceNameIsCutTo31Characters) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutFontName(SString("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd"));
    EXPECT_EQ(ScreenFontOf(para.Get()).GetFaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(LogFontOf(para->GetFont(nullptr)).GetFaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST_F(SRptParaFont, AFontChangeMakesANewScreenFontAndForgetsTheOldOnesEntries) {
    SComWrap<ISRptPara> para = MakePara();
    SFontOldPtr before = para->GetFont(nullptr);
    TEXTMETRICA metrics;
    para->GetTextMetricsHimetric(nullptr, &metrics);
    void* old = ScreenHandleOf(para.Get());
    ASSERT_NE(SRptFont::GetLogFontFromHandle(old), nullptr);
    ASSERT_NE(SRptFont::GetMetricsFromHandle(old), nullptr);
    EXPECT_EQ(ScreenHandleOf(para.Get()), old);  // kept while nothing changes

    para->PutFontHeight(20);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(old), nullptr);
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(old), nullptr);
    SFontOldPtr after = para->GetFont(nullptr);
    EXPECT_NE(ScreenHandleOf(para.Get()), old);
    EXPECT_EQ(LogFontOf(before).lfHeight, -13);
    EXPECT_EQ(LogFontOf(after).lfHeight, -27);  // 26.67

    // Changing something else keeps the screen font.
    void* current = ScreenHandleOf(para.Get());
    para->PutSpBefore(100);
    EXPECT_EQ(ScreenHandleOf(para.Get()), current);
}

TEST_F(SRptParaFont, AParagraphThatGoesTakesItsCacheEntriesWithIt) {
    const size_t handles = SGdiHandleTable::Get().GetCount();
    void* handle = nullptr;
    {
        SComWrap<ISRptPara> para = MakePara();
        TEXTMETRICA metrics;
        para->GetTextMetricsHimetric(nullptr, &metrics);
        para->GetFont(nullptr);
        handle = ScreenHandleOf(para.Get());
        ASSERT_NE(SRptFont::GetMetricsFromHandle(handle), nullptr);
    }
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(handle), nullptr);
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(handle), nullptr);
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), handles);  // its font is deleted
}

// ---- fonts for a device ----

TEST_F(SRptParaFont, GetFontConvertsForTheDeviceWithTheFamilyTheMapperChose) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutFontStyle(1);
    const LOGFONTA screen = LogFontOf(para->GetFont(nullptr));
    EXPECT_EQ(screen.lfHeight, -13);
    EXPECT_EQ(screen.lfWeight, 700);
    EXPECT_EQ(screen.lfPitchAndFamily, FF_SWISS | VARIABLE_PITCH);
    EXPECT_EQ(screen.lfCharSet, DEFAULT_CHARSET);
    EXPECT_EQ(screen.lfOutPrecision, OUT_DEVICE_PRECIS);
    EXPECT_EQ(screen.GetFaceName(), "Arial");

    para->PutFontName("Courier New");
    EXPECT_EQ(LogFontOf(para->GetFont(nullptr)).lfPitchAndFamily, FF_MODERN | FIXED_PITCH);
    // The paragraph's own family, pitch and character set are not what decides.
    para->PutFontFamily(FF_ROMAN);
    para->PutFontPitch(VARIABLE_PITCH);
    EXPECT_EQ(LogFontOf(para->GetFont(nullptr)).lfPitchAndFamily, FF_MODERN | FIXED_PITCH);
}

TEST_F(SRptParaFont, AFontMadeFirstForTheScreenIsPrintedAtThePrintersSize) {
    SComWrap<ISRptPara> para = MakePara();
    auto printer = DeviceAt(600);
    EXPECT_EQ(LogFontOf(para->GetFont(nullptr)).lfHeight, -13);
    EXPECT_EQ(LogFontOf(para->GetFont(printer.get())).lfHeight, -83);
    EXPECT_EQ(LogFontOf(para->GetFont(DeviceAt(120).get())).lfHeight, -17);
    // Each conversion is made once per resolution and then served from the cache.
    void* handle = ScreenHandleOf(para.Get());
    ASSERT_NE(SRptFont::GetLogFontFromHandle(handle, printer.get()), nullptr);
    LOGFONTA planted = *SRptFont::GetLogFontFromHandle(handle, printer.get());
    planted.lfHeight = -90;
    SRptFont::AddLogFontForHandle(handle, planted, printer.get());
    EXPECT_EQ(LogFontOf(para->GetFont(DeviceAt(600).get())).lfHeight, -90);
    EXPECT_EQ(LogFontOf(para->GetFont(nullptr)).lfHeight, -13);
}

// ---- metrics ----

TEST_F(SRptParaFont, MetricsAreInHimetricAndTheMappingIsLeftAsItWas) {
    SComWrap<ISRptPara> para = MakePara();
    auto device = DeviceAt(96);
    device->SetMapMode(MM_ANISOTROPIC);
    device->SetWindowExt(300, 400);
    device->SetViewportExt(30, -40);
    TEXTMETRICA metrics;
    metrics.tmHeight = 99;
    ASSERT_EQ(para->GetTextMetricsHimetric(device.get(), &metrics), S_OK);
    // 10 points are 13 pixels here: height 16, external leading 1, in HIMETRIC.
    EXPECT_EQ(metrics.tmHeight, 423);
    EXPECT_EQ(metrics.tmAscent, 344);
    EXPECT_EQ(metrics.tmExternalLeading, 26);
    EXPECT_EQ(device->GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(device->GetWindowExt(), (SIZE{300, 400}));
    EXPECT_EQ(device->GetViewportExt(), (SIZE{30, -40}));

    // Measured once per screen font: the next call, for any device, reads the cache.
    TEXTMETRICA again;
    ASSERT_EQ(para->GetTextMetricsHimetric(DeviceAt(600).get(), &again), S_OK);
    EXPECT_EQ(again, metrics);
    EXPECT_EQ(SRptStartup::GetScreenDC()->GetMapMode(), MM_TEXT);
    EXPECT_EQ(para->GetTextMetricsHimetric(nullptr, nullptr), E_INVALIDARG);
}

TEST_F(SRptParaFont, TheLineDistanceFollowsTheSpacingType) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutSpType(RPT_PARA_SPTYPE_EXACT);
    para->PutSpBetween(500);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 500);
    para->PutSpType(0);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 0);
    para->PutSpType(3);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 0);

    // Multiple: a percentage of the height and three quarters of the external leading.
    para->PutSpType(RPT_PARA_SPTYPE_MULTIPLE);
    para->PutSpBetween(100);
    TEXTMETRICA metrics;
    metrics.tmHeight = 400;
    metrics.tmExternalLeading = 40;
    SRptFont::AddMetricsForHandle(ScreenHandleOf(para.Get()), metrics);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 430);
    para->PutSpBetween(150);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 645);
    para->PutFontHeight(10);  // unchanged: the planted metrics stay
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 645);
    para->PutFontHeight(11);
    // 11 points are 15 pixels: height 19 (503), external leading 1 (26, three quarters 20).
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 150 * (503 + 20) / 100);
}

// ---- forms keep their label and text paragraphs in step ----

TEST_F(SRptParaFont, InAFormTheTextParagraphFollowsTheLabelsBox) {
    SComWrap<ISRptParaContainer> form = MakeContainer();
    Container(form.Get())->actsAsForm = true;
    AddPara(form.Get(), CLSID_SRptPara);
    SComWrap<ISRptPara> label = AddPara(form.Get(), CLSID_SRptPara);
    SComWrap<ISRptPara> text = AddPara(form.Get(), CLSID_SRptPara);
    label->PutBox(true);
    EXPECT_TRUE(text->GetBox());
    label->PutBoxWidth(40);
    EXPECT_EQ(text->GetBoxWidth(), 40);
    // Not the other way round.
    text->PutBox(false);
    text->PutBoxWidth(10);
    EXPECT_TRUE(label->GetBox());
    EXPECT_EQ(label->GetBoxWidth(), 40);
}

TEST_F(SRptParaFont, InAFormTheBorderSpacingIsSharedBothWays) {
    SComWrap<ISRptParaContainer> form = MakeContainer();
    SComWrap<ISRptPara> title = AddPara(form.Get(), CLSID_SRptPara);
    SComWrap<ISRptPara> label = AddPara(form.Get(), CLSID_SRptPara);
    SComWrap<ISRptPara> text = AddPara(form.Get(), CLSID_SRptPara);
    // Out of step before the container is a form.
    label->PutSpTxtBorderTop(10);
    label->PutSpTxtBorderBottom(20);
    text->PutSpTxtBorderRight(70);
    Container(form.Get())->actsAsForm = true;

    text->PutSpTxtBorderLeft(200);
    for (ISRptPara* para : {label.Get(), text.Get()}) {
        EXPECT_EQ(para->GetSpTxtBorderTop(), 35);
        EXPECT_EQ(para->GetSpTxtBorderBottom(), 35);
        EXPECT_EQ(para->GetSpTxtBorderLeft(), 200);
        EXPECT_EQ(para->GetSpTxtBorderRight(), 70);
    }
    label->PutSpTxtBorderBottom(50);
    EXPECT_EQ(text->GetSpTxtBorderBottom(), 50);
    EXPECT_EQ(text->GetSpTxtBorderLeft(), 200);
    // The paragraph at position 0 takes no part.
    title->PutSpTxtBorderTop(5);
    EXPECT_EQ(label->GetSpTxtBorderTop(), 35);
    EXPECT_EQ(title->GetSpTxtBorderBottom(), 35);
}

TEST_F(SRptParaFont, OutsideAFormABoxChangesNoOtherParagraph) {
    SComWrap<ISRptParaContainer> container = MakeContainer();
    AddPara(container.Get());
    SComWrap<ISRptPara> label = AddPara(container.Get());
    SComWrap<ISRptPara> text = AddPara(container.Get());
    label->PutBox(true);
    label->PutSpTxtBorderTop(90);
    EXPECT_FALSE(text->GetBox());
    EXPECT_EQ(text->GetSpTxtBorderTop(), 35);
}
