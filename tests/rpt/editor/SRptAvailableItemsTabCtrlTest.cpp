// The left pane of the editor: a page per module's available-items set, one page shown at a time
// and fitted to the control, pages made for sets that join the report, the report changed under
// it, commands routed to the shown page, and its end with or without the editor's release.
#include <gtest/gtest.h>

#include "rpt/editor/SRptViewTestFixture.h"

namespace {

class SRptAvailableItemsTabCtrlTest : public SRptViewTestFixture {
protected:
    SRptAvailableItemsTabCtrl* MakeCtrl(ISRptReport* shown) {
        auto* ctrl = new SRptAvailableItemsTabCtrl(shown, &*view);
        EXPECT_EQ(ctrl->Create(nullptr, nullptr, 0x50000000, RECT{0, 0, 10, 10}, &frame, 0, nullptr), 1);
        return ctrl;
    }
    // The pages that are visible, by module id.
    static std::vector<std::string> Visible(SRptAvailableItemsTabCtrl* ctrl, std::initializer_list<const char*> ids) {
        std::vector<std::string> visible;
        for (const char* id : ids)
            if (ctrl->GetPage(id) && ctrl->GetPage(id)->IsWindowVisible()) visible.emplace_back(id);
        return visible;
    }
    SComWrap<ISRptReport> OtherReport() {
        SComWrap<ISRptReport> other;
        EXPECT_EQ(session->CreateModelObject(CLSID_SRptReport, reinterpret_cast<void**>(&other), ISRptReport::iid),
                  S_OK);
        return other;
    }
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(SRptAvailableItemsTabCtrlTest, OnePagePerModuleTheLastSetsPageShown) {
    Register("Orders", "Orders model");
    SComWrap<ISRptAvailableItems> orders = AddAvailables("Orders");
    // A second set of module "Sales": the page stays the first set's.
    ASSERT_EQ(report->AddAvailableItems(container.Get()), S_OK);
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    EXPECT_STREQ(ctrl->GetClassInfo()->className, "SRptAvailableItemsTabCtrl");
    EXPECT_EQ(ctrl->GetPageCount(), 2);
    EXPECT_EQ(ctrl->GetPage("Sales")->GetAvailableItems(), sales.Get());
    EXPECT_EQ(ctrl->GetPage("Orders")->GetAvailableItems(), orders.Get());
    EXPECT_EQ(ctrl->GetPage("sales"), nullptr);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Orders"));
    EXPECT_EQ(Visible(ctrl, {"Sales", "Orders"}), (Strings{"Orders"}));
    // Each page's root is its set.
    SRptAvailableItemsBrowser* page = ctrl->GetPage("Sales");
    ASSERT_EQ(page->GetRootCount(), 1);
    EXPECT_EQ(page->GetRoot(0)->GetISRepObject(), static_cast<ISRepObject*>(sales.Get()));
    EXPECT_EQ(page->GetView(), &*view);

    // Held by its window and by the report's collection it listens to.
    EXPECT_EQ(ctrl->GetRefCount(), 2u);
    ISRepColSink* sink = nullptr;
    const GUID collectionSink = MakeGUID("{96381B6C-1253-11D1-83D9-444553540000}");
    ASSERT_EQ(ctrl->QueryInterface(collectionSink, reinterpret_cast<void**>(&sink)), S_OK);
    EXPECT_EQ(sink, static_cast<ISRepColSink*>(ctrl));
    sink->Release();
    void* other = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(ctrl->QueryInterface(ISRptReport::iid, &other), E_NOINTERFACE);
    EXPECT_EQ(other, nullptr);
}

TEST_F(SRptAvailableItemsTabCtrlTest, ShowingAPageHidesTheOtherAndFitsItToTheControl) {
    Register("Orders", "Orders model");
    AddAvailables("Orders");
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    ctrl->MoveWindow(RECT{0, 0, 200, 100});
    const RECT fitted{0, 0, 200, 100};
    EXPECT_EQ(ctrl->GetPage("Orders")->GetWindowRect(), fitted);

    EXPECT_EQ(ctrl->ShowPage("Nobody"), S_FALSE);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Orders"));
    EXPECT_EQ(ctrl->ShowPage("Sales"), S_OK);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Sales"));
    EXPECT_EQ(Visible(ctrl, {"Sales", "Orders"}), (Strings{"Sales"}));
    EXPECT_EQ(ctrl->GetPage("Sales")->GetWindowRect(), fitted);
    EXPECT_EQ(ctrl->ShowPage("Sales"), S_OK);
    EXPECT_EQ(Visible(ctrl, {"Sales", "Orders"}), (Strings{"Sales"}));

    // Resizing refits the shown page only; the hidden one is fitted when shown.
    ctrl->MoveWindow(RECT{0, 0, 300, 150});
    const RECT larger{0, 0, 300, 150};
    EXPECT_EQ(ctrl->GetPage("Sales")->GetWindowRect(), larger);
    EXPECT_EQ(ctrl->GetPage("Orders")->GetWindowRect(), fitted);
    ctrl->ShowPage("Orders");
    EXPECT_EQ(ctrl->GetPage("Orders")->GetWindowRect(), larger);
}

TEST_F(SRptAvailableItemsTabCtrlTest, ASetThatJoinsTheReportGetsItsPageAtOnce) {
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    Register("Stock", "Stock model");
    SComWrap<ISRptAvailableItems> stock = AddAvailables("Stock");
    ASSERT_NE(ctrl->GetPage("Stock"), nullptr);
    EXPECT_EQ(ctrl->GetPage("Stock")->GetAvailableItems(), stock.Get());
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Stock"));

    // Another set of a module with a page, or an object that is no set, makes none.
    ASSERT_EQ(report->AddAvailableItems(container.Get()), S_OK);
    EXPECT_EQ(ctrl->GetPageCount(), 2);
    EXPECT_EQ(ctrl->OnInsert(nullptr, 0, nullptr), S_OK);
    SComWrap<ISRepObject> notASet;
    notASet = static_cast<IUnknown*>(templ.Get());
    EXPECT_EQ(ctrl->OnInsert(nullptr, 0, notASet.Get()), E_POINTER);
    EXPECT_EQ(ctrl->AddAvailableItemsPage(nullptr), S_FALSE);
    EXPECT_EQ(ctrl->AddAvailableItemsPage(sales.Get()), S_FALSE);
    EXPECT_EQ(ctrl->GetPageCount(), 2);
}

TEST_F(SRptAvailableItemsTabCtrlTest, AnotherReportKeepsThePagesAndAddsItsNewModules) {
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    SRptAvailableItemsBrowser* salesPage = ctrl->GetPage("Sales");
    // The same report through another of its faces.
    SComWrap<ISRptParaContainer> sameObject;
    sameObject = static_cast<IUnknown*>(report.Get());
    SComWrap<ISRptReport> same;
    same = static_cast<IUnknown*>(sameObject.Get());
    EXPECT_EQ(ctrl->SetReport(same.Get()), S_FALSE);

    Register("Stock", "Stock model");
    SComWrap<ISRptReport> other = OtherReport();
    SComWrap<ISRptAvailableItems> own;
    ASSERT_EQ(other->AddNewAvailableItems("Sales", &own), S_OK);
    ASSERT_EQ(other->AddNewAvailableItems("Stock", &own), S_OK);
    EXPECT_EQ(ctrl->SetReport(other.Get()), S_OK);
    EXPECT_EQ(ctrl->GetPageCount(), 2);
    EXPECT_EQ(ctrl->GetPage("Sales"), salesPage);
    EXPECT_EQ(ctrl->GetCurrentPage(), ctrl->GetPage("Stock"));

    // Only the bound report is listened to.
    Register("Orders", "Orders model");
    AddAvailables("Orders");
    EXPECT_EQ(ctrl->GetPage("Orders"), nullptr);
    ASSERT_EQ(other->AddNewAvailableItems("Orders", &own), S_OK);
    EXPECT_NE(ctrl->GetPage("Orders"), nullptr);

    // Detached, it keeps its pages and hears nothing more.
    EXPECT_EQ(ctrl->SetReport(nullptr), S_OK);
    EXPECT_EQ(ctrl->GetPageCount(), 3);
    EXPECT_EQ(ctrl->SetReport(nullptr), S_FALSE);
    EXPECT_EQ(ctrl->GetRefCount(), 1u);
}

TEST_F(SRptAvailableItemsTabCtrlTest, CommandsGoToTheShownPageOrToTheControlsOwnMap) {
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    EXPECT_TRUE(Enabled(ctrl, ID_RPT_CHANGE_FONTS));
    SelectOnly(ctrl->GetCurrentPage(), {ItemOf(sales.Get(), "TEXT").Get()});
    EXPECT_TRUE(Enabled(ctrl, ID_RPT_ITEM_ADD));

    SComWrap<ISRepClassCol> availables;
    ASSERT_EQ(report->GetAvailableItemsCollection(&availables), S_OK);
    sales.Clear();
    ASSERT_EQ(availables->DeleteAll(), S_OK);
    SRptAvailableItemsTabCtrl* empty = MakeCtrl(report.Get());
    EXPECT_EQ(empty->GetPageCount(), 0);
    EXPECT_EQ(empty->GetCurrentPage(), nullptr);
    EXPECT_FALSE(Enabled(empty, ID_RPT_CHANGE_FONTS));
    // Its window goes first; the pages it had are torn down with it.
    ctrl->DestroyWindow();
}

TEST_F(SRptAvailableItemsTabCtrlTest, ReleasedPagesStopListeningAndRouteNothing) {
    SRptAvailableItemsTabCtrl* ctrl = MakeCtrl(report.Get());
    ctrl->ReleasePages();
    EXPECT_EQ(ctrl->GetPageCount(), 0);
    EXPECT_EQ(ctrl->GetCurrentPage(), nullptr);
    EXPECT_EQ(ctrl->GetRefCount(), 1u);
    EXPECT_FALSE(Enabled(ctrl, ID_RPT_CHANGE_FONTS));
    Register("Stock", "Stock model");
    AddAvailables("Stock");
    EXPECT_EQ(ctrl->GetPageCount(), 0);

    // A control whose window goes without the release leaves no listener behind.
    MakeCtrl(report.Get())->DestroyWindow();
    Register("Orders", "Orders model");
    AddAvailables("Orders");
}
