#include "rpt/editor/SRptTabWnd.h"

#include "platform/com/SComThrow.h"
#include "platform/repo/SRepClassColPtr.h"
#include "rpt/editor/SRptBrowserNodeTemplate.h"
#include "rpt/editor/SRptContentsItemsBrowser.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassReport.h"
#include "rpt/editor/SRptViewBase.h"
#include "varod9/ISRptTemplate.h"

namespace {
// The root of a template's tree: shown, labelled as the template is in a template.
constexpr uint32_t kRootNodeFlags = 1;
}  // namespace

const SClassInfo SRptTabWnd::classSRptTabWnd = {"SRptTabWnd", &STabWnd::classSTabWnd};

SRptTabWnd::SRptTabWnd(ISRptReport* report, SRptViewBase* view) : SRptBaseContentsItemsBrowser(view) {
    if (report) m_pReport = static_cast<IUnknown*>(report);
}

SRptTabWnd::~SRptTabWnd() {
    // Browsers still held (the pane was not torn down) go with the window.
    while (!m_browsers.empty()) RemoveFirstTab();
}

int32_t SRptTabWnd::Create(SWnd* parent, const char*, SCreateContext*, uint32_t style, uint32_t id) {
    const int32_t created = STabWnd::Create(parent, RECT{}, id, style);
    if (!created) return created;
    ShowScrollBar(0, 0);
    ShowScrollBar(1, 0);
    AddTemplateTabs();
    return created;
}

HRESULT SRptTabWnd::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid) return E_NOINTERFACE;
    *out = static_cast<IUnknown*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRptTabWnd::Release() {
    const uint32_t count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

void SRptTabWnd::PostNcDestroy() {
    Release();
}

// ---- tabs ----

void SRptTabWnd::AddTemplateTabs() {
    SComWrap<ISRptReport> report;
    report = m_pReport.Get();
    if (!report) return;
    SRepClassColPtr templates = report->Templates();
    for (int32_t i = 0; i < templates.GetCount(); ++i) {
        SComWrap<ISRptTemplate> tpl;
        tpl = static_cast<IUnknown*>(templates.Item(i).Get());
        if (tpl) AddTemplateTab(tpl.Get());
    }
}

HRESULT SRptTabWnd::AddTemplateTab(ISRptTemplate* tpl) {
    if (!tpl) return S_FALSE;
    const SString label = tpl->GetName();
    auto* browser = new SRptContentsItemsBrowser(tpl, m_pView, SRptShellModule::GetReportViewClass());
    browser->AddRef();
    browser->Create(this, 0);
    const int32_t editorKind = m_pView ? m_pView->GetIsTemplateEditor() : 0;
    auto* root = new SRptBrowserNodeTemplate(browser, editorKind);
    root->InitNode(tpl, kRootNodeFlags, nullptr, nullptr, RPTITEM_LABELINTEMPLATE);
    // A root that found no place belongs to no one else.
    if (!root->IsPlaced()) delete root;
    AddTab(browser, label);
    m_browsers.push_back(browser);
    return S_OK;
}

void SRptTabWnd::RemoveFirstTab() {
    SRptContentsItemsBrowser* browser = m_browsers.front();
    m_browsers.erase(m_browsers.begin());
    DeleteTab(0);
    browser->DestroyPane();
}

SRptContentsItemsBrowser* SRptTabWnd::GetTabBrowser(int32_t index) const {
    return index >= 0 && index < static_cast<int32_t>(m_browsers.size()) ? m_browsers[index] : nullptr;
}

void SRptTabWnd::OnTabChanged(NMHDR* header, LRESULT* result) {
    if (!header) return;
    STabWnd::OnTabChanged(header, result);
    if (m_pView) m_pView->SyncAvailableItemsTabWithActiveContentsTab();
}

// ---- the contents pane ----

void SRptTabWnd::MoveSelection(uint32_t direction) {
    if (SRptContentsItemsBrowser* browser = GetActiveBrowser()) browser->MoveSelection(direction);
}

void SRptTabWnd::DestroyPane() {
    while (!m_browsers.empty()) RemoveFirstTab();
    Default();
}

HRESULT SRptTabWnd::AddItemToTemplate(ISRptItem* item, ISRptItem** added) {
    SRptContentsItemsBrowser* browser = GetActiveBrowser();
    if (!browser) {
        if (added) *added = nullptr;
        return S_FALSE;
    }
    return browser->AddItemToTemplate(item, added);
}

HRESULT SRptTabWnd::DeleteItemFromTemplate(ISRptItem* item) {
    SRptContentsItemsBrowser* browser = GetActiveBrowser();
    return browser ? browser->DeleteItemFromTemplate(item) : S_FALSE;
}

HRESULT SRptTabWnd::SetReport(ISRptReport* report) {
    // A null report detaches: there is nothing to ask of it.
    SComWrap<IUnknown> identity;
    if (report) identity = static_cast<IUnknown*>(report);
    if (identity.Get() == m_pReport.Get()) return S_FALSE;
    m_pReport = std::move(identity);
    return S_OK;
}

HRESULT SRptTabWnd::UpdateTabs() {
    const int32_t active = GetActiveTabIndex();
    const int32_t oldCount = GetTabCount();
    if (!m_pReport) SComThrow(E_POINTER);
    SComWrap<ISRptTemplate> shown;
    if (SRptContentsItemsBrowser* browser = GetActiveBrowser()) shown.Reset(browser->GetTemplatePtr());
    AddTemplateTabs();
    ActivateTab(oldCount);
    for (int32_t i = 0; i < oldCount; ++i) RemoveFirstTab();
    // The template in view stays in view while the report has it; else the tab at its place, or
    // the last one.
    int32_t next = FindTemplateTab(shown.Get());
    if (next < 0) {
        const int32_t last = GetTabCount() - 1;
        next = active < last ? active : last;
    }
    ActivateTab(next);
    return S_OK;
}

int32_t SRptTabWnd::FindTemplateTab(ISRptTemplate* tpl) const {
    if (!tpl) return -1;
    for (size_t i = 0; i < m_browsers.size(); ++i)
        if (m_browsers[i]->GetTemplatePtr() == tpl) return static_cast<int32_t>(i);
    return -1;
}

HRESULT SRptTabWnd::GetActiveTemplate(ISRptTemplate** out) {
    SRptContentsItemsBrowser* browser = GetActiveBrowser();
    if (!browser) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    return browser->GetActiveTemplate(out);
}
