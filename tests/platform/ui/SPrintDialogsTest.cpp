#include <gtest/gtest.h>

#include "platform/base/SRegistry.h"
#include "platform/gdi/SDC.h"
#include "platform/gdi/SDCBackEnd.h"
#include "platform/ui/SPageSetupDlg.h"
#include "platform/ui/SPrintDlg.h"
#include "platform/ui/SPrintInfo.h"
#include "support/ScriptedInteractionTest.h"

namespace {

// The print and page set-up dialogs over the virtual printer of an empty settings store.
class SPrintDialogsTest : public ScriptedInteractionTest {
protected:
    void SetUp() override {
        ScriptedInteractionTest::SetUp();
        SSettingsStore::Get().Clear();
    }
    void TearDown() override {
        SSettingsStore::Get().Clear();
        ScriptedInteractionTest::TearDown();
    }

    static SAnswer Ok(std::map<int32_t, SString> values = {}) {
        SAnswer answer;
        answer.button = IDOK;
        answer.controlValues = std::move(values);
        return answer;
    }
    static SAnswer Cancel() { return SAnswer(); }
    // A print dialog as a device prepares one: any page of 1 to 65535.
    static void OfferAllPages(SPrintDlg& dialog) {
        dialog.SetPageLimits(1, 0xFFFF);
        dialog.SetPageRange(1, 0xFFFF);
    }
};

}  // namespace

TEST_F(SPrintDialogsTest, ThePrintDialogTakesPagesCopiesAndPrintToFile) {
    script.Expect(SPrompt::PrintDialog, "Virtual Printer",
                  Ok({{SPrintDlg::IDC_PAGENUMS, "1"},
                      {SPrintDlg::IDC_FROMPAGE, "3"},
                      {SPrintDlg::IDC_TOPAGE, "1"},
                      {SPrintDlg::IDC_COPIES, "2"},
                      {SPrintDlg::IDC_PRINTTOFILE, "1"}}));
    SPrintDlg dialog(false, PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION);
    OfferAllPages(dialog);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(Transcript().size(), 1u);
    EXPECT_EQ(Transcript()[0].caption, "Print");
    EXPECT_EQ(Transcript()[0].flags, 0x40004u);

    // A range backwards is the user's to choose: the pages print 3, 2, 1.
    EXPECT_EQ(dialog.GetFromPage(), 3);
    EXPECT_EQ(dialog.GetToPage(), 1);
    EXPECT_TRUE(dialog.PrintRange());
    EXPECT_EQ(dialog.GetCopies(), 2);
    EXPECT_TRUE(dialog.PrintToFile());
    // The dialog hands back the printer's device context, a printer at 600 dpi.
    ASSERT_NE(dialog.GetPrinterDC(), nullptr);
    SDC dc(dialog.DetachPrinterDC());
    EXPECT_EQ(dialog.GetPrinterDC(), nullptr);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 600);
    EXPECT_EQ(dc.GetDeviceCaps(TECHNOLOGY), DT_RASPRINTER);
}

TEST_F(SPrintDialogsTest, ThePrintDialogRefusesWhatItsControlsWouldNotTake) {
    script.Expect(SPrompt::PrintDialog, "",
                  Ok({{SPrintDlg::IDC_FROMPAGE, "0"},
                      {SPrintDlg::IDC_TOPAGE, "2"},
                      {SPrintDlg::IDC_COPIES, "many"},
                      {SPrintDlg::IDC_PRINTTOFILE, "1"}}))
        .Expect(SPrompt::PrintDialog, "", Cancel());
    // Pages 1 to 4 only; the device's dialog hides printing to a file.
    SPrintDlg dialog(false, PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOSELECTION);
    dialog.SetPageLimits(1, 4);
    dialog.SetPageRange(1, 4);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetFromPage(), 1);
    EXPECT_EQ(dialog.GetToPage(), 4);
    EXPECT_FALSE(dialog.PrintRange());
    EXPECT_EQ(dialog.GetCopies(), 1);
    EXPECT_FALSE(dialog.PrintToFile());

    // Cancel leaves everything, and makes no device context.
    dialog.DeletePrinterDC();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetPrinterDC(), nullptr);
    EXPECT_EQ(dialog.GetToPage(), 4);
}

TEST_F(SPrintDialogsTest, ThePrintSetupDialogChoosesPaperAndOrientation) {
    script.Expect(SPrompt::PrintDialog, "",
                  Ok({{SPrintDlg::IDC_PAPER, SString::FromInt(DMPAPER_LETTER)}, {SPrintDlg::IDC_LANDSCAPE, "1"}}));
    SPrintDlg setup(true, 0);
    ASSERT_EQ(setup.DoModal(), IDOK);
    EXPECT_EQ(Transcript()[0].caption, "Print Setup");
    EXPECT_EQ(setup.GetDevSettings().paperSize, DMPAPER_LETTER);
    EXPECT_EQ(setup.GetDevSettings().orientation, DMORIENT_LANDSCAPE);
    // Set-up chooses a printer, not pages: no device context.
    EXPECT_EQ(setup.GetPrinterDC(), nullptr);
    // Letter is 8.5 by 11 inches: landscape at 600 dpi.
    ASSERT_NE(setup.CreatePrinterDC(), nullptr);
    SDC dc(setup.DetachPrinterDC());
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 6600);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), 5100);
}

TEST_F(SPrintDialogsTest, ThePrinterRunsThePrintDialogAndKeepsTheChoice) {
    SPrinterCache printer(8, SPAGESETUPDLG::m_Default);
    printer.SetResolution(300);
    script.Expect(SPrompt::PrintDialog, "Virtual Printer", Cancel())
        .Expect(SPrompt::PrintDialog, "", Ok({{SPrintDlg::IDC_PAPER, SString::FromInt(DMPAPER_A5)}}));
    SPrintDlg print(false, 0);
    OfferAllPages(print);
    EXPECT_EQ(printer.DoPrintDialog(&print), IDCANCEL);
    EXPECT_EQ(printer.GetPaperSize(), DMPAPER_A4);
    // The dialog started from the printer's settings.
    EXPECT_EQ(print.GetDevSettings().resolution, 300);

    SPrintDlg setup(true, 0);
    EXPECT_EQ(printer.DoPrintDialog(&setup), IDOK);
    EXPECT_EQ(printer.GetPaperSize(), DMPAPER_A5);
    EXPECT_EQ(printer.GetPageSize(), (POINT{14800, 21000}));
    EXPECT_EQ(printer.GetResolution(), 300);
    EXPECT_EQ(printer.DoPrintDialog(nullptr), IDCANCEL);

    // The defaults need no dialog shown.
    SPrintDlg defaults(false, 0);
    ASSERT_TRUE(printer.GetPrinterDeviceDefaults(&defaults));
    EXPECT_EQ(defaults.GetDevSettings().paperSize, DMPAPER_A5);
    EXPECT_EQ(defaults.GetDeviceName(), "Virtual Printer");
    EXPECT_FALSE(printer.GetPrinterDeviceDefaults(nullptr));
}

TEST_F(SPrintDialogsTest, ThePageSetupDialogTakesPaperOrientationAndMargins) {
    script
        .Expect(SPrompt::PageSetupDialog, "Virtual Printer",
                Ok({{SPageSetupDlg::IDC_PAPER, SString::FromInt(DMPAPER_A5)},
                    {SPageSetupDlg::IDC_LANDSCAPE, "1"},
                    {SPageSetupDlg::IDC_MARGIN_LEFT, "1000"},
                    {SPageSetupDlg::IDC_MARGIN_TOP, "-5"},
                    {SPageSetupDlg::IDC_MARGIN_RIGHT, "1200"}}))
        .Expect(SPrompt::PageSetupDialog, "", Ok({{SPageSetupDlg::IDC_MARGIN_LEFT, "20000"}}))
        .Expect(SPrompt::PageSetupDialog, "", Cancel());
    SPageSetupDlg dialog(PSD_INHUNDREDTHSOFMILLIMETERS);
    dialog.GetRecord().ptPaperSize = {21000, 29700};
    dialog.GetRecord().rtMargin = {2500, 2500, 2500, 2500};
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(Transcript()[0].caption, "Page Setup");
    // A5 is 148 by 210 mm; the negative top margin is refused, the others taken.
    EXPECT_EQ(dialog.GetRecord().ptPaperSize, (POINT{21000, 14800}));
    EXPECT_EQ(dialog.GetRecord().rtMargin, (RECT{1000, 2500, 1200, 2500}));
    EXPECT_EQ(dialog.GetDevSettings().paperSize, DMPAPER_A5);
    EXPECT_EQ(dialog.GetDevSettings().orientation, DMORIENT_LANDSCAPE);

    // Margins that leave no page are refused together.
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetRecord().rtMargin, (RECT{1000, 2500, 1200, 2500}));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.GetRecord().ptPaperSize, (POINT{21000, 14800}));

    // Its printer device context is the page chosen.
    SDC dc(dialog.CreatePrinterDC());
    EXPECT_GT(dc.GetDeviceCaps(PHYSICALWIDTH), dc.GetDeviceCaps(PHYSICALHEIGHT));
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALHEIGHT), 3496);  // 148 mm at 600 dpi
}

TEST_F(SPrintDialogsTest, PrintInformationStartsAtPageOneOfAnyPage) {
    SPrintInfo info;
    ASSERT_NE(info.m_pPD, nullptr);
    EXPECT_EQ(info.m_pPD->GetFlags(), 0x40004u);
    EXPECT_FALSE(info.m_pPD->IsPrintSetupOnly());
    EXPECT_EQ(info.GetMinPage(), 1u);
    EXPECT_EQ(info.GetMaxPage(), 65535u);
    EXPECT_EQ(info.m_nCurPage, 1u);
    EXPECT_EQ(info.m_bContinuePrinting, 1);
    EXPECT_EQ(info.m_bPreview, 0);
    EXPECT_EQ(info.m_bDirect, 0);
    EXPECT_TRUE(info.m_strPageDesc.IsEmpty());
    EXPECT_EQ(info.m_lpUserData, nullptr);
    info.SetMaxPage(4);
    EXPECT_EQ(info.GetMaxPage(), 4u);
    EXPECT_EQ(info.GetMinPage(), 1u);
    // The device context its dialog holds goes with it.
    EXPECT_NE(info.m_pPD->CreatePrinterDC(), nullptr);
}
