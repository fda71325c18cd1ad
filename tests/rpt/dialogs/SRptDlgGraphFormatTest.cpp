// The graph format dialog over user graphics: what it shows of one or several graphics, how its
// page and placement buttons answer clicks, and what OK writes to each graphic.
#include <gtest/gtest.h>

#include <functional>

#include "platform/base/SModuleState.h"
#include "rpt/dialogs/SRptDlgGraphFormat.h"
#include "rpt/objs/items/SRptUserGraphicMem.h"
#include "support/SRptItemKindTestFixture.h"
#include "varod9/ISRptItem.h"
#include "varod9/ISRptUserGraphic.h"
#include "varod9/RptApi.h"

namespace {

// The dialog as a test sees it while it is open: the answer's values are set, then the test
// looks at the controls before the dialog is closed with the answer's button.
class SRptDlgGraphFormatProbe : public SRptDlgGraphFormat {
public:
    using SRptDlgGraphFormat::SRptDlgGraphFormat;
    std::function<void(SRptDlgGraphFormatProbe&)> onShown;
    int32_t Checked(int32_t id) const { return static_cast<int32_t>(SendMessageA(FindControlHandle(id), BM_GETCHECK)); }
    bool Enabled(int32_t id) const { return FindControl(id)->IsWindowEnabled(); }
    SString ZoomText() const { return FindControl(IDC_ZOOM)->GetWindowText(); }
    void Click(int32_t id) { SendMessageA(FindControlHandle(id), BM_CLICK); }

protected:
    void ApplyAnswer(const SAnswer& answer) override {
        SRptDlgGraphFormat::ApplyAnswer(answer);
        if (onShown) onShown(*this);
    }
};

class SRptDlgGraphFormatTest : public SRptItemKindTestFixture {
protected:
    SComWrap<ISRptUserGraphic> Graphic(bool useZoom, int16_t type, int16_t zoom) {
        SComWrap<ISRptUserGraphic> graphic = Make<ISRptUserGraphic>(CLSID_SRptUserGraphic);
        graphic->PutUseZoom(useZoom);
        graphic->PutOnePageType(type);
        graphic->PutZoomPerct(zoom);
        return graphic;
    }
    static SComTable<ISRepObject> Both(ISRptUserGraphic* a, ISRptUserGraphic* b) {
        SComTable<ISRepObject> selection = Selection(a);
        selection.Add(Selection(b).GetAt(0));
        return selection;
    }
    // Runs the dialog over the selection with the answer, looking at it with `look`.
    int32_t Run(const SComTable<ISRepObject>& selection, const SAnswer& answer,
                std::function<void(SRptDlgGraphFormatProbe&)> look = nullptr) {
        script.Expect(SPrompt::Dialog, "209", answer);
        SModuleStateGuard library(SRptGetModuleState());
        SRptDlgGraphFormatProbe dialog(selection);
        dialog.onShown = std::move(look);
        return dialog.DoModal();
    }
    static void ExpectPlacement(ISRptUserGraphic* graphic, bool useZoom, int16_t type, int16_t zoom) {
        EXPECT_EQ(graphic->GetUseZoom(), useZoom);
        EXPECT_EQ(graphic->GetOnePageType(), type);
        EXPECT_EQ(graphic->GetZoomPerct(), zoom);
    }
};

}  // namespace

TEST_F(SRptDlgGraphFormatTest, OneGraphicShowsItsPlacementAndEnablesWhatItsPageModeAllows) {
    SComWrap<ISRptUserGraphic> graphic = Graphic(false, RPTGRAPH_1PAGE_PARAGRAPH, 150);
    Run(Selection(graphic.Get()), DialogCancel(), [](SRptDlgGraphFormatProbe& dialog) {
        EXPECT_EQ(dialog.ZoomText(), "150");
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_ONE_PAGE), 1);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_SEVERAL_PAGES), 0);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_AS_PARAGRAPH), 1);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_CENTERED), 0);
        EXPECT_EQ(dialog.GetOnePageType(), SRptDlgGraphFormat::AsParagraph);
        EXPECT_TRUE(dialog.Enabled(SRptDlgGraphFormat::IDC_CENTERED));
        EXPECT_FALSE(dialog.Enabled(SRptDlgGraphFormat::IDC_ZOOM));
        EXPECT_FALSE(dialog.Enabled(SRptDlgGraphFormat::IDC_ZOOM_LABEL));
        EXPECT_FALSE(dialog.Enabled(SRptDlgGraphFormat::IDC_PERCENT_LABEL));
        EXPECT_EQ(dialog.GetHelpContext(), 10021u);
        // Several pages: the zoom opens, the one-page choices close.
        dialog.Click(SRptDlgGraphFormat::IDC_SEVERAL_PAGES);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_ONE_PAGE), 0);
        EXPECT_TRUE(dialog.Enabled(SRptDlgGraphFormat::IDC_ZOOM));
        EXPECT_FALSE(dialog.Enabled(SRptDlgGraphFormat::IDC_AS_PARAGRAPH));
    });
    // Cancel writes nothing.
    ExpectPlacement(graphic.Get(), false, RPTGRAPH_1PAGE_PARAGRAPH, 150);
    EXPECT_EQ(Transcript().back().caption, "Graph Format");
}

TEST_F(SRptDlgGraphFormatTest, DisagreementsOpenUndecidedAndOkLeavesThemToEachGraphic) {
    // Zoom 50 and 75, one centred and one as paragraph, one over several pages.
    SComWrap<ISRptUserGraphic> first = Graphic(true, RPTGRAPH_1PAGE_CENTER, 50);
    SComWrap<ISRptUserGraphic> second = Graphic(false, RPTGRAPH_1PAGE_PARAGRAPH, 75);
    EXPECT_EQ(Run(Both(first.Get(), second.Get()), DialogOK(), [](SRptDlgGraphFormatProbe& dialog) {
                  EXPECT_EQ(dialog.ZoomText(), "");
                  for (int32_t id : {SRptDlgGraphFormat::IDC_ONE_PAGE, SRptDlgGraphFormat::IDC_SEVERAL_PAGES,
                                     SRptDlgGraphFormat::IDC_CENTERED, SRptDlgGraphFormat::IDC_AS_PARAGRAPH})
                      EXPECT_EQ(dialog.Checked(id), 0) << id;
                  EXPECT_EQ(dialog.GetPageMode(), SRptDlgGraphFormat::PageUndecided);
              }),
              IDOK);
    ExpectPlacement(first.Get(), true, RPTGRAPH_1PAGE_CENTER, 50);
    ExpectPlacement(second.Get(), false, RPTGRAPH_1PAGE_PARAGRAPH, 75);

    // Only the choice the user makes reaches both: one page; the zoom and type stay each's own.
    EXPECT_EQ(Run(Both(first.Get(), second.Get()), DialogOK({{SRptDlgGraphFormat::IDC_ONE_PAGE, "1"}})), IDOK);
    ExpectPlacement(first.Get(), false, RPTGRAPH_1PAGE_CENTER, 50);
    ExpectPlacement(second.Get(), false, RPTGRAPH_1PAGE_PARAGRAPH, 75);

    // Now both on one page: a placement clicked goes to both, and so does a zoom typed.
    EXPECT_EQ(Run(Both(first.Get(), second.Get()),
                  DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "80"}, {SRptDlgGraphFormat::IDC_AS_PARAGRAPH, "1"}})),
              IDOK);
    ExpectPlacement(first.Get(), false, RPTGRAPH_1PAGE_PARAGRAPH, 80);
    ExpectPlacement(second.Get(), false, RPTGRAPH_1PAGE_PARAGRAPH, 80);
}

TEST_F(SRptDlgGraphFormatTest, ZoomTextsOutsideAPercentageAreMadeOne) {
    // Not a positive number: 100.
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("0"), 100);
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("-20"), 100);
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("abc"), 100);
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("150%"), 150);
    // Beyond a 16-bit percentage the largest one, never what is left of the bits (65636 would
    // otherwise come out as 100, 40000 as a negative zoom).
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("32767"), 32767);
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("40000"), 32767);
    EXPECT_EQ(SRptDlgGraphFormat::ZoomFromText("65636"), 32767);

    SComWrap<ISRptUserGraphic> graphic = Graphic(true, RPTGRAPH_1PAGE_CENTER, 50);
    Run(Selection(graphic.Get()), DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "-5"}}));
    ExpectPlacement(graphic.Get(), true, RPTGRAPH_1PAGE_CENTER, 100);
    Run(Selection(graphic.Get()), DialogOK({{SRptDlgGraphFormat::IDC_ZOOM, "100000"}}));
    ExpectPlacement(graphic.Get(), true, RPTGRAPH_1PAGE_CENTER, 32767);
}

TEST_F(SRptDlgGraphFormatTest, OverSeveralPagesTheFirstOnePageClickIsIgnored) {
    SComWrap<ISRptUserGraphic> graphic = Graphic(true, RPTGRAPH_1PAGE_CENTER, 100);
    Run(Selection(graphic.Get()), DialogOK(), [](SRptDlgGraphFormatProbe& dialog) {
        dialog.Click(SRptDlgGraphFormat::IDC_ONE_PAGE);
        EXPECT_EQ(dialog.GetPageMode(), SRptDlgGraphFormat::SeveralPages);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_SEVERAL_PAGES), 1);
        dialog.Click(SRptDlgGraphFormat::IDC_ONE_PAGE);
        EXPECT_EQ(dialog.GetPageMode(), SRptDlgGraphFormat::OnePage);
        EXPECT_EQ(dialog.Checked(SRptDlgGraphFormat::IDC_SEVERAL_PAGES), 0);
        EXPECT_TRUE(dialog.Enabled(SRptDlgGraphFormat::IDC_CENTERED));
    });
    ExpectPlacement(graphic.Get(), false, RPTGRAPH_1PAGE_CENTER, 100);
}

TEST_F(SRptDlgGraphFormatTest, TheOneItemDialogWritesItsItem) {
    SComWrap<ISRptUserGraphic> graphic = Graphic(false, RPTGRAPH_1PAGE_CENTER, 100);
    script.Expect(SPrompt::Dialog, "209",
                  DialogOK({{SRptDlgGraphFormat::IDC_SEVERAL_PAGES, "1"}, {SRptDlgGraphFormat::IDC_ZOOM, "60"}}));
    SModuleStateGuard library(SRptGetModuleState());
    SComWrap<ISRptItem> item;
    item = static_cast<IUnknown*>(graphic.Get());
    SRptDlgGraphFormat dialog(item.Get());
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ExpectPlacement(graphic.Get(), true, RPTGRAPH_1PAGE_CENTER, 60);
}
