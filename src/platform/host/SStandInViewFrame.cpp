#include "platform/host/SStandInViewFrame.h"

#include "platform/host/SStandInHost.h"

S_BEGIN_MESSAGE_MAP(SStandInViewFrame::SFrameWnd, SWnd)
    SMsgEntry::Message(WM_CLOSE, &SStandInViewFrame::SFrameWnd::OnClose),
S_END_MESSAGE_MAP()

void SStandInViewFrame::SFrameWnd::OnClose() {
    // The frame, and this window with it, may go before this returns; a view that refuses its
    // close keeps both.
    m_frame.Close();
}

SStandInViewFrame::SStandInViewFrame(SStandInHost& host, ISShellView* view, const SString& caption, bool docked,
                                     int32_t side)
    : m_host(host), m_view(view), m_caption(caption), m_docked(docked), m_side(side) {
    m_window.Create("HOSTVIEWFRAME", caption.c_str(), WS_CHILD | WS_VISIBLE, RECT{0, 0, 800, 600}, &host.GetMainWindow(), 0);
}

SStandInViewFrame::~SStandInViewFrame() = default;

HRESULT SStandInViewFrame::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISShellFrame::iid) *out = static_cast<ISShellFrame*>(this);
    else if (riid == ISShellWindow::iid) *out = static_cast<ISShellWindow*>(this);
    else return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SStandInViewFrame::Release() {
    if (--m_refCount == 0) {
        delete this;
        return 0;
    }
    return m_refCount;
}

HRESULT SStandInViewFrame::GetWindowHandle(HWND* hwnd) {
    if (!hwnd) return E_POINTER;
    *hwnd = m_window.m_hWnd;
    return *hwnd ? S_OK : E_FAIL;
}

HRESULT SStandInViewFrame::SetTitle(const char16_t* title) {
    m_title = title ? SString::FromU16(title) : SString();
    m_host.Record("SetTitle", m_title);
    return S_OK;
}

HRESULT SStandInViewFrame::Show(int32_t show) {
    m_visible = show != 0;
    m_host.Record("Show", SString::FromInt(show));
    return S_OK;
}

HRESULT SStandInViewFrame::Activate() {
    m_host.Record("Activate", m_caption);
    m_host.ActivateFrame(this);
    return S_OK;
}

HRESULT SStandInViewFrame::OpenWindow() {
    if (!m_view) return E_UNEXPECTED;
    return m_view->CreateViewWindow(static_cast<ISShellWindow*>(this));
}

HRESULT SStandInViewFrame::Close() {
    // The view's close may ask again (its window closes its frame when its document closes):
    // the frame closes once, and stays until that close is over.
    if (m_closed || m_closing) return S_OK;
    m_host.Record("Close", m_caption);
    const SComWrap<ISShellFrame> keeper(this);
    if (m_view) {
        m_closing = true;
        const HRESULT hr = m_view->CloseView(1);
        m_closing = false;
        if (hr != S_OK) return hr;
    }
    m_closed = true;
    // The view's window is a child of the frame's and goes with it.
    m_window.DestroyWindow();
    m_view.Clear();
    m_host.FrameClosed(this);
    return S_OK;
}

void SStandInViewFrame::DropView() {
    m_closed = true;
    m_view.Clear();
    m_window.DestroyWindow();
}
