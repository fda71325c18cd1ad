#pragma once
// Editor windows as a shell view makes them: a report with one template of module "Sales" whose
// available items the report holds, a frame window as the host's parent, and windows created in
// it that end with the frame (each window then deletes itself).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/editor/SRptAvailableItemsBrowser.h"
#include "rpt/editor/SRptAvailableItemsTabCtrl.h"
#include "rpt/editor/SRptEditorBrowserFixture.h"
#include "rpt/editor/SRptViewReport.h"
#include "rpt/editor/SRptViewTemplate.h"

class SRptViewTestFixture : public SRptEditorBrowserFixture {
protected:
    void SetUp() override {
        SRptEditorBrowserFixture::SetUp();
        ASSERT_EQ(frame.Create("FRAME", "", WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 600}, nullptr, 0), 1);
        sales = AddAvailables("Sales");
    }
    void TearDown() override {
        frame.DestroyWindow();
        sales.Clear();
        SRptEditorBrowserFixture::TearDown();
    }

    // The report's copy of a module's available items.
    SComWrap<ISRptAvailableItems> AddAvailables(const char* moduleId) {
        SComWrap<ISRptAvailableItems> own;
        EXPECT_EQ(report->AddNewAvailableItems(moduleId, &own), S_OK) << moduleId;
        SComWrap<ISRptAvailableItems> copy;
        EXPECT_EQ(report->GetAvailableItemsOfModule(moduleId, &copy), S_OK) << moduleId;
        return copy;
    }
    // A window created as the shell view creates it.
    template <class View>
    View* MakeWindow(SShellView* shellView = nullptr) {
        auto* window = new View(report.Get(), shellView);
        EXPECT_EQ(window->Create(nullptr, nullptr, 0x50800000, RECT{}, &frame, 0, nullptr), 1);
        return window;
    }
    // An item of a set, by item id.
    static SComWrap<ISRptItem> ItemOf(ISRptAvailableItems* set, const char* itemId) {
        SRepClassColPtr items = set->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemId) return item;
        }
        ADD_FAILURE() << "no item " << itemId;
        return SComWrap<ISRptItem>();
    }
    SWnd frame;
    SComWrap<ISRptAvailableItems> sales;
};
