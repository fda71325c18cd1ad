#include <gtest/gtest.h>

#include <memory>

#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/gdi/SImageBackEnd.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "support/SRptParaTestFixture.h"
#include "support/STestFontEngineScope.h"

namespace {

// Fonts and metrics with the deterministic font engine, so that the numbers hold on every machine.
class SRptParaFont : public SRptParaTest {
protected:
    static std::unique_ptr<SDC> DeviceAt(int32_t dotsPerInch) {
        return std::make_unique<SDC>(std::make_unique<SImageBackEnd>(100, 100, dotsPerInch, dotsPerInch));
    }
    static LOGFONTA LogFontOf(const SFontOld* font) {
        LOGFONTA logFont;
        EXPECT_TRUE(font && font->GetLogFont(&logFont));
        return logFont;
    }
    static LOGFONTA ScreenFontOf(ISRptPara* para) { return LogFontOf(Impl(para)->GetTmpFont()); }
    static LOGFONTA FontFor(ISRptPara* para, SDC* dc) { return LogFontOf(para->GetFont(dc).get()); }
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
    EXPECT_EQ(logFont.lfItalic + logFont.lfUnderline + logFont.lfStrikeOut + logFont.lfPitchAndFamily, 0);
    para->PutFontStyle(1);
    EXPECT_EQ(ScreenFontOf(para.Get()).lfWeight, 700);
    para->PutFontStyle(14);
    logFont = ScreenFontOf(para.Get());
    EXPECT_EQ(logFont.lfWeight, 100);
    EXPECT_EQ(logFont.lfItalic + logFont.lfUnderline + logFont.lfStrikeOut, 3);
    para->PutFontHeight(100000);  // far beyond any font: no overflow
    EXPECT_LT(ScreenFontOf(para.Get()).lfHeight, 0);
    // A long face name is cut to its first 31 characters.
    para->PutFontName(SString("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789abcd"));
    EXPECT_EQ(ScreenFontOf(para.Get()).GetFaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
    EXPECT_EQ(FontFor(para.Get(), nullptr).GetFaceName(), "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234");
}

TEST_F(SRptParaFont, AScreenFontThatGoesTakesItsCacheEntriesWithIt) {
    const size_t handles = SGdiHandleTable::Get().GetCount();
    SComWrap<ISRptPara> para = MakePara();
    EXPECT_EQ(FontFor(para.Get(), nullptr).lfHeight, -13);
    TEXTMETRICA metrics;
    para->GetTextMetricsHimetric(nullptr, &metrics);
    void* old = ScreenHandleOf(para.Get());
    ASSERT_NE(SRptFont::GetLogFontFromHandle(old), nullptr);
    ASSERT_NE(SRptFont::GetMetricsFromHandle(old), nullptr);

    para->PutFontHeight(20);  // a new screen font, and nothing left of the old one
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(old), nullptr);
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(old), nullptr);
    EXPECT_EQ(FontFor(para.Get(), nullptr).lfHeight, -27);  // 26.67
    void* current = ScreenHandleOf(para.Get());
    EXPECT_NE(current, old);
    para->PutSpBefore(100);  // not a font attribute
    EXPECT_EQ(ScreenHandleOf(para.Get()), current);

    para.Clear();  // the paragraph goes, and its screen font with its entries
    EXPECT_EQ(SRptFont::GetLogFontFromHandle(current), nullptr);
    EXPECT_EQ(SGdiHandleTable::Get().GetCount(), handles);
}

// ---- fonts for a device ----

TEST_F(SRptParaFont, AFontMadeFirstForTheScreenIsPrintedAtThePrintersSize) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutFontStyle(1);
    const LOGFONTA screen = FontFor(para.Get(), nullptr);
    EXPECT_EQ(screen.lfHeight, -13);
    EXPECT_EQ(screen.lfWeight, 700);
    EXPECT_EQ(screen.lfPitchAndFamily, FF_SWISS | VARIABLE_PITCH);  // what the mapper chose
    auto printer = DeviceAt(600);
    EXPECT_EQ(FontFor(para.Get(), printer.get()).lfHeight, -83);
    EXPECT_EQ(FontFor(para.Get(), DeviceAt(120).get()).lfHeight, -17);
    // Each conversion is made once per resolution and then served from the cache.
    void* handle = ScreenHandleOf(para.Get());
    LOGFONTA planted = *SRptFont::GetLogFontFromHandle(handle, printer.get());
    planted.lfHeight = -90;
    SRptFont::AddLogFontForHandle(handle, planted, printer.get());
    EXPECT_EQ(FontFor(para.Get(), DeviceAt(600).get()).lfHeight, -90);
    EXPECT_EQ(FontFor(para.Get(), nullptr).lfHeight, -13);
}

// ---- metrics ----

TEST_F(SRptParaFont, MetricsAreInHimetricAndTheMappingIsLeftAsItWas) {
    SComWrap<ISRptPara> para = MakePara();
    auto device = DeviceAt(96);
    device->SetMapMode(MM_ANISOTROPIC);
    device->SetWindowExt(300, 400);
    device->SetViewportExt(30, -40);
    TEXTMETRICA metrics;
    ASSERT_EQ(para->GetTextMetricsHimetric(device.get(), &metrics), S_OK);
    // 10 points are 13 pixels here: height 16, ascent 13, external leading 1, in HIMETRIC.
    EXPECT_EQ(metrics.tmHeight, 423);
    EXPECT_EQ(metrics.tmAscent, 344);
    EXPECT_EQ(metrics.tmExternalLeading, 26);
    EXPECT_EQ(device->GetMapMode(), MM_ANISOTROPIC);
    EXPECT_EQ(device->GetWindowExt(), (SIZE{300, 400}));
    EXPECT_EQ(device->GetViewportExt(), (SIZE{30, -40}));
    // Measured once per screen font and resolution: the next call at that resolution, whatever
    // the device's mapping, reads the cache.
    SRptFont::AddMetricsForHandle(ScreenHandleOf(para.Get()), TEXTMETRICA{}, DeviceAt(600).get());
    TEXTMETRICA again;
    ASSERT_EQ(para->GetTextMetricsHimetric(DeviceAt(96).get(), &again), S_OK);
    EXPECT_EQ(again, metrics);
    ASSERT_EQ(para->GetTextMetricsHimetric(DeviceAt(600).get(), &again), S_OK);
    EXPECT_EQ(again, TEXTMETRICA{});
    EXPECT_EQ(para->GetTextMetricsHimetric(nullptr, nullptr), E_INVALIDARG);
}

TEST_F(SRptParaFont, AskingForADeviceFontFirstLeavesTheHimetricMetricsRight) {
    SComWrap<ISRptPara> measured = MakePara();
    TEXTMETRICA expected;
    ASSERT_EQ(measured->GetTextMetricsHimetric(nullptr, &expected), S_OK);
    ASSERT_EQ(expected.tmHeight, 423);
    // The device font measures the screen font for its face; what it measured is kept for the
    // metrics, so it must be in HIMETRIC too, not in the screen's pixels.
    SComWrap<ISRptPara> para = MakePara();
    para->GetFont(nullptr);
    TEXTMETRICA metrics;
    ASSERT_EQ(para->GetTextMetricsHimetric(nullptr, &metrics), S_OK);
    EXPECT_EQ(metrics, expected);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), measured->GetSpBetweenHimetric(nullptr));
}

TEST_F(SRptParaFont, ADeviceThatCannotMeasureLeavesNothingBehind) {
    SComWrap<ISRptPara> para = MakePara();
    SDC blind;  // no surface: it measures nothing
    TEXTMETRICA metrics;
    metrics.tmHeight = 99;
    EXPECT_EQ(para->GetTextMetricsHimetric(&blind, &metrics), S_OK);
    EXPECT_EQ(metrics, TEXTMETRICA{});
    EXPECT_EQ(SRptFont::GetMetricsFromHandle(ScreenHandleOf(para.Get())), nullptr);
    // The next device that can measure gets the paragraph's metrics, not the failure.
    ASSERT_EQ(para->GetTextMetricsHimetric(nullptr, &metrics), S_OK);
    EXPECT_EQ(metrics.tmHeight, 423);
}

TEST_F(SRptParaFont, EachDeviceGetsItsOwnMetricsWhicheverMeasuredFirst) {
    // A font realised in whole pixels has other HIMETRIC metrics at 600 dots per inch than on the
    // screen: neither may take the other's from the cache.
    std::unique_ptr<SDC> printer = DeviceAt(600);
    SComWrap<ISRptPara> printerFirst = MakePara();
    SComWrap<ISRptPara> screenFirst = MakePara();
    TEXTMETRICA printerThenScreen[2], screenThenPrinter[2];
    ASSERT_EQ(printerFirst->GetTextMetricsHimetric(printer.get(), &printerThenScreen[0]), S_OK);
    ASSERT_EQ(printerFirst->GetTextMetricsHimetric(nullptr, &printerThenScreen[1]), S_OK);
    ASSERT_EQ(screenFirst->GetTextMetricsHimetric(nullptr, &screenThenPrinter[0]), S_OK);
    ASSERT_EQ(screenFirst->GetTextMetricsHimetric(printer.get(), &screenThenPrinter[1]), S_OK);

    EXPECT_EQ(printerThenScreen[1].tmHeight, 423);
    EXPECT_EQ(screenThenPrinter[0].tmHeight, 423);
    EXPECT_NE(printerThenScreen[0].tmHeight, 423);
    EXPECT_EQ(printerThenScreen[0], screenThenPrinter[1]);
    EXPECT_EQ(printerThenScreen[1], screenThenPrinter[0]);
    EXPECT_EQ(printerFirst->GetSpBetweenHimetric(nullptr), screenFirst->GetSpBetweenHimetric(nullptr));
}

TEST_F(SRptParaFont, TheLineDistanceFollowsTheSpacingType) {
    SComWrap<ISRptPara> para = MakePara();
    para->PutSpType(RPT_PARA_SPTYPE_EXACT);
    para->PutSpBetween(500);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 500);
    for (int16_t none : {int16_t{0}, int16_t{3}}) {
        para->PutSpType(none);
        EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 0);
    }
    // Multiple: a percentage of the height and three quarters of the external leading.
    para->PutSpType(RPT_PARA_SPTYPE_MULTIPLE);
    para->PutSpBetween(100);
    TEXTMETRICA metrics;
    metrics.tmHeight = 400;
    metrics.tmExternalLeading = 40;
    SRptFont::AddMetricsForHandle(ScreenHandleOf(para.Get()), metrics);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 430);
    para->PutSpBetween(150);
    para->PutFontHeight(11);
    // 11 points are 15 pixels: height 19 (503), external leading 1 (26, three quarters 20).
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), 150 * (503 + 20) / 100);

    // The largest font and spacing a template can hold give a distance beyond 32 bits: it is
    // kept at the largest one, never wrapped round to a small or negative distance.
    para->PutFontHeight(INT32_MAX);
    para->PutSpBetween(INT16_MAX);
    para->GetTextMetricsHimetric(nullptr, &metrics);
    const int64_t line = int64_t(metrics.tmHeight) + MulDiv(metrics.tmExternalLeading, 75, 100);
    ASSERT_GT(INT16_MAX * line / 100, INT32_MAX);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), INT32_MAX);
    para->PutSpBetween(INT16_MIN);
    EXPECT_EQ(para->GetSpBetweenHimetric(nullptr), INT32_MIN);
}

// ---- forms keep their label and text paragraphs in step ----

TEST_F(SRptParaFont, InAFormTheTextParagraphFollowsTheLabelsBox) {
    SComWrap<ISRptParaContainer> form = MakeContainer(CLSID_SRptForm);
    AddPara(form.Get());
    SComWrap<ISRptPara> label = AddPara(form.Get());
    SComWrap<ISRptPara> text = AddPara(form.Get());
    label->PutBox(true);
    label->PutBoxWidth(40);
    EXPECT_TRUE(text->GetBox());
    EXPECT_EQ(text->GetBoxWidth(), 40);
    text->PutBox(false);  // not the other way round
    EXPECT_TRUE(label->GetBox());

    // No other container keeps them in step.
    SComWrap<ISRptParaContainer> plain = MakeContainer();
    AddPara(plain.Get());
    SComWrap<ISRptPara> first = AddPara(plain.Get());
    SComWrap<ISRptPara> second = AddPara(plain.Get());
    first->PutBox(true);
    first->PutSpTxtBorderTop(10);
    EXPECT_FALSE(second->GetBox());
    EXPECT_EQ(second->GetSpTxtBorderTop(), 35);
}

TEST_F(SRptParaFont, InAFormTheBorderSpacingIsSharedBothWays) {
    SComWrap<ISRptParaContainer> form = MakeContainer(CLSID_SRptForm);
    SComWrap<ISRptPara> title = AddPara(form.Get());
    SComWrap<ISRptPara> label = AddPara(form.Get());
    // Out of step while the form has no text paragraph yet: there is nothing to keep in step.
    label->PutSpTxtBorderTop(10);
    label->PutSpTxtBorderBottom(20);
    SComWrap<ISRptPara> text = AddPara(form.Get());
    text->PutSpTxtBorderRight(70);

    // The other paragraph takes all four values of the one that changes.
    text->PutSpTxtBorderLeft(200);
    for (ISRptPara* para : {label.Get(), text.Get()}) {
        EXPECT_EQ(para->GetSpTxtBorderTop(), 35);
        EXPECT_EQ(para->GetSpTxtBorderBottom(), 35);
        EXPECT_EQ(para->GetSpTxtBorderLeft(), 200);
        EXPECT_EQ(para->GetSpTxtBorderRight(), 70);
    }
    label->PutSpTxtBorderBottom(50);
    EXPECT_EQ(text->GetSpTxtBorderBottom(), 50);
    title->PutSpTxtBorderTop(5);  // position 0 takes no part
    EXPECT_EQ(label->GetSpTxtBorderTop(), 35);
}
