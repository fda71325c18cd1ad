// The page frame of a template on a printer whose dots are hundredths of a millimetre: A4 paper,
// the template's margins 20 mm left and right, 25 mm top and bottom.
#include <gtest/gtest.h>

#include "rpt/devices/print/SRptPageElementText.h"
#include "SRptPrintTestFixture.h"

namespace {

class SRptPhysicalFrameTest : public SRptPrintTest {
protected:
    // The frame of the template on a printer whose printable area starts `offsetY` down.
    std::unique_ptr<SRptPageFrame> Frame(int32_t offsetY) {
        layer = std::make_unique<SRptPhysicalLayer>(nullptr, nullptr, nullptr);
        layer->GetPrinterDCObject().Attach(std::make_unique<SRecordingPrinter>(offsetY));
        layer->PrepareMeasures();
        return std::make_unique<SRptPageFrame>(layer.get(), Node(reportTemplate.Get(), 0));
    }
    void TearDown() override {
        layer.reset();
        SRptPrintTest::TearDown();
    }

    std::unique_ptr<SRptPhysicalLayer> layer;
};

}  // namespace

TEST_F(SRptPhysicalFrameTest, APrinterStartingFiveMillimetresDownKeepsTheTemplatesMargins) {
    auto frame = Frame(500);
    EXPECT_DOUBLE_EQ(layer->GetUnitsPerMmX(), 100.0);
    EXPECT_EQ(frame->GetMargins().top, 2500);
    EXPECT_EQ(frame->GetPageRect(), (RECT{0, 0, 20000, 28700}));
    // Body: the margins less the printable area's offsets.
    EXPECT_EQ(frame->GetBodyRect(), (RECT{1500, 2000, 18500, 26700}));
    // The header band from 12.5 mm below the paper's top edge to the body.
    EXPECT_EQ(frame->GetHeaderRect(), (RECT{1500, 750, 18500, 1999}));
    // The footer band down to 12.5 mm above the paper's bottom edge.
    EXPECT_EQ(frame->GetFooterRect(), (RECT{1500, 26701, 18500, 27950}));
}

TEST_F(SRptPhysicalFrameTest, APrinterStartingFifteenMillimetresDownAddsTwoAndAHalfToTheTopMargin) {
    auto frame = Frame(1500);
    EXPECT_EQ(frame->GetMargins().top, 2750);
    EXPECT_EQ(frame->GetBodyRect().top, 1250);
    EXPECT_EQ(frame->GetHeaderRect().top, 0);
    // The printable area ends higher than 12.5 mm above the paper's edge: the footer ends with it.
    EXPECT_EQ(frame->GetFooterRect().bottom, 26700);
}

TEST_F(SRptPhysicalFrameTest, ALeftMarginInsideTheUnprintableBorderIsRaisedToIt) {
    reportTemplate->PutMargin(RECT{200, 2500, 200, 2500});
    auto frame = Frame(500);
    EXPECT_EQ(frame->GetMargins().left, 500);
    EXPECT_EQ(frame->GetBodyRect().left, 0);
    // Only the left margin is raised.
    EXPECT_EQ(frame->GetMargins().right, 200);
    EXPECT_EQ(frame->GetBodyRect().right, 20000);
}

TEST_F(SRptPhysicalFrameTest, ThePagesUsableRectangleLiesBetweenItsHeaderAndFooter) {
    auto frame = Frame(500);
    const RECT body = frame->GetBodyRect();
    EXPECT_EQ(frame->GetUsableRect(nullptr, nullptr), (RECT{body.left, body.top + 1, body.right, body.bottom - 1}));

    SRptPageElementText header(nullptr, nullptr, POINT{1500, 750});
    header.SetBottom(2400);
    SRptPageElementText footer(nullptr, nullptr, POINT{1500, 26000});
    EXPECT_EQ(frame->GetUsableRect(&header, &footer), (RECT{body.left, 2401, body.right, 25999}));
}

TEST_F(SRptPhysicalFrameTest, ANodeThatIsNoTemplateIsRefused) {
    layer = std::make_unique<SRptPhysicalLayer>(nullptr, nullptr, nullptr);
    SComWrap<ISRptText> text = AddText("Not a template");
    EXPECT_THROW(SRptPageFrame(layer.get(), Node(text.Get(), 0)), SECOMException);
}
