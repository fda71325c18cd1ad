// The editor and the header and footer dialog over real items: their maps reach a derived
// dialog's overrides, and the editor's controls follow its size as its layout says.
#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/SWinDefs.h"
#include "rpt/dialogs/SRptDlgHeaderFooter.h"
#include "rpt/dialogs/SRptDlgTxtEdit.h"
#include "rpt/dialogs/SRptDlgUserScript.h"
#include "rpt/objs/items/SRptTextMem.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "support/SRptItemTestFixture.h"
#include "varod9/RptItemDef.h"

namespace {

constexpr int32_t kClicked = 0;
constexpr int32_t kUpdate = 0x400;
constexpr int32_t kTabKillActive = -10201;

int32_t NotifyCode(int32_t code) {
    return static_cast<int32_t>(MAKELONG(static_cast<uint16_t>(code), WM_NOTIFY));
}

class SRecordingTxtEdit : public SRptDlgTxtEdit {
public:
    using SRptDlgTxtEdit::SRptDlgTxtEdit;
    std::vector<const char*> reached;

private:
    void OnOK() override { reached.push_back("ok"); }
    void OnCancel() override { reached.push_back("cancel"); }
    void OnFormat() override { reached.push_back("format"); }
    void OnUserDefined() override { reached.push_back("user-defined"); }
    void OnEditChange() override { reached.push_back("edit"); }
};

class SRecordingHeaderFooter : public SRptDlgHeaderFooter {
public:
    using SRptDlgHeaderFooter::SRptDlgHeaderFooter;
    std::vector<const char*> reached;

private:
    void OnFormat() override { reached.push_back("format"); }
    void OnHeadUserDefined() override { reached.push_back("head user-defined"); }
    void OnFootUserDefined() override { reached.push_back("foot user-defined"); }
    void OnHeadEditChange() override { reached.push_back("head edit"); }
    void OnFootEditChange() override { reached.push_back("foot edit"); }
    void OnTabKillActive(NMHDR*, LRESULT*) override { reached.push_back("tab"); }
};

// A free text, made as a module makes it: with its paragraph, which the editor shows.
class SRptDlgTxtEditMaps : public SRptItemTestFixture {
protected:
    void SetUp() override {
        SRptItemTestFixture::SetUp();
        item = Make(CLSID_SRptText);
        RPTUSRITEMDEF def;
        def.ItemID = "ITEM";
        def.ModuleID = "MODULE";
        def.Label = "Label";
        ASSERT_EQ(item->ConstructWithItemDef(&def), S_OK);
    }
    void TearDown() override {
        item.Clear();
        SRptItemTestFixture::TearDown();
    }

    SComWrap<ISRptItem> item;
};

class SRptDlgHeaderFooterMaps : public SRptReportWithTemplateFixture {};

}  // namespace

TEST_F(SRptDlgTxtEditMaps, ItsButtonsAndTextReachADerivedEditorsOverrides) {
    SRecordingTxtEdit dialog(item.Get(), "Text", 1, 1, "Default", 0);
    for (uint32_t id : {1u, 2u, 1006u, 13005u}) EXPECT_NE(dialog.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_NE(dialog.OnCmdMsg(1005, kUpdate, nullptr, nullptr), 0);
    EXPECT_EQ(dialog.reached, (std::vector<const char*>{"ok", "cancel", "format", "user-defined", "edit"}));
}

TEST_F(SRptDlgTxtEditMaps, ResizingKeepsTheButtonsInTheirCornersAndGrowsTheText) {
    struct Placed {
        RECT ok, cancel, format, insert, text, frame;
    };
    SRptDlgTxtEdit dialog(item.Get(), "Text", 1, 1, "Default", 0);
    const auto place = [&dialog]() {
        const auto rect = [&dialog](int32_t id) { return dialog.FindControl(id)->GetWindowRect(); };
        return Placed{rect(IDOK),
                      rect(IDCANCEL),
                      rect(SRptDlgTxtEdit::IDC_FORMAT),
                      rect(SRptDlgTxtEdit::IDC_INSERT),
                      rect(SRptDlgTxtEdit::IDC_TEXT),
                      rect(SRptDlgTxtEdit::IDC_FRAME)};
    };
    Placed before{}, after{};
    SRptDlgUserScript user([&]() {
        before = place();
        // The layout alone: a size sent to the window would be kept as the user's preference.
        const RECT client = dialog.GetClientRect();
        dialog.GetLayoutMap()->Resize(client.right - client.left + 40, client.bottom - client.top + 30);
        after = place();
        return IDCANCEL;
    });
    dialog.DoModal();

    for (const auto& [was, now] : {std::pair{before.ok, after.ok}, std::pair{before.cancel, after.cancel}}) {
        EXPECT_EQ(now.left - was.left, 40);
        EXPECT_EQ(now.right - was.right, 40);
        EXPECT_EQ(now.top - was.top, 30);
        EXPECT_EQ(now.bottom - was.bottom, 30);
    }
    for (const auto& [was, now] : {std::pair{before.format, after.format}, std::pair{before.insert, after.insert}}) {
        EXPECT_EQ(now.left, was.left);
        EXPECT_EQ(now.right, was.right);
        EXPECT_EQ(now.top - was.top, 30);
    }
    for (const auto& [was, now] : {std::pair{before.text, after.text}, std::pair{before.frame, after.frame}}) {
        EXPECT_EQ(now.left, was.left);
        EXPECT_EQ(now.top, was.top);
        EXPECT_EQ(now.right - was.right, 40);
        EXPECT_EQ(now.bottom - was.bottom, 30);
    }
}

TEST_F(SRptDlgHeaderFooterMaps, ItsButtonsTextsAndTabsReachADerivedDialogsOverrides) {
    SRecordingHeaderFooter dialog(static_cast<ISRptItem*>(templ.Get()), "Head", "Foot", "", "", 0, 0);
    for (uint32_t id : {1006u, 1159u, 1160u}) EXPECT_NE(dialog.OnCmdMsg(id, kClicked, nullptr, nullptr), 0);
    EXPECT_NE(dialog.OnCmdMsg(1113, kUpdate, nullptr, nullptr), 0);
    EXPECT_NE(dialog.OnCmdMsg(1114, kUpdate, nullptr, nullptr), 0);
    NMHDR header{0, 1112, kTabKillActive};
    LRESULT result = 0;
    SNotifyInfo info{&result, &header};
    EXPECT_NE(dialog.OnCmdMsg(1112, NotifyCode(kTabKillActive), &info, nullptr), 0);
    EXPECT_EQ(dialog.reached, (std::vector<const char*>{"format", "head user-defined", "foot user-defined", "head edit",
                                                         "foot edit", "tab"}));
}
