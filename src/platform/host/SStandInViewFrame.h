#pragma once
// A frame of the stand-in host: a window under a caption holding one view (with a reference)
// until it closes. It is the view's parent window, a view frame or a docked pane. WM_CLOSE to its
// window closes it as Close does, so that a view which closes its frame (Hide, Esc, the end of
// its session) is closed for good.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellFrame.h"
#include "platform/host/ISShellView.h"
#include "platform/host/ISShellWindow.h"
#include "platform/ui/SWnd.h"

class SStandInHost;

class SStandInViewFrame final : public ISShellFrame, public ISShellWindow {
public:
    SStandInViewFrame(SStandInHost& host, ISShellView* view, const SString& caption, bool docked, int32_t side);

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_refCount; }
    uint32_t Release() override;

    HRESULT GetWindowHandle(HWND* hwnd) override;
    HRESULT SetTitle(const char16_t* title) override;
    HRESULT Show(int32_t show = 1) override;
    HRESULT Activate() override;
    // Asks the view for its final close; a view that refuses stays. Otherwise the view is let go
    // and the frame's window destroyed.
    HRESULT Close() override;

    // Asks the view to make its window in this frame; the view's answer.
    HRESULT OpenWindow();
    // Lets go of the view without asking it (the view went to another frame).
    void DropView();

    ISShellView* GetView() const { return m_view.Get(); }
    const SString& GetCaption() const { return m_caption; }
    const SString& GetTitle() const { return m_title; }
    bool IsDocked() const { return m_docked; }
    int32_t GetSide() const { return m_side; }
    bool IsVisible() const { return m_visible; }
    bool IsClosed() const { return m_closed; }
    SWnd& GetWindow() { return m_window; }

private:
    // The frame's window: closing it closes the frame.
    class SFrameWnd final : public SWnd {
        S_DECLARE_MESSAGE_MAP()

    public:
        explicit SFrameWnd(SStandInViewFrame& frame) : m_frame(frame) {}

    private:
        void OnClose();
        SStandInViewFrame& m_frame;
    };

    ~SStandInViewFrame();

    SStandInHost& m_host;
    uint32_t m_refCount = 0;
    SComWrap<ISShellView> m_view;
    SString m_caption;
    SString m_title;
    bool m_docked;
    int32_t m_side;
    bool m_visible = true;
    bool m_closed = false;
    bool m_closing = false;
    SFrameWnd m_window{*this};
};
