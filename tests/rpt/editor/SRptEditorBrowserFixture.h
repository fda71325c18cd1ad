#pragma once
// The browsers of an editor as a test meets them: a report with one template of module "Sales",
// the module registered with its built-in available items, an editor window that records what
// the browsers tell it, and a scripted interaction that fails the test on a prompt it did not
// expect. Browsers made by a test are torn down before the report goes.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/repo/SRepBrowserEx.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SScriptedInteraction.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/objs/reports/SRptReportWithTemplateFixture.h"
#include "varod9/ISRptModule.h"

// An editor window that records the browsers' calls and otherwise does what the window does.
class SRecordingView : public SRptViewBase {
public:
    SRecordingView(int32_t kind, ISRptReport* report) : SRptViewBase(kind, report) {}

    HRESULT AddItemToActiveTemplate(ISRptItem* item, ISRptItem** added) override {
        addCalls.push_back(item ? item->GetItemID().str() : std::string("null"));
        return SRptViewBase::AddItemToActiveTemplate(item, added);
    }
    int32_t SetFocusOnLeftPane(int32_t left, int32_t apply) override {
        focusCalls.emplace_back(left, apply);
        return SRptViewBase::SetFocusOnLeftPane(left, apply);
    }
    HRESULT SyncAvailableItemsTabWithActiveContentsTab() override {
        ++syncCalls;
        return S_OK;
    }

    std::vector<std::string> addCalls;
    std::vector<std::pair<int32_t, int32_t>> focusCalls;
    int32_t syncCalls = 0;
};

class SRptEditorBrowserFixture : public SRptReportWithTemplateFixture {
protected:
    void SetUp() override {
        SRptReportWithTemplateFixture::SetUp();
        SInteraction::ClearTranscript();
        scope.emplace(&script);
        module = Register("Sales", "Sales model");
        container = ContainerOf(module.Get());
        ASSERT_TRUE(container);
        view.emplace(0, report.Get());
    }
    void TearDown() override {
        for (SRptContentsItemsBrowser* browser : browsers) browser->DestroyPane();
        browsers.clear();
        view.reset();
        scope.reset();
        for (const SString& unexpected : script.GetUnexpected()) ADD_FAILURE() << unexpected.c_str();
        EXPECT_TRUE(script.IsComplete()) << "scripted prompts were not all met";
        SInteraction::ClearTranscript();
        SRepBrowserEx::ClearClipboard();
        container.Clear();
        module.Clear();
        SRptReportWithTemplateFixture::TearDown();
    }

    // The built-in available item of an item id ("TITLE", "TEXT", "GRAPHICFILE" ...).
    SComWrap<ISRptItem> BuiltIn(const char* itemId) {
        SRepClassColPtr items = container->Items();
        for (int32_t i = 0; i < items.GetCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(items.Item(i).Get());
            if (item && item->GetItemID() == itemId) return item;
        }
        ADD_FAILURE() << "no built-in item " << itemId;
        return SComWrap<ISRptItem>();
    }
    // A copy of a built-in item placed at the end of the template.
    SComWrap<ISRptItem> Place(const char* itemId) {
        SComWrap<ISRptItem> placed;
        EXPECT_EQ(templ->AddTemplateItem(BuiltIn(itemId).Get(), templ.Get(), -1, &placed), S_OK);
        return placed;
    }
    // The template's contents browser as an editor makes it: a window under `parent`, the
    // template's node as its root, labelled by `labelAttribute`.
    SRptContentsItemsBrowser* MakeContentsBrowser(SWnd* parent = nullptr,
                                                  int32_t labelAttribute = RPTITEM_LABELINTEMPLATE) {
        auto* browser = new SRptContentsItemsBrowser(templ.Get(), &*view, nullptr);
        browser->AddRef();
        browsers.push_back(browser);
        browser->Create(parent, 0);
        auto* root = new SRptBrowserNodeTemplate(browser, view->GetIsTemplateEditor());
        root->InitNode(templ.Get(), 1, nullptr, nullptr, labelAttribute);
        EXPECT_TRUE(root->IsPlaced());
        return browser;
    }
    static SRepBrowserNode* NodeOf(SRepBrowserEx* browser, ISRptItem* item) {
        return dynamic_cast<SRepBrowserNode*>(browser->LookupNode(item));
    }
    static void SelectOnly(SRepBrowserEx* browser, std::initializer_list<ISRptItem*> items) {
        browser->ClearSelection();
        for (ISRptItem* item : items) browser->Select(NodeOf(browser, item), true);
    }
    // Whether a command is enabled for the target, as the host asks before showing it.
    static bool Enabled(SCmdTarget* target, uint32_t id) {
        SCmdUI cmdUI;
        cmdUI.m_nID = id;
        cmdUI.DoUpdate(target, 1);
        return cmdUI.m_enabled != 0;
    }
    // The item ids of the template's (or an item's) children, in order.
    std::vector<std::string> Contents(ISRptItem* parent = nullptr) {
        return ChildIds(parent ? parent : templ.Get());
    }
    // The item ids of a node's children in a browser, in order.
    static std::vector<std::string> NodeIds(SRepBrowserNode* node) {
        std::vector<std::string> ids;
        for (int32_t i = 0; i < node->GetChildCount(); ++i) {
            SComWrap<ISRptItem> item;
            item = static_cast<IUnknown*>(node->GetChild(i)->GetISRepObject());
            ids.push_back(item ? item->GetItemID().str() : std::string("?"));
        }
        return ids;
    }

    SScriptedInteraction script;
    std::optional<SInteractionScope> scope;
    SComWrap<ISRptModule> module;
    SComWrap<ISRptAvailableItems> container;
    std::optional<SRecordingView> view;
    std::vector<SRptContentsItemsBrowser*> browsers;
};
