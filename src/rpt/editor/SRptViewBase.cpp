#include "rpt/editor/SRptViewBase.h"

#include "platform/com/SComThrow.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SGdiHandleTable.h"
#include "platform/host/SShellView.h"
#include "platform/ui/STabWnd.h"
#include "rpt/editor/SRptAvailableItemsBrowser.h"
#include "rpt/editor/SRptAvailableItemsTabCtrl.h"
#include "rpt/editor/SRptContentsPane.h"
#include "rpt/editor/SRptViewOwner.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/reports/SRptAvailableItemsMem.h"
#include "rpt/objs/reports/SRptReportMem.h"
#include "varod9/ISRptTemplate.h"

namespace {

// The splitter's own look, and the look of its captions and panes.
constexpr uint32_t kSplitterStyle = 0x50000002;
constexpr uint32_t kCaptionStyle = 0x50800000;
constexpr uint32_t kAvailableItemsStyle = 0x50000000;
// The caption row's height; the panes' first sizes.
constexpr int32_t kCaptionHeight = 10;
constexpr int32_t kPaneSize = 300;
constexpr const char* kContentsCaptionFallback = "Contents items";
constexpr const char* kAvailableCaptionFallback = "Available items";

}  // namespace

const SClassInfo SRptViewBase::classSRptViewBase = {"SRptViewBase", &SSplitterWnd::classSSplitterWnd};

S_BEGIN_MESSAGE_MAP(SRptViewBase, SSplitterWnd)
    SMsgEntry::Message(WM_DESTROY, &SRptViewBase::OnDestroy),
    SMsgEntry::Size(&SRptViewBase::OnSize),
    SMsgEntry::Message(WM_SETFOCUS, &SRptViewBase::OnSetFocus),
S_END_MESSAGE_MAP()

SRptViewBase::SRptViewBase(int32_t kind, ISRptReport* report, SShellView* shellView)
    : m_nIsTemplateEditor(kind), m_pShellView(shellView), m_pReport(report) {}

SRptViewBase::~SRptViewBase() {
    if (m_hWnd) {
        // The object goes first (it was never counted): its window follows now, while the
        // panes can still be torn down properly.
        m_bDestroying = true;
        DestroyWindow();
    }
}

HRESULT SRptViewBase::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISRepSessionView::iid) return E_NOINTERFACE;
    *out = static_cast<ISRepSessionView*>(this);
    AddRef();
    return S_OK;
}

uint32_t SRptViewBase::Release() {
    const uint32_t count = --m_dwRef;
    if (count == 0) delete this;
    return count;
}

// ---- creation ----

int32_t SRptViewBase::Create(const char*, const char*, uint32_t, const RECT&, SWnd* parent, uint32_t,
                             SCreateContext*) {
    if (!CreateStatic(parent, 2, 2, kSplitterStyle, AFX_IDW_PANE_FIRST)) return 0;
    CreateCaptions();
    m_pAvailableItemsCtrl = new SRptAvailableItemsTabCtrl(m_pReport.Get(), this);
    m_pAvailableItemsCtrl->Create(nullptr, nullptr, kAvailableItemsStyle, RECT{0, 0, 10, 10}, this, 0, nullptr);
    AddPane(1, 0, m_pAvailableItemsCtrl, kPaneSize, kPaneSize);
    m_pContentsPane = CreateContentsPane();
    if (m_pContentsPane) AddPane(1, 1, m_pContentsPane->GetPaneWindow(), kPaneSize, kPaneSize);
    SetRowInfo(0, kCaptionHeight, 1);
    AddRef();
    return 1;
}

void SRptViewBase::CreateCaptions() {
    const HGDIOBJ font = GetStockObject(DEFAULT_GUI_FONT);
    const SString left = SRptLoadString(IDS_RPT_AVAILABLE_ITEMS, kAvailableCaptionFallback);
    m_leftCaption.Create(left.c_str(), kCaptionStyle, RECT{}, this, IdFromRowCol(0, 0));
    const uint32_t rightId = m_nIsTemplateEditor ? IDS_RPT_TEMPLATE_ITEMS : IDS_RPT_REPORT_ITEMS_CAPTION;
    const SString right = SRptLoadString(rightId, kContentsCaptionFallback);
    m_rightCaption.Create(right.c_str(), kCaptionStyle, RECT{}, this, IdFromRowCol(0, 1));
    m_leftCaption.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    m_rightCaption.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font), 1);
    AddPane(0, 0, &m_leftCaption, kCaptionHeight, kPaneSize);
    AddPane(0, 1, &m_rightCaption, kCaptionHeight, kPaneSize);
}

void SRptViewBase::AddPane(int32_t row, int32_t column, SWnd* wnd, int32_t cx, int32_t cy) {
    if (!wnd || !SetPane(row, column, wnd)) return;
    SetColumnInfo(column, cx, 1);
    SetRowInfo(row, cy, 1);
}

int32_t SRptViewBase::OnCreate(SCreateStruct* cs) {
    return SSplitterWnd::OnCreate(cs) == 0 ? 0 : -1;
}

void SRptViewBase::OnDestroy() {
    if (m_pAvailableItemsCtrl) m_pAvailableItemsCtrl->ReleasePages();
    if (m_pContentsPane) m_pContentsPane->DestroyPane();
    // Both panes end with their windows: nothing may reach them once the window is going.
    m_pAvailableItemsCtrl = nullptr;
    m_pContentsPane = nullptr;
    Default();
}

void SRptViewBase::PostNcDestroy() {
    if (!m_bDestroying) Release();
}

// ---- binding ----

HRESULT SRptViewBase::SetSession(ISRepSession* session) {
    if (session != m_pSession.Get()) m_pSession.Reset(session);
    if (!session) {
        m_pSessionCmdTarget.Clear();
        return S_OK;
    }
    const HRESULT hr = m_pSessionCmdTarget.Assign(session);
    if (FAILED(hr) && hr != E_NOINTERFACE) SComThrow(hr);
    return S_OK;
}

HRESULT SRptViewBase::GetSession(ISRepSession** out) const {
    return m_pSession.CopyTo(out);
}

HRESULT SRptViewBase::GetReport(ISRptReport** out) const {
    return m_pReport.CopyTo(out);
}

HRESULT SRptViewBase::SetReport(ISRptReport* report) {
    // A null report detaches the window; there is nothing to ask of it.
    if (m_pReport.IsEqualObject(report)) return S_FALSE;
    m_pReport.Reset(report);
    if (m_pContentsPane) {
        const HRESULT hr = m_pContentsPane->SetReport(report);
        if (FAILED(hr)) return hr;
    }
    if (m_pAvailableItemsCtrl) {
        const HRESULT hr = m_pAvailableItemsCtrl->SetReport(report);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// ---- the panes ----

HRESULT SRptViewBase::AddItemToActiveTemplate(ISRptItem* item, ISRptItem** added) {
    if (!m_pContentsPane) {
        if (added) *added = nullptr;
        return S_FALSE;
    }
    return m_pContentsPane->AddItemToTemplate(item, added);
}

HRESULT SRptViewBase::UpdateTabs() {
    if (!m_pContentsPane) return S_FALSE;
    HRESULT hr = m_pContentsPane->UpdateTabs();
    if (FAILED(hr)) return hr;
    hr = SyncAvailableItemsTabWithActiveContentsTab();
    if (FAILED(hr)) return hr;
    return S_OK;
}

HRESULT SRptViewBase::GetActiveTemplate(ISRptTemplate** out) {
    if (!m_pContentsPane) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    const HRESULT hr = m_pContentsPane->GetActiveTemplate(out);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptViewBase::ActivateAvailableItemsTab(const SString& moduleId) {
    return m_pAvailableItemsCtrl ? m_pAvailableItemsCtrl->ShowPage(moduleId) : S_FALSE;
}

HRESULT SRptViewBase::SyncAvailableItemsTabWithActiveContentsTab() {
    if (!m_pContentsPane) return S_FALSE;
    SComWrap<ISRptTemplate> active;
    const HRESULT hr = m_pContentsPane->GetActiveTemplate(&active);
    if (FAILED(hr)) return hr;
    // A report without templates has no active template, and so nothing to show on the left.
    if (!active) return S_FALSE;
    // A module without a page leaves the left side as it is.
    ActivateAvailableItemsTab(active->GetModuleID());
    return S_OK;
}

SWnd* SRptViewBase::ComputeActivePane() const {
    if (m_bLeftPaneActive) return m_pAvailableItemsCtrl ? m_pAvailableItemsCtrl->GetCurrentPage() : nullptr;
    if (!m_pContentsPane) return nullptr;
    SWnd* pane = m_pContentsPane->GetPaneWindow();
    if (m_nIsTemplateEditor) return pane;
    auto* tabs = dynamic_cast<STabWnd*>(pane);
    return tabs ? tabs->GetActiveTab() : nullptr;
}

// ---- focus ----

void SRptViewBase::FocusBrowser(SWnd* browser) {
    if (browser) browser->SetFocus();
    else SetActivePane(0, 0);
}

int32_t SRptViewBase::ToggleActivePane() {
    m_bLeftPaneActive = m_bLeftPaneActive ? 0 : 1;
    FocusBrowser(ComputeActivePane());
    return 0;
}

int32_t SRptViewBase::SetFocusOnLeftPane(int32_t left, int32_t apply) {
    m_bLeftPaneActive = left;
    if (apply == 1) FocusBrowser(ComputeActivePane());
    return 0;
}

int32_t SRptViewBase::RefreshFocus() {
    FocusBrowser(ComputeActivePane());
    return 0;
}

void SRptViewBase::OnSetFocus() {
    RefreshFocus();
}

void SRptViewBase::OnViewActivate(int32_t) {
    RefreshFocus();
}

// ---- commands ----

int32_t SRptViewBase::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SWnd* browser = ComputeActivePane())
        if (browser->OnCmdMsg(id, code, extra, info)) return 1;
    if (SCmdTarget::OnCmdMsg(id, code, extra, info)) return 1;
    if (!m_pSessionCmdTarget) return 0;
    return m_pSessionCmdTarget->OnCmdMsg(id, code, extra, info);
}

void SRptViewBase::GenerateReport() {
    if (!m_pReport) SComThrow(E_POINTER);
    // The report asks for the file and tells the user how it went.
    m_pReport->GenerateReport(nullptr, 0);
}

void SRptViewBase::Close() {
    if (SWnd* frame = GetParent()) frame->SendMessage(WM_CLOSE);
}

void SRptViewBase::ContextMenu() {
    try {
        Default();
    } catch (...) {
        // A menu that failed to show leaves the editor as it was.
    }
}

// ---- the session's view ----

HRESULT SRptViewBase::SessionClose() {
    if (!m_pSession) return E_POINTER;
    // Leaving the session may give back a reference this call still stands on.
    SComWrap<ISRepSessionView> self(this);
    m_pSession->UnadviseSessionSink(this);
    Close();
    return S_OK;
}

HRESULT SRptViewBase::UpdateTitle() {
    if (auto* owner = dynamic_cast<SRptViewOwner*>(m_pShellView)) owner->UpdateTitle();
    return S_OK;
}

ISShellView* SRptViewBase::GetISShellView() {
    return m_pShellView ? m_pShellView->GetShellViewFace() : nullptr;
}
