#include "platform/host/SShellView.h"

#include "platform/base/SExceptionResult.h"
#include "platform/host/ISShellFrameViews.h"
#include "platform/host/SShellModule.h"
#include "platform/host/SShellViewClass.h"
#include "platform/ui/SSysCmdUI.h"
#include "platform/ui/SWnd.h"

const SClassInfo SShellView::classSShellView = {"SShellView", &SCmdTarget::classSCmdTarget};

S_BEGIN_MESSAGE_MAP(SShellView, SCmdTarget)
    SMsgEntry::UpdateUI(120, &SShellView::OnDockingViewUI),
    SMsgEntry::Command(120, &SShellView::OnDockingView),
    SMsgEntry::UpdateUI(122, &SShellView::OnHideUI),
    SMsgEntry::Command(122, &SShellView::OnHide),
S_END_MESSAGE_MAP()

namespace {
// The host's own command range, offered to every view when the host names no command class.
bool IsHostStandardCommand(uint32_t id) {
    return id >= 100 && id <= 122;
}
}  // namespace

SShellView::SShellView(SShellModule* module, SShellViewClass* viewClass) : m_module(module) {
    if (module) m_hostFrame.Reset(module->GetHostFrame());
    m_viewClass = viewClass;
    if (viewClass) {
        viewClass->AddRef();
        viewClass->AddView(GetShellViewFace());
    }
}

SShellView::~SShellView() {
    ReleaseHostLinks();
}

HRESULT SShellView::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISShellView::iid)
        *out = static_cast<ISShellView*>(this);
    else if (riid == ISShellCommandTarget::iid)
        *out = static_cast<ISShellCommandTarget*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SShellView::Release() {
    const int32_t count = --m_refCount;
    if (count == 0) delete this;
    return static_cast<uint32_t>(count);
}

HRESULT SShellView::GetWindowHandle(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = m_window ? m_window->GetSafeHwnd() : 0;
    return m_window ? S_OK : E_FAIL;
}

HRESULT SShellView::GetViewClass(ISShellViewClass** viewClass) {
    if (!viewClass) return E_POINTER;
    *viewClass = nullptr;
    if (!m_viewClass) return S_FALSE;
    *viewClass = m_viewClass->GetViewClassFace();
    (*viewClass)->AddRef();
    return S_OK;
}

void SShellView::ReleaseHostLinks() {
    m_hostFrame.Clear();
    m_viewFrame.Clear();
    m_dockedPane.Clear();
    if (SShellViewClass* viewClass = m_viewClass) {
        m_viewClass = nullptr;
        viewClass->RemoveView(GetShellViewFace());
        viewClass->Release();
    }
}

HRESULT SShellView::CloseView(int32_t) {
    // The frames and the kind's list may hold every reference but the caller's; the view must
    // not go before it has let go of all of them.
    AddRef();
    ReleaseHostLinks();
    Release();
    return S_OK;
}

HRESULT SShellView::GetHostFrame(ISShellHostFrame** hostFrame) {
    if (!hostFrame) return E_POINTER;
    *hostFrame = m_hostFrame.Get();
    if (!*hostFrame) return E_FAIL;
    (*hostFrame)->AddRef();
    return S_OK;
}

HRESULT SShellView::QueryViewSite() {
    return m_viewFrame && m_viewFrame->Show() == S_OK ? 1 : 0;
}

HRESULT SShellView::ActivateView() {
    return m_viewFrame && m_viewFrame->Activate() == S_OK ? 1 : 0;
}

HRESULT SShellView::QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) {
    if (!commandClass && IsHostStandardCommand(id)) return S_OK;
    if (commandClass && m_viewClass && commandClass == m_viewClass->GetCommandClassFace()) return S_OK;
    return S_FALSE;
}

HRESULT SShellView::OnCommand(uint32_t id, ISShellCommandClass*) {
    return SExceptionResult::Guard([&] { return OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) ? S_OK : S_FALSE; });
}

HRESULT SShellView::OnCommandUI(uint32_t id, ISShellCommandClass*, uint32_t* state, char16_t* text, uint32_t cch) {
    return SExceptionResult::Guard([&] {
        SSysCmdUI ui(text, static_cast<int32_t>(cch));
        ui.m_nID = id;
        if (!ui.DoUpdate(this, 1)) return S_FALSE;
        if (state) *state = ui.GetFlags();
        return S_OK;
    });
}

HRESULT SShellView::OnControlNotify(uint32_t, ISShellCommandClass*, MSG* msg, int32_t* result) {
    if (!msg) return S_FALSE;
    if (msg->message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(msg->lParam);
        if (!header) return S_FALSE;
        LRESULT answer = result ? *result : 0;
        SNotifyInfo notify{&answer, header};
        const int32_t code = static_cast<int32_t>(MAKELONG(static_cast<uint16_t>(header->code), WM_NOTIFY));
        const int32_t handled = OnCmdMsg(static_cast<uint32_t>(header->idFrom), code, &notify, nullptr);
        if (result) *result = static_cast<int32_t>(answer);
        return handled ? S_OK : S_FALSE;
    }
    if (msg->message == WM_COMMAND && msg->lParam != 0) {
        const auto wParam = static_cast<uint32_t>(msg->wParam);
        return OnCmdMsg(LOWORD(wParam), static_cast<int32_t>(HIWORD(wParam)), nullptr, nullptr) ? S_OK : S_FALSE;
    }
    return S_FALSE;
}

int32_t SShellView::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SCmdTarget::OnCmdMsg(id, code, extra, info)) return 1;
    return m_viewClass ? m_viewClass->OnCmdMsg(id, code, extra, info) : 0;
}

int32_t SShellView::CreateFrame(const char* caption, uint32_t flags, int32_t side, uint32_t value) {
    const std::u16string wide = caption ? SString(caption).ToU16() : std::u16string();
    const char16_t* wideCaption = caption ? wide.c_str() : nullptr;
    m_frameValue = value;
    m_docking = (flags & 4) ? 0 : 1;
    if (!m_hostFrame) return 0;
    if ((flags & ~4u) == 0) {
        ISShellFrame* frame = nullptr;
        const HRESULT hr = m_hostFrame->CreateViewFrame(GetShellViewFace(), wideCaption, &frame);
        if (SUCCEEDED(hr) && frame) m_viewFrame.Attach(frame);
        return hr >= 0 ? 1 : 0;
    }
    SComWrap<ISShellFrameViews> views;
    if (FAILED(views.Assign(m_hostFrame.Get()))) return 0;
    ISShellFrame* pane = nullptr;
    const HRESULT hr = views->CreateDockedView(GetShellViewFace(), 0, wideCaption, side, &pane);
    if (SUCCEEDED(hr) && pane) m_dockedPane.Attach(pane);
    return hr >= 0 ? 1 : 0;
}
