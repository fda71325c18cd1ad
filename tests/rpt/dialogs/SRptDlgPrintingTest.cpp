#include <gtest/gtest.h>

#include "platform/ui/SWinDefs.h"
#include "platform/ui/SWndSystem.h"
#include "rpt/dialogs/SRptDlgPrinting.h"
#include "support/ScriptedInteractionTest.h"

namespace {

// The progress window of a print run. The dialog only keeps its device to know whether Cancel
// raises the abort flag, so any address stands for one.
class SRptDlgPrintingTest : public ScriptedInteractionTest {
protected:
    void SetUp() override {
        ScriptedInteractionTest::SetUp();
        SRptDlgPrinting::SetAbortFlag(0);
    }
    void TearDown() override {
        SRptDlgPrinting::SetAbortFlag(0);
        SSetMainWnd(nullptr);
        SWndSystem::SetFocus(0);
        ScriptedInteractionTest::TearDown();
    }
    SRptPrinterBaseDevice* Device() { return reinterpret_cast<SRptPrinterBaseDevice*>(&m_deviceStandIn); }
    // The dialog's modeless prompt, answered with `button` once messages are pumped (0: never).
    void ExpectPrinting(int32_t button) { script.ExpectDialog(SRptDlgPrinting::IDD, button); }
    static SString Text(const SRptDlgPrinting& dialog, int32_t id) { return dialog.GetDlgItem(id)->GetWindowText(); }

private:
    int32_t m_deviceStandIn = 0;
};

}  // namespace

TEST_F(SRptDlgPrintingTest, ShowsItsTemplateThenTheCallersTexts) {
    ExpectPrinting(0);
    SRptDlgPrinting dialog(Device());
    ASSERT_TRUE(SWnd::IsWindow(dialog.GetSafeHwnd()));
    EXPECT_EQ(dialog.GetCaption(), "Report");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_ACTION), "Action");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_DOCUMENT), "Report");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PRINTER), "on Printer");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PORT), "to LPT2:");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PAGE), "");
    EXPECT_EQ(Text(dialog, IDCANCEL), "Cancel");
    EXPECT_EQ(dialog.GetAnimationClip(), 431u);
    EXPECT_TRUE(dialog.IsCentred());
    EXPECT_TRUE(Transcript()[0].modeless);

    dialog.SetAction("Printing");
    dialog.SetDoc("Report Editor");
    dialog.SetPrinter("Virtual Printer");
    dialog.SetPort("on /tmp");
    dialog.SetPage("Page 1");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_ACTION), "Printing");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_DOCUMENT), "Report Editor");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PRINTER), "Virtual Printer");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PORT), "on /tmp");
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PAGE), "Page 1");
    dialog.SetPage(12);
    EXPECT_EQ(Text(dialog, SRptDlgPrinting::IDC_PAGE), "12");

    // Without a Cancel the run goes on through any number of pumps.
    dialog.ProcessMessages();
    dialog.ProcessMessages();
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 0);
    EXPECT_FALSE(dialog.IsEnded());
}

TEST_F(SRptDlgPrintingTest, ACancelArrivesThroughTheMessagePumpAndRaisesTheAbortFlag) {
    ExpectPrinting(IDCANCEL);
    SRptDlgPrinting dialog(Device());
    // Nothing happens until the print loop lets the user act, and nothing once the run is
    // aborted: the pump then returns at once, leaving the Cancel unpressed.
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 0);
    SRptDlgPrinting::SetAbortFlag(1);
    dialog.ProcessMessages();
    EXPECT_FALSE(dialog.IsEnded());
    SRptDlgPrinting::SetAbortFlag(0);
    dialog.ProcessMessages();
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 1);
    EXPECT_TRUE(dialog.IsEnded());
}

TEST_F(SRptDlgPrintingTest, WithoutADeviceCancelClosesWithoutTheFlag) {
    ExpectPrinting(IDCANCEL);
    SRptDlgPrinting dialog(nullptr);
    dialog.ProcessMessages();
    EXPECT_TRUE(dialog.IsEnded());
    EXPECT_EQ(dialog.GetResult(), IDCANCEL);
    EXPECT_EQ(SRptDlgPrinting::GetAbortFlag(), 0);
}

TEST_F(SRptDlgPrintingTest, TheMainAndTheActiveWindowAreDisabledWhileItIsUp) {
    SWnd mainWnd;
    ASSERT_EQ(mainWnd.Create("", "Host", WS_POPUP, RECT{}, nullptr, 0), 1);
    SWnd other;
    ASSERT_EQ(other.Create("", "Other", WS_POPUP, RECT{}, nullptr, 0), 1);
    SWnd field;
    ASSERT_EQ(field.Create("EDIT", "", WS_CHILD, RECT{}, &other, 7), 1);
    SSetMainWnd(&mainWnd);
    field.SetFocus();  // the other window is the active one
    ExpectPrinting(0);
    {
        SRptDlgPrinting dialog(Device());
        EXPECT_FALSE(mainWnd.IsWindowEnabled());
        EXPECT_FALSE(other.IsWindowEnabled());
        EXPECT_EQ(dialog.GetOwner(), &mainWnd);
    }
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
    EXPECT_TRUE(other.IsWindowEnabled());
}

TEST_F(SRptDlgPrintingTest, WhenTheActiveWindowIsTheMainWindowOnlyItIsDisabled) {
    SWnd mainWnd;
    ASSERT_EQ(mainWnd.Create("", "Host", WS_POPUP, RECT{}, nullptr, 0), 1);
    SWnd field;
    ASSERT_EQ(field.Create("EDIT", "", WS_CHILD, RECT{}, &mainWnd, 7), 1);
    SWnd other;
    ASSERT_EQ(other.Create("", "Other", WS_POPUP, RECT{}, nullptr, 0), 1);
    SSetMainWnd(&mainWnd);
    field.SetFocus();
    ExpectPrinting(0);
    {
        SRptDlgPrinting dialog(Device());
        EXPECT_FALSE(mainWnd.IsWindowEnabled());
        EXPECT_TRUE(other.IsWindowEnabled());
        EXPECT_TRUE(field.IsWindowEnabled());
    }
    EXPECT_TRUE(mainWnd.IsWindowEnabled());
}

TEST_F(SRptDlgPrintingTest, AWindowAlreadyDisabledOrGoneIsLeftAlone) {
    SWnd mainWnd;
    ASSERT_EQ(mainWnd.Create("", "Host", WS_POPUP, RECT{}, nullptr, 0), 1);
    mainWnd.EnableWindow(0);
    auto* active = new SWnd();
    ASSERT_EQ(active->Create("", "Active", WS_POPUP, RECT{}, nullptr, 0), 1);
    SSetMainWnd(&mainWnd);
    active->SetFocus();
    ExpectPrinting(0);
    {
        SRptDlgPrinting dialog(Device());
        EXPECT_FALSE(active->IsWindowEnabled());
        // The active window goes while the dialog is up: the dialog must not reach for it.
        delete active;
    }
    EXPECT_FALSE(mainWnd.IsWindowEnabled());
}
