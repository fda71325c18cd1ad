// The report editor's tab window: a tab per template, the contents-pane operations forwarded to
// the active tab's browser, the tabs rebuilt after the report's templates changed, and the
// editor window told of every change of tab.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SECOMException.h"
#include "rpt/editor/SRptEditorBrowserFixture.h"
#include "rpt/editor/SRptTabWnd.h"

namespace {

using Strings = std::vector<std::string>;

class SRptTabWndTest : public SRptEditorBrowserFixture {
protected:
    void TearDown() override {
        if (tabs) tabs->DestroyWindow();
        tabs = nullptr;
        SRptEditorBrowserFixture::TearDown();
    }
    // A second and third template of the module, named.
    SComWrap<ISRptTemplate> AddTemplate(const char* name) {
        SComWrap<ISRptTemplate> added;
        EXPECT_EQ(report->AddNewTemplate("Sales", 1, &added), S_OK);
        added->PutName(name);
        return added;
    }
    void MakeTabs() {
        tabs = new SRptTabWnd(report.Get(), &*view);
        ASSERT_EQ(tabs->Create(nullptr, nullptr, nullptr, 0x50300000, 0xE900), 1);
        view->SetContentsPane(tabs);
    }
    Strings TabLabels() const {
        Strings labels;
        for (int32_t i = 0; i < tabs->GetTabCount(); ++i) labels.push_back(tabs->GetTabText(i).str());
        return labels;
    }
    SComWrap<ISRptTemplate> ActiveTemplate() {
        SComWrap<ISRptTemplate> active;
        EXPECT_EQ(tabs->GetActiveTemplate(&active), S_OK);
        return active;
    }

    SRptTabWnd* tabs = nullptr;
};

}  // namespace

TEST_F(SRptTabWndTest, EachTemplateHasATabWithItsBrowserAndTheActiveTabTakesTheOperations) {
    templ->PutName("Sales");
    SComWrap<ISRptTemplate> orders = AddTemplate("Orders");
    MakeTabs();
    EXPECT_EQ(TabLabels(), (Strings{"Sales", "Orders"}));
    EXPECT_EQ(tabs->GetPaneWindow(), tabs);
    ASSERT_NE(tabs->GetTabBrowser(1), nullptr);
    EXPECT_EQ(tabs->GetTab(1), tabs->GetTabBrowser(1));
    EXPECT_TRUE(orders.IsEqualObject(tabs->GetTabBrowser(1)->GetTemplatePtr()));
    EXPECT_EQ(tabs->GetActiveTabIndex(), 0);
    EXPECT_TRUE(ActiveTemplate().IsEqualObject(templ.Get()));

    // The window's Add reaches the template in view.
    SComWrap<ISRptItem> added;
    ASSERT_EQ(view->AddItemToActiveTemplate(BuiltIn("TITLE").Get(), &added), S_OK);
    EXPECT_EQ(Contents(), (Strings{"TITLE"}));

    // Turning to the second tab tells the window, and the operations follow the tab.
    tabs->ClickTab(1);
    EXPECT_EQ(view->syncCalls, 1);
    EXPECT_TRUE(ActiveTemplate().IsEqualObject(orders.Get()));
    SComWrap<ISRptItem> text, title;
    ASSERT_EQ(tabs->AddItemToTemplate(BuiltIn("TEXT").Get(), &text), S_OK);
    ASSERT_EQ(tabs->AddItemToTemplate(BuiltIn("TITLE").Get(), &title), S_OK);
    EXPECT_EQ(Contents(orders.Get()), (Strings{"TEXT", "TITLE"}));
    tabs->MoveSelection(1);
    EXPECT_EQ(Contents(orders.Get()), (Strings{"TITLE", "TEXT"}));
    EXPECT_EQ(tabs->DeleteItemFromTemplate(text.Get()), S_OK);
    EXPECT_EQ(Contents(orders.Get()), (Strings{"TITLE"}));
    EXPECT_EQ(Contents(), (Strings{"TITLE"}));

    // Commands reach the active browser first; others fall through to the tab window.
    SelectOnly(tabs->GetActiveBrowser(), {title.Get()});
    EXPECT_EQ(tabs->OnCmdMsg(115, CN_COMMAND, nullptr, nullptr), 1);
    EXPECT_TRUE(Contents(orders.Get()).empty());
    EXPECT_EQ(tabs->OnCmdMsg(30000, CN_COMMAND, nullptr, nullptr), 0);
}

TEST_F(SRptTabWndTest, RebuiltTabsKeepTheActiveIndexOrTheLast) {
    templ->PutName("Sales");
    AddTemplate("Orders");
    AddTemplate("Invoices");
    MakeTabs();
    tabs->ActivateTab(1);
    ASSERT_EQ(view->UpdateTabs(), S_OK);
    EXPECT_EQ(TabLabels(), (Strings{"Sales", "Orders", "Invoices"}));
    EXPECT_EQ(tabs->GetActiveTabIndex(), 1);
    EXPECT_EQ(view->syncCalls, 1);

    // The third of three was active and a template went: the second, now the last, is.
    tabs->ActivateTab(2);
    ASSERT_EQ(report->DeleteTemplateAtPos(1), S_OK);
    ASSERT_EQ(tabs->UpdateTabs(), S_OK);
    EXPECT_EQ(TabLabels(), (Strings{"Sales", "Invoices"}));
    EXPECT_EQ(tabs->GetActiveTabIndex(), 1);
    EXPECT_EQ(tabs->GetTabIndex(tabs->GetTabBrowser(1)), 1);
}

TEST_F(SRptTabWndTest, RenamingATemplatesNodeRenamesTheTemplateAndItsTab) {
    templ->PutName("Sales");
    AddTemplate("Orders");
    MakeTabs();
    tabs->ClickTab(1);
    SRptContentsItemsBrowser* browser = tabs->GetActiveBrowser();
    SRepBrowserNode* root = browser->GetRoot(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->GetLabelAttribute(), 0x0100000B);

    browser->Select(root);
    ASSERT_EQ(browser->OnCmdMsg(45100, CN_COMMAND, nullptr, nullptr), 1);
    ASSERT_EQ(browser->GetEditedNode(), root);
    EXPECT_EQ(browser->EndLabelEdit("Invoices"), 1);
    EXPECT_EQ(ActiveTemplate()->GetName(), "Invoices");
    EXPECT_EQ(TabLabels(), (Strings{"Sales", "Invoices"}));
    EXPECT_EQ(browser->GetNodeText(root), "Invoices");
    // The tabs made again show the template's new name.
    ASSERT_EQ(tabs->UpdateTabs(), S_OK);
    EXPECT_EQ(TabLabels(), (Strings{"Sales", "Invoices"}));
    EXPECT_EQ(tabs->GetActiveTabIndex(), 1);
}

TEST_F(SRptTabWndTest, WithoutTemplatesNoTabIsActiveAndForwardedOperationsAnswerOne) {
    MakeTabs();
    tabs->ActivateTab(0);
    templ.Clear();
    ASSERT_EQ(report->DeleteTemplateAtPos(0), S_OK);
    ASSERT_EQ(tabs->UpdateTabs(), S_OK);
    EXPECT_EQ(tabs->GetTabCount(), 0);
    EXPECT_EQ(tabs->GetActiveTabIndex(), -1);
    EXPECT_EQ(tabs->GetActiveTab(), nullptr);

    ISRptItem* added = reinterpret_cast<ISRptItem*>(0x10);
    EXPECT_EQ(tabs->AddItemToTemplate(BuiltIn("TEXT").Get(), &added), S_FALSE);
    EXPECT_EQ(added, nullptr);
    EXPECT_EQ(tabs->DeleteItemFromTemplate(nullptr), S_FALSE);
    ISRptTemplate* active = reinterpret_cast<ISRptTemplate*>(0x10);
    EXPECT_EQ(tabs->GetActiveTemplate(&active), S_FALSE);
    EXPECT_EQ(active, nullptr);
    tabs->MoveSelection(1);
    EXPECT_EQ(tabs->OnCmdMsg(45001, CN_COMMAND, nullptr, nullptr), 0);
}

TEST_F(SRptTabWndTest, TheReportIsComparedAsAnObjectAndNullDetachesIt) {
    MakeTabs();
    EXPECT_EQ(tabs->SetReport(report.Get()), S_FALSE);
    SComWrap<ISRptParaContainer> sameObject;
    sameObject = static_cast<IUnknown*>(report.Get());
    SComWrap<ISRptReport> again;
    again = static_cast<IUnknown*>(sameObject.Get());
    EXPECT_EQ(tabs->SetReport(again.Get()), S_FALSE);

    EXPECT_EQ(tabs->SetReport(nullptr), S_OK);
    EXPECT_EQ(tabs->SetReport(nullptr), S_FALSE);
    // The tabs stay until they are rebuilt, which needs a report.
    EXPECT_EQ(tabs->GetTabCount(), 1);
    try {
        tabs->UpdateTabs();
        ADD_FAILURE() << "no exception";
    } catch (const SECOMException& e) {
        EXPECT_EQ(e.GetHResult(), E_POINTER);
    }
    EXPECT_EQ(tabs->SetReport(report.Get()), S_OK);
}

TEST_F(SRptTabWndTest, TheWindowAnswersIUnknownAloneAndTearsItsBrowsersDown) {
    MakeTabs();
    void* face = reinterpret_cast<void*>(0x10);
    EXPECT_EQ(tabs->QueryInterface(ISRptReport::iid, &face), E_NOINTERFACE);
    EXPECT_EQ(face, nullptr);
    EXPECT_EQ(tabs->QueryInterface(IUnknown::iid, nullptr), E_POINTER);
    ASSERT_EQ(tabs->QueryInterface(IUnknown::iid, &face), S_OK);
    EXPECT_EQ(face, static_cast<IUnknown*>(tabs));
    EXPECT_EQ(tabs->Release(), 1u);

    tabs->DestroyPane();
    EXPECT_EQ(tabs->GetTabCount(), 0);
    EXPECT_EQ(tabs->GetActiveBrowser(), nullptr);
}
