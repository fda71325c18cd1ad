#include "rpt/editor/SRptShellViewBase.h"

#include "platform/base/SExceptionResult.h"
#include "platform/base/SModuleState.h"
#include "platform/com/SComThrow.h"
#include "platform/host/ISShellWindow.h"
#include "platform/repo/ISRepSessionView.h"
#include "platform/repo/SRepOption.h"
#include "platform/ui/SHelp.h"
#include "platform/ui/SWnd.h"
#include "rpt/editor/RptCommandIds.h"
#include "rpt/editor/SRptReportViewMap.h"
#include "rpt/editor/SRptViewBase.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/RptApi.h"

const SClassInfo SRptShellViewBase::classSRptShellViewBase = {"SRptShellViewBase", &SShellView::classSShellView};

namespace {
constexpr uint32_t kHelpContentsContext = 10000;
// Child, visible, bordered.
constexpr uint32_t kViewWindowStyle = 0x50800000;

// The window's face that the session tells of its document.
ISRepSessionView* SessionViewFace(SRptViewBase* window) {
    return window ? static_cast<ISRepSessionView*>(window) : nullptr;
}
}  // namespace

S_BEGIN_MESSAGE_MAP(SRptShellViewBase, SShellView)
    SMsgEntry::Command(ID_FILE_CLOSE, &SRptShellViewBase::OnFileClose),
    SMsgEntry::Command(ID_HELP_CONTENTS, &SRptShellViewBase::OnHelpContents),
    SMsgEntry::Command(ID_TOGGLE_ACTIVE_PANE, &SRptShellViewBase::OnToggleActivePane),
S_END_MESSAGE_MAP()

SRptShellViewBase::SRptShellViewBase(SShellModule* module, SShellViewClass* viewClass, ISRptReport* report,
                                     ISRepSession* session)
    : SShellView(module, viewClass), m_pReport(report), m_pSession(session) {}

SRptShellViewBase::~SRptShellViewBase() {
    LeaveReportViewMap();
    if (SRptViewBase* window = m_pWindow) {
        m_pWindow = nullptr;
        window->Release();
    }
    m_pSession.Clear();
    m_pReport.Clear();
}

ISRepObject* SRptShellViewBase::GetReportKey() const {
    return static_cast<ISRepObject*>(m_pReport.Get());
}

void SRptShellViewBase::LeaveReportViewMap() {
    // Another editor of the report may have entered it since: its entry stays while it is open.
    if (!m_pReport) return;
    SRptReportViewMap map;
    if (map.Find(GetReportKey()) == this) map.Remove(GetReportKey());
}

HRESULT SRptShellViewBase::QueryInterface(const GUID& riid, void** out) {
    if (out && riid == ISRepObjSink::iid) {
        *out = GetSinkFace();
        AddRef();
        return S_OK;
    }
    return SShellView::QueryInterface(riid, out);
}

HRESULT SRptShellViewBase::AdviseReport() {
    if (!m_pReport) return S_FALSE;
    const HRESULT hr = m_pReport->Advise(SREP_NOTIFY_FLUSH | SREP_NOTIFY_DELETE | SREP_NOTIFY_CHANGE, GetSinkFace());
    if (SUCCEEDED(hr)) m_bReportAdvised = true;
    return hr;
}

// ---- the window ----

HRESULT SRptShellViewBase::CreateViewWindow(ISShellWindow* parent) {
    if (!parent) return E_INVALIDARG;
    HWND parentHandle = 0;
    if (FAILED(parent->GetWindowHandle(&parentHandle)) || !parentHandle) return E_INVALIDARG;
    return SExceptionResult::Guard([&]() -> HRESULT {
        SRptViewBase* window = MakeWindow();
        if (!window) return E_FAIL;
        if (!window->Create(nullptr, nullptr, kViewWindowStyle, RECT{0, 0, 0, 0}, SWnd::FromHandle(parentHandle), 0,
                            nullptr)) {
            delete window;
            return E_FAIL;
        }
        // The view's own hold: the host may destroy the window before it lets go of the view.
        window->AddRef();
        m_pWindow = window;
        if (!m_pSession) SComThrow(E_POINTER);
        m_pSession->AdviseSessionSink(SessionViewFace(window));
        SRptReportViewMap().Add(GetReportKey(), this);
        window->SetSession(m_pSession.Get());
        return S_OK;
    });
}

HRESULT SRptShellViewBase::GetWindowHandle(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = m_pWindow ? m_pWindow->GetSafeHwnd() : 0;
    return S_OK;
}

HRESULT SRptShellViewBase::OnViewActivate(int32_t active) {
    return SExceptionResult::Guard([&] {
        if (m_pWindow) m_pWindow->OnViewActivate(active);
        return SShellView::OnViewActivate(active);
    });
}

HRESULT SRptShellViewBase::GetActiveTemplate(ISRptTemplate** out) {
    if (!m_pWindow) {
        if (out) *out = nullptr;
        return S_FALSE;
    }
    return m_pWindow->GetActiveTemplate(out);
}

HRESULT SRptShellViewBase::UpdateTabs() {
    if (!m_pWindow) return S_FALSE;
    const HRESULT hr = SExceptionResult::Guard([&] { return m_pWindow->UpdateTabs(); });
    return FAILED(hr) ? hr : S_OK;
}

// ---- titles ----

SString SRptShellViewBase::LoadTitleFormat(uint32_t id) {
    SModuleStateGuard library(SRptGetModuleState());
    SString format;
    format.LoadString(id, "");
    return format;
}

SString SRptShellViewBase::GetNameWithPath() const {
    if (!m_pReport) SComThrow(E_POINTER);
    SString name = m_pReport->GetName();
    if (SRepOption::m_bShowWinFilePath) {
        if (!m_pSession) SComThrow(E_POINTER);
        SString path;
        m_pSession->GetPathName(&path);
        if (!path.IsEmpty()) name += " - " + path;
    }
    return name;
}

HRESULT SRptShellViewBase::UpdateTitle() {
    ISShellFrame* frame = GetViewFrame();
    if (frame && m_pReport) frame->SetTitle(GetTitle().ToU16().c_str());
    return S_FALSE;
}

// ---- the report's notifications ----

HRESULT SRptShellViewBase::OnDelete(ISRepObject* object, int32_t) {
    if (!object) return S_OK;
    object->Unadvise(GetSinkFace());
    if (object == GetReportKey()) m_bReportAdvised = false;
    return S_OK;
}

HRESULT SRptShellViewBase::OnFlush(ISRepObject*) {
    return S_OK;
}

HRESULT SRptShellViewBase::OnChange(ISRepObject*, int32_t id) {
    // The window shows a tab per template, named in the report's language.
    if (id == RPTREPORT_TEMPLATES || id == RPTREPORT_LANGUAGE) UpdateTabs();
    const HRESULT hr = SExceptionResult::Guard([&] { return UpdateTitle(); });
    return FAILED(hr) ? hr : S_OK;
}

// ---- commands ----

int32_t SRptShellViewBase::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SShellView::OnCmdMsg(id, code, extra, info)) return 1;
    return m_pWindow && m_pWindow->OnCmdMsg(id, code, extra, info) ? 1 : 0;
}

void SRptShellViewBase::OnFileClose() {
    // The frame closes the view, and may let go of it, before this returns.
    const SComWrap<ISShellView> keeper(GetShellViewFace());
    SComWrap<ISShellFrame> frame(GetViewFrame());
    if (frame) frame->Close();
}

void SRptShellViewBase::OnHelpContents() {
    SHelp::ShowHelpContext(kHelpContentsContext);
}

void SRptShellViewBase::OnToggleActivePane() {
    if (m_pWindow) m_pWindow->ToggleActivePane();
}

// ---- closing ----

HRESULT SRptShellViewBase::CloseView(int32_t final) {
    const SComWrap<ISShellView> keeper(GetShellViewFace());
    return SExceptionResult::Guard([&] { return final ? CloseViewFinal() : CloseViewPlain(); });
}

void SRptShellViewBase::TellSinksViewClosing() {
    if (SRptGlobalsContainer* globals = GetRptGlobalsContainer()) globals->NotifyViewClosing(this);
}

HRESULT SRptShellViewBase::CloseViewPlain() {
    if (TellsSinksOnClose()) TellSinksViewClosing();
    if (m_pSession) {
        if (m_pSession->GetOpenState() >= 1) m_pSession->UnadviseSessionSink(SessionViewFace(m_pWindow));
        m_pSession.Clear();
    }
    return SShellView::CloseView(0);
}

HRESULT SRptShellViewBase::CloseViewFinal() {
    bool documentClosed = false;
    if (ClosesDocument() && m_pSession && m_pSession->GetOpenState() == 1) {
        // This view is closing already: the session is to tell only the document's other views.
        ISRepSessionView* face = SessionViewFace(m_pWindow);
        const bool withdrawn = face && m_pSession->UnadviseSessionSink(face) == S_OK;
        const HRESULT refusal = m_pSession->CloseDocument(nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
        if (refusal != S_OK) {
            if (withdrawn) m_pSession->AdviseSessionSink(face);
            return refusal;
        }
        documentClosed = true;
    }
    SComWrap<ISRepSession> kept(m_pSession.Get());
    const HRESULT hr = CloseViewPlain();
    if (FAILED(hr)) return hr;
    if (m_bReportAdvised && m_pReport) {
        m_pReport->Unadvise(GetSinkFace());
        m_bReportAdvised = false;
    }
    LeaveReportViewMap();
    if (m_pWindow) m_pWindow->SetReport(nullptr);
    if (DiscardsDocument() && documentClosed && kept) kept->Discard();
    return S_OK;
}
