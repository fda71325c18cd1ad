// The host's "&Docking View" (120) and "&Hide" (122), which every shell view handles itself: a
// view framed so that it may dock moves between its view frame and a docked pane.
#include "platform/host/ISShellFrameViews.h"
#include "platform/host/SShellView.h"
#include "platform/ui/SCmdUI.h"
#include "platform/ui/SWnd.h"

void SShellView::OnDockingViewUI(SCmdUI* ui) {
    ui->Enable(m_docking ? 1 : 0);
    ui->SetCheck(m_docking && IsDocked() ? 1 : 0);
}

void SShellView::OnDockingView() {
    if (!m_docking) return;
    if (IsDocked())
        UndockView();
    else
        DockView(16);
}

void SShellView::OnHideUI(SCmdUI* ui) {
    if (m_docking && IsDocked()) ui->Enable(1);
}

void SShellView::OnHide() {
    if (m_docking && IsDocked()) m_dockedPane->Show(0);
    if (!m_viewFrame) return;
    // Closing the frame closes this view, which its frame may let go of before this returns.
    const SComWrap<ISShellView> keeper(GetShellViewFace());
    HWND frameWindow = 0;
    m_viewFrame->GetWindowHandle(&frameWindow);
    if (frameWindow) SendMessageA(frameWindow, WM_CLOSE, 0, 0);
}

int32_t SShellView::DockView(int32_t side) {
    HWND window = 0;
    if (!m_docking || FAILED(GetWindowHandle(&window)) || !window || IsDocked()) return 0;
    SComWrap<ISShellFrameViews> views;
    if (FAILED(views.Assign(m_hostFrame.Get()))) return 0;
    m_viewFrame.Clear();
    ISShellFrame* pane = nullptr;
    const HRESULT hr = views->DockView(GetShellViewFace(), 0, side, &pane);
    if (SUCCEEDED(hr) && pane) m_dockedPane.Attach(pane);
    return SUCCEEDED(hr) ? 1 : 0;
}

int32_t SShellView::UndockView() {
    HWND window = 0;
    if (!m_docking || FAILED(GetWindowHandle(&window)) || !window || !IsDocked()) return 0;
    SComWrap<ISShellFrameViews> views;
    if (FAILED(views.Assign(m_hostFrame.Get()))) return 0;
    m_dockedPane.Clear();
    ISShellFrame* frame = nullptr;
    const HRESULT hr = views->UndockView(GetShellViewFace(), &frame);
    if (SUCCEEDED(hr) && frame) m_viewFrame.Attach(frame);
    return SUCCEEDED(hr) ? 1 : 0;
}
