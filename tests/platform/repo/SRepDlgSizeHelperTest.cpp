// The size memory of resizable dialogs and the list controller that dialogs configure for their
// grids.
#include <gtest/gtest.h>

#include "platform/base/SRegistry.h"
#include "platform/base/SSettingsStore.h"
#include "platform/base/SUserRegistry.h"
#include "platform/repo/SRepDlgSizeHelper.h"
#include "platform/repo/SRepStdLCtrlrHelper.h"
#include "platform/ui/SLayoutMap.h"
#include "platform/ui/SWnd.h"

namespace {

const SLayoutEntry kLayout[] = {
    {1, 3, 0, 3, 1}, {1, 4, 0, 4, 1}, {1137, 9, 0, 3, 1}, {1137, 10, 0, 4, 1}, {0, 0, 0, 0, 0},
};

// A resizable window that passes its sizes to the helper, as the layout dialogs do.
class STestSizedWnd final : public SWnd, public SRepDlgSizeHelper {
public:
    const SClassInfo* GetClassInfo() const override { return &classSTestSizedWnd; }
    static const SClassInfo classSTestSizedWnd;
    S_DECLARE_MESSAGE_MAP()

public:
    void Make() {
        Create("#32770", "Sized", WS_POPUP | WS_THICKFRAME, RECT{0, 0, 238, 137}, nullptr, 0);
        grid.Create("STATIC", "", WS_CHILD, RECT{6, 6, 232, 111}, this, 1137);
        ok.Create("BUTTON", "OK", WS_CHILD, RECT{73, 117, 123, 131}, this, 1);
        layout.Initialize(this, kLayout);
    }
    const SLayoutMap* GetLayoutMap() const override { return &layout; }
    void OnSize(uint32_t type, int32_t cx, int32_t cy) { Resize(this, type, cx, cy, key); }

    SString key;
    SLayoutMap layout;
    SWnd grid, ok;
};

const SClassInfo STestSizedWnd::classSTestSizedWnd = {"STestSizedWnd", &SWnd::classSWnd};

S_BEGIN_MESSAGE_MAP(STestSizedWnd, SWnd)
    SMsgEntry::Size(&STestSizedWnd::OnSize),
S_END_MESSAGE_MAP()

const char* const kPrefKey = "Software\\Report Editor\\DialogPreferences\\STestSizedWnd";

class SRepDlgSizeHelperTest : public ::testing::Test {
protected:
    void TearDown() override {
        SSettingsStore::Get().DeleteKey(HKEY_CURRENT_USER, kPrefKey);
        SSettingsStore::Get().DeleteKey(HKEY_CURRENT_USER, SString(kPrefKey) + "\\Other");
    }
};

}  // namespace

TEST_F(SRepDlgSizeHelperTest, TheKeyIsTheDialogsClassUnderDialogPreferences) {
    STestSizedWnd wnd;
    EXPECT_EQ(wnd.GetPrefRegPath(&wnd), SString("DialogPreferences\\STestSizedWnd"));
    EXPECT_EQ(wnd.GetPrefKey(&wnd, ""), SString(kPrefKey));
    EXPECT_EQ(wnd.GetPrefKey(&wnd, "Grid"), SString(kPrefKey) + "\\Grid");
}

TEST_F(SRepDlgSizeHelperTest, ResizingLaysTheControlsOutAndTheSizeComesBackNextTime) {
    {
        STestSizedWnd wnd;
        wnd.Make();
        wnd.RestorePreferences(&wnd, "");  // nothing saved: the template's size stays
        EXPECT_EQ(wnd.GetWindowRect(), (RECT{0, 0, 238, 137}));
        wnd.MoveWindow(RECT{10, 20, 348, 207});
        EXPECT_EQ(wnd.ok.GetWindowRect(), (RECT{173, 167, 223, 181}));
        EXPECT_EQ(wnd.grid.GetWindowRect(), (RECT{6, 6, 332, 161}));
        wnd.DestroyWindow();
    }
    STestSizedWnd again;
    again.Make();
    again.RestorePreferences(&again, "");
    EXPECT_EQ(again.GetWindowRect(), (RECT{10, 20, 348, 207}));
    EXPECT_EQ(again.ok.GetWindowRect(), (RECT{173, 167, 223, 181}));
    again.DestroyWindow();
}

TEST_F(SRepDlgSizeHelperTest, SizesBeforeTheRestoreAndMinimisingAreNotRemembered) {
    {
        STestSizedWnd wnd;
        wnd.Make();
        wnd.MoveWindow(RECT{0, 0, 300, 200});  // the controls follow, but the place is not saved
        EXPECT_EQ(wnd.ok.GetWindowRect(), (RECT{135, 180, 185, 194}));
        EXPECT_FALSE(SSettingsStore::Get().KeyExists(HKEY_CURRENT_USER, kPrefKey));
        wnd.RestorePreferences(&wnd, "");
        wnd.MoveWindow(RECT{0, 0, 400, 300});
        wnd.SendMessage(WM_SIZE, SIZE_MINIMIZED, 0);
        EXPECT_EQ(wnd.ok.GetWindowRect(), (RECT{235, 280, 285, 294}));
        wnd.DestroyWindow();
    }
    SRegistry registry(HKEY_CURRENT_USER, kPrefKey, 0);
    int32_t right = 0, bottom = 0;
    EXPECT_TRUE(registry.GetProfile("Right", &right, 0));
    EXPECT_TRUE(registry.GetProfile("Bottom", &bottom, 0));
    EXPECT_EQ(right, 400);
    EXPECT_EQ(bottom, 300);
}

TEST_F(SRepDlgSizeHelperTest, AnEmptySavedPlaceIsIgnoredAndAKeyKeepsItsOwnPlace) {
    {
        SRegistry registry(HKEY_CURRENT_USER, kPrefKey, 1);
        for (const char* name : {"Left", "Top", "Right", "Bottom"}) registry.WriteProfile(name, 5);
    }
    STestSizedWnd wnd;
    wnd.Make();
    wnd.RestorePreferences(&wnd, "");
    EXPECT_EQ(wnd.GetWindowRect(), (RECT{0, 0, 238, 137}));

    wnd.key = "Other";
    wnd.RestorePreferences(&wnd, "Other");
    wnd.MoveWindow(RECT{0, 0, 250, 150});
    SRegistry other(HKEY_CURRENT_USER, SString(kPrefKey) + "\\Other", 0);
    int32_t right = 0;
    EXPECT_TRUE(other.GetProfile("Right", &right, 0));
    EXPECT_EQ(right, 250);
    wnd.DestroyWindow();
}

TEST(SRepStdLCtrlrHelper, TheControllerKeepsItsSettingsAndTheDialogCanForbidAddingAndRemoving) {
    const GUID listCell = MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}");
    SRepStdLCtrlrHelper helper;
    EXPECT_FALSE(helper.GetControler().IsValid());
    SRepListControler* controler = helper.SetControler(listCell, 0x02006970, GUID{}, 0, "", 10022, 0, 0, 1, 1, 0);
    ASSERT_EQ(controler, &helper.GetControler());
    EXPECT_TRUE(controler->IsValid());
    EXPECT_EQ(controler->GetClassId(), listCell);
    EXPECT_EQ(controler->GetCollectionId(), 0x02006970);
    EXPECT_EQ(controler->GetHelpContext(), 10022u);
    EXPECT_EQ(controler->GetAllowAdd(), 1);
    EXPECT_EQ(controler->GetAllowRemove(), 1);
    controler->SetAllowAdd(0);
    controler->SetAllowRemove(0);
    EXPECT_EQ(helper.GetControler().GetAllowAdd(), 0);
    EXPECT_EQ(helper.GetControler().GetAllowRemove(), 0);

    // Without a class or a collection the controller lists nothing.
    EXPECT_FALSE(helper.SetControler(GUID{}, 0x02006970, GUID{}, 0, "", 0, 0, 0, 1, 1, 0)->IsValid());
    EXPECT_FALSE(helper.SetControler(listCell, 0, GUID{}, 0, "", 0, 0, 0, 1, 1, 0)->IsValid());
}
