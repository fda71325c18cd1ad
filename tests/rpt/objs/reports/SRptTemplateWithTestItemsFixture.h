#pragma once
// A report's template with test items placed under it: the test item classes are registered for
// the test, and the items it placed are let go before the report.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "support/SRptTestItemMem.h"

class SRptTemplateWithTestItemsFixture : public SRptReportWithTemplateFixture {
protected:
    void SetUp() override {
        classes.emplace();
        SRptReportWithTemplateFixture::SetUp();
    }
    void TearDown() override {
        testItems.clear();
        SRptReportWithTemplateFixture::TearDown();
        classes.reset();
    }

    // A test item appended under `parent` (the template when null), a container or not.
    ISRptItem* AddTestItem(ISRptItem* parent, bool container) {
        if (!parent) parent = templ.Get();
        SComWrap<ISRptItem> item;
        EXPECT_EQ(parent->CreateObject(CLSID_SRptTestItem, reinterpret_cast<void**>(&item), ISRptItem::iid,
                                       RPTITEM_ITEMS, -1, false),
                  S_OK);
        if (!item) return nullptr;
        SRptTestItemImpl::From(item.Get())->container = container;
        testItems.push_back(item);
        return item.Get();
    }

    std::optional<SRptTestItemClasses> classes;
    std::vector<SComWrap<ISRptItem>> testItems;
};
