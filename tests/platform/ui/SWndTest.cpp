#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SListBoxCtrl.h"
#include "platform/ui/SPreviewView.h"
#include "platform/ui/STabWnd.h"

namespace {

std::vector<std::string> gLog;

// A window that logs its creation and destruction messages under its name.
class SLoggedWnd : public SWnd {
    S_DECLARE_MESSAGE_MAP()

public:
    explicit SLoggedWnd(std::string name, bool ownsItself = false) : m_name(std::move(name)), m_ownsItself(ownsItself) {}
    void OnDestroy() { gLog.push_back("destroy " + m_name); }
    void OnNcDestroy() { gLog.push_back("ncdestroy " + m_name); }

protected:
    int32_t OnCreate(SCreateStruct*) override {
        gLog.push_back("create " + m_name);
        return 0;
    }
    void PostNcDestroy() override {
        gLog.push_back("post " + m_name);
        if (m_ownsItself) delete this;
    }

private:
    std::string m_name;
    bool m_ownsItself;
};

S_BEGIN_MESSAGE_MAP(SLoggedWnd, SWnd)
    SMsgEntry::Message(WM_DESTROY, &SLoggedWnd::OnDestroy),
    SMsgEntry::Message(WM_NCDESTROY, &SLoggedWnd::OnNcDestroy),
S_END_MESSAGE_MAP()

// A parent that records its children's notifications.
class SNotifiedWnd : public SWnd {
public:
    std::vector<std::pair<int32_t, int32_t>> notes;  // (control id, code)

protected:
    int32_t OnCommand(WPARAM wParam, LPARAM) override {
        notes.emplace_back(LOWORD(wParam), static_cast<int16_t>(HIWORD(wParam)));
        return 1;
    }
};

class SPagedView : public SView {
public:
    int32_t GetPageCount() const override { return 5; }
};

}  // namespace

TEST(SWnd, ChildrenGoFirstAndPostNcDestroyComesLast) {
    gLog.clear();
    SLoggedWnd parent("parent");
    SLoggedWnd first("first");
    auto* grandchild = new SLoggedWnd("grandchild", true);
    SLoggedWnd second("second");
    ASSERT_EQ(parent.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 1);
    ASSERT_EQ(first.Create("", "", WS_CHILD, RECT{}, &parent, 1), 1);
    ASSERT_EQ(grandchild->Create("", "", WS_CHILD, RECT{}, &first, 2), 1);
    ASSERT_EQ(second.Create("", "", WS_CHILD, RECT{}, &parent, 3), 1);
    EXPECT_EQ(SWnd::FromHandle(grandchild->m_hWnd), grandchild);
    EXPECT_EQ(parent.GetDlgItem(3), &second);
    EXPECT_EQ(grandchild->GetParent(), &first);
    const HWND grandchildHandle = grandchild->m_hWnd;

    ASSERT_EQ(parent.DestroyWindow(), 1);
    EXPECT_EQ(gLog, (std::vector<std::string>{
                        "create parent", "create first", "create grandchild", "create second",
                        "destroy parent", "destroy first", "destroy grandchild", "destroy second",
                        "ncdestroy grandchild", "post grandchild", "ncdestroy first", "post first",
                        "ncdestroy second", "post second", "ncdestroy parent", "post parent"}));
    EXPECT_FALSE(SWnd::IsWindow(grandchildHandle));
    EXPECT_EQ(SWnd::FromHandle(grandchildHandle), nullptr);
    EXPECT_EQ(parent.m_hWnd, 0u);
    EXPECT_EQ(parent.DestroyWindow(), 0);
}

TEST(SWnd, OwnedWindowsGoBeforeTheirOwnerAndARefusedCreationLeavesNoWindow) {
    gLog.clear();
    SLoggedWnd owner("owner");
    SLoggedWnd popup("popup");
    ASSERT_EQ(owner.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 1);
    ASSERT_EQ(popup.CreateEx("", "", WS_POPUP, RECT{}, nullptr, 0, &owner), 1);
    EXPECT_EQ(popup.GetOwner(), &owner);
    owner.DestroyWindow();
    EXPECT_EQ(gLog.at(2), "destroy popup");
    EXPECT_EQ(gLog.back(), "post owner");

    class SRefusing : public SWnd {
        int32_t OnCreate(SCreateStruct*) override { return -1; }
    } refusing;
    EXPECT_EQ(refusing.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 0);
    EXPECT_EQ(refusing.m_hWnd, 0u);
}

TEST(SWnd, ControlsKeepTheirContentsAndTellTheirParent) {
    SNotifiedWnd dialog;
    ASSERT_EQ(dialog.Create("", "", WS_POPUP, RECT{}, nullptr, 0), 1);
    SComboBoxCtrl combo;
    combo.Create(CBS_DROPDOWNLIST | CBS_SORT, RECT{}, &dialog, 10);
    combo.AddString("Pear");
    combo.AddString("Apple");
    EXPECT_EQ(combo.GetLBText(0), "Apple");
    EXPECT_EQ(combo.SetCurSel(1), 1);
    EXPECT_EQ(combo.GetWindowText(), "Pear");
    EXPECT_TRUE(dialog.notes.empty()) << "a program's selection is not a user's";

    SButtonCtrl left, right;
    left.Create("&Left", BS_AUTORADIOBUTTON | 0x00020000, RECT{}, &dialog, 11);
    right.Create("&Right", BS_AUTORADIOBUTTON, RECT{}, &dialog, 12);
    left.Click();
    right.Click();
    EXPECT_EQ(left.GetCheck(), 0);
    EXPECT_EQ(right.GetCheck(), 1);

    SListBoxCtrl list;
    list.Create(LBS_NOTIFY | LBS_EXTENDEDSEL, RECT{}, &dialog, 13);
    for (const char* text : {"Title", "Header", "Item", "Footer"}) list.AddString(text);
    list.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(5, 20));  // the second item
    list.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(list.GetSelItems(), (std::vector<int32_t>{2}));
    EXPECT_EQ(list.GetCaretIndex(), 2);
    EXPECT_EQ(dialog.notes, (std::vector<std::pair<int32_t, int32_t>>{
                                {11, BN_CLICKED}, {12, BN_CLICKED}, {13, LBN_SELCHANGE}, {13, LBN_SELCHANGE}}));
    dialog.DestroyWindow();
    EXPECT_EQ(list.m_hWnd, 0u);
}

TEST(SWnd, TabsShowTheActiveWindowAndThePreviewKeepsItsPageInRange) {
    SWnd frame;
    frame.Create("", "", WS_POPUP, RECT{}, nullptr, 0);
    STabWnd tabs;
    tabs.Create(&frame, RECT{}, 1);
    SWnd one, two;
    one.Create("", "", WS_CHILD, RECT{}, &tabs, 2);
    two.Create("", "", WS_CHILD, RECT{}, &tabs, 3);
    tabs.AddTab(&one, "Template 1");
    tabs.AddTab(&two, "Template 2");
    tabs.ClickTab(1);
    EXPECT_EQ(tabs.GetActiveTab(), &two);
    EXPECT_TRUE(two.IsWindowVisible());
    EXPECT_FALSE(one.IsWindowVisible());
    EXPECT_EQ(tabs.GetTabIndex(&one), 0);
    tabs.DeleteTab(1);
    EXPECT_EQ(tabs.GetActiveTab(), &one);

    SPreviewView preview;
    SPagedView pages;
    preview.SetCurrentPage(3, 0);
    EXPECT_EQ(preview.GetCurrentPage(), 1) << "without a print view there is one page";
    preview.SetPrintView(&pages);
    preview.SetCurrentPage(9, 0);
    EXPECT_EQ(preview.GetCurrentPage(), 5);
    preview.SetCurrentPage(0, 1);
    EXPECT_EQ(preview.GetCurrentPage(), 1);
    frame.DestroyWindow();
}
