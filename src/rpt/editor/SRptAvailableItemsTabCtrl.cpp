#include "rpt/editor/SRptAvailableItemsTabCtrl.h"

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepObjIterator.h"
#include "rpt/editor/SRptAvailableItemsBrowser.h"
#include "rpt/editor/SRptBrowserNodeAvailable.h"
#include "rpt/editor/SRptShellModule.h"
#include "rpt/editor/SRptShellViewClassTemplate.h"
#include "rpt/editor/SRptViewBase.h"
#include "varod9/ISRptAvailableItems.h"

namespace {
// The root of a page: shown, labelled as the set is labelled among available items.
constexpr uint32_t kRootNodeFlags = 1;
}  // namespace

const SClassInfo SRptAvailableItemsTabCtrl::classSRptAvailableItemsTabCtrl = {"SRptAvailableItemsTabCtrl",
                                                                              &SWnd::classSWnd};

S_BEGIN_MESSAGE_MAP(SRptAvailableItemsTabCtrl, SWnd)
    SMsgEntry::Size(&SRptAvailableItemsTabCtrl::OnSize),
S_END_MESSAGE_MAP()

SRptAvailableItemsTabCtrl::SRptAvailableItemsTabCtrl(ISRptReport* report, SRptViewBase* view)
    : m_pReport(report), m_pView(view) {
    Advise();
}

SRptAvailableItemsTabCtrl::~SRptAvailableItemsTabCtrl() {
    m_pages.clear();
}

HRESULT SRptAvailableItemsTabCtrl::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISRepColSink::iid) return E_NOINTERFACE;
    *out = static_cast<ISRepColSink*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRptAvailableItemsTabCtrl::Release() {
    const uint32_t count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

int32_t SRptAvailableItemsTabCtrl::Create(const char* className, const char* windowName, uint32_t style,
                                          const RECT& rect, SWnd* parent, uint32_t id, SCreateContext* context) {
    if (!SWnd::Create(className, windowName, style, rect, parent, id, context)) return 0;
    // A window without a report shows no page until it gets one.
    AddPagesOfReport();
    AddRef();
    return 1;
}

void SRptAvailableItemsTabCtrl::PostNcDestroy() {
    // The window may go without the editor's release of the pages: nothing may stay registered
    // with the report, nor any page be left behind.
    SComWrap<ISRepColSink> self(this);
    Unadvise();
    DropPages();
    Release();
}

// ---- the report ----

void SRptAvailableItemsTabCtrl::Advise() {
    if (!m_pReport) return;
    m_pReport->AdviseAvailableItems(this);
    m_pAdvised = m_pReport;
}

void SRptAvailableItemsTabCtrl::Unadvise() {
    if (!m_pAdvised) return;
    SComWrap<ISRptReport> advised = std::move(m_pAdvised);
    advised->UnadviseAvailableItems(this);
}

void SRptAvailableItemsTabCtrl::AddPagesOfReport() {
    if (!m_pReport) return;
    SRepObjIterator sets(m_pReport->Availables().Get());
    SComWrap<ISRptAvailableItems> set;
    while (sets.Next(set)) AddAvailableItemsPage(set.Get());
}

HRESULT SRptAvailableItemsTabCtrl::SetReport(ISRptReport* report) {
    if (m_pReport.IsEqualObject(report)) return S_FALSE;
    // Leaving the old report's collection may give back the last reference but this call's.
    SComWrap<ISRepColSink> self(this);
    Unadvise();
    m_pReport.Reset(report);
    Advise();
    AddPagesOfReport();
    return S_OK;
}

HRESULT SRptAvailableItemsTabCtrl::OnInsert(ISRepClassCol*, int32_t, ISRepObject* object) {
    if (!object) return S_OK;
    return SExceptionResult::Guard([&]() -> HRESULT {
        SComWrap<ISRptAvailableItems> set;
        set = static_cast<IUnknown*>(object);
        if (!set) return E_POINTER;
        if (GetPage(set->GetModuleID())) return S_OK;
        return AddAvailableItemsPage(set.Get());
    });
}

// ---- pages ----

SRptAvailableItemsBrowser* SRptAvailableItemsTabCtrl::GetPage(const SString& moduleId) const {
    const auto found = m_pages.find(moduleId);
    return found == m_pages.end() ? nullptr : found->second;
}

HRESULT SRptAvailableItemsTabCtrl::AddAvailableItemsPage(ISRptAvailableItems* set) {
    if (!set) return S_FALSE;
    const SString moduleId = set->GetModuleID();
    if (GetPage(moduleId)) return S_FALSE;
    auto* page = new SRptAvailableItemsBrowser(m_pView, set, SRptShellModule::GetTemplateViewClass());
    page->AddRef();
    page->Create(this, 0);
    SComWrap<ISRepObject> object;
    object = static_cast<IUnknown*>(set);
    auto* root = new SRptBrowserNodeAvailable(page, m_pView ? m_pView->GetIsTemplateEditor() : 0);
    root->InitNode(object.Get(), kRootNodeFlags, nullptr, nullptr, RPTITEM_LABELINAVAILABLE);
    // A root that found no place belongs to no one else.
    if (!root->IsPlaced()) delete root;
    m_pages[moduleId] = page;
    ShowPage(moduleId);
    return S_OK;
}

HRESULT SRptAvailableItemsTabCtrl::ShowPage(const SString& moduleId) {
    SRptAvailableItemsBrowser* page = GetPage(moduleId);
    if (!page) return S_FALSE;
    if (m_pCurrentPage) m_pCurrentPage->ShowWindow(SW_HIDE);
    page->ShowWindow(SW_SHOW);
    FitPage(page);
    m_pCurrentPage = page;
    return S_OK;
}

void SRptAvailableItemsTabCtrl::FitPage(SRptAvailableItemsBrowser* page) {
    page->MoveWindow(GetClientRect(), 1);
}

void SRptAvailableItemsTabCtrl::OnSize(uint32_t, int32_t, int32_t) {
    Default();
    // Hidden pages are fitted when they are next shown.
    if (m_pCurrentPage) FitPage(m_pCurrentPage);
}

int32_t SRptAvailableItemsTabCtrl::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (m_pCurrentPage) return m_pCurrentPage->OnCmdMsg(id, code, extra, info);
    return SWnd::OnCmdMsg(id, code, extra, info);
}

void SRptAvailableItemsTabCtrl::ReleasePages() {
    Unadvise();
    DropPages();
    Default();
}

void SRptAvailableItemsTabCtrl::DropPages() {
    for (auto& [moduleId, page] : m_pages) {
        page->ReleaseRoot();
        page->Release();
    }
    // The browsers are gone: nothing may route to them any more.
    m_pages.clear();
    m_pCurrentPage = nullptr;
}
