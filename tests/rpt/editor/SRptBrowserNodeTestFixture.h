#pragma once
// A report with one template for module "Sales" and a browser to show it in: free items of any
// kind (as an available-items container holds them), items placed in the template, and the nodes
// the items make for the browser.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/repo/SRepBrowserEx.h"
#include "platform/repo/SRepDataSrc.h"
#include "rpt/editor/SRptBrowserNodeItem.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "varod9/ISRptItem.h"

class SRptBrowserNodeTestFixture : public SRptReportWithTemplateFixture {
protected:
    void TearDown() override {
        browser.ReleaseRoot();
        SRptReportWithTemplateFixture::TearDown();
    }

    // A free item of a class, of module `module`, labelled.
    SComWrap<ISRptItem> Free(const GUID& clsid, const char* label, const char* module = "Sales") {
        SComWrap<ISRptItem> item;
        EXPECT_EQ(session->CreateObject(clsid, reinterpret_cast<void**>(&item), ISRptItem::iid), S_OK);
        if (!item) return item;
        item->PutModuleID(module);
        item->PutLabel(label);
        item->PutItemID(label);
        return item;
    }
    // A copy of `source` placed in the template under `parent` (the template when null).
    SComWrap<ISRptItem> Place(ISRptItem* source, ISRptItem* parent = nullptr, int32_t position = -1) {
        SComWrap<ISRptItem> added;
        SComWrap<ISRptItem> under;
        under = parent ? static_cast<IUnknown*>(parent) : static_cast<IUnknown*>(templ.Get());
        EXPECT_EQ(templ->AddTemplateItem(source, under.Get(), position, &added), S_OK);
        return added;
    }
    SComWrap<ISRptItem> TemplateItem() {
        SComWrap<ISRptItem> item;
        item = static_cast<IUnknown*>(templ.Get());
        return item;
    }
    // The node an item makes as a root of the browser.
    SRptBrowserNodeItem* NodeOf(ISRptItem* item, bool templateEditor = true) {
        SRptBrowserNodeItem* node = nullptr;
        EXPECT_EQ(
            item->CreateBrowserNode(&browser, 2, nullptr, nullptr, RPTITEM_LABELINTEMPLATE, templateEditor, &node),
            S_OK);
        return node;
    }
    // The browser showing the template, as a template editor's contents browser does.
    SRptBrowserNodeItem* ShowTemplate(bool templateEditor = true) {
        return NodeOf(TemplateItem().Get(), templateEditor);
    }
    SRptBrowserNodeItem* Child(SRepBrowserNode* parent, int32_t index) {
        return dynamic_cast<SRptBrowserNodeItem*>(parent->GetChild(index));
    }
    static std::vector<std::string> Labels(ISRptItem* parent) {
        std::vector<std::string> labels;
        SRepClassColPtr items = parent->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            labels.push_back(item ? item->GetLabel().str() : std::string("?"));
        }
        return labels;
    }
    static SOleDataObject Dragging(const std::vector<ISRptItem*>& items) {
        std::vector<ISRepObject*> objects;
        for (ISRptItem* item : items) objects.push_back(static_cast<ISRepObject*>(item));
        return SOleDataObject(SRepDataSrc::Create(objects).Get());
    }

    SRepBrowserEx browser;
};
