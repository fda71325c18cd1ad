#pragma once
// The stand-in host: the host application's frame as the library meets it. It takes the kinds of
// views' menus, toolbars and accelerators (copying what it keeps), opens frames and docked panes
// for views (holding each view until its frame closes), keeps a status text and a preview mode,
// puts message boxes to the interaction script, and records every call for tests.
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/com/SComWrap.h"
#include "platform/host/ISShellCommandBars.h"
#include "platform/host/ISShellFrameViews.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellPreview.h"
#include "platform/host/ISShellViewToolbars.h"
#include "platform/host/SHostRecords.h"
#include "platform/host/SStandInViewFrame.h"
#include "platform/ui/SWnd.h"

class SStandInHost final : public ISShellHostFrame,
                     public ISShellCommandBars,
                     public ISShellViewToolbars,
                     public ISShellFrameViews,
                     public ISShellPreview {
public:
    // Made with a count of 1, the maker's; `Create` gives it with that reference.
    static SComWrap<SStandInHost, &ISShellHostFrame::iid> Create();

    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return ++m_refCount; }
    uint32_t Release() override;

    // ISShellHostFrame
    HRESULT GetWindowHandle(HWND* hwnd) override;
    HRESULT SetStatusText(const char16_t* text) override;
    HRESULT MessageBox(const char16_t* text, const char16_t* caption, uint32_t style, int32_t* button) override;
    HRESULT GetActiveView(ISShellView** view) override;
    HRESULT CreateViewFrame(ISShellView* view, const char16_t* caption, ISShellFrame** frame) override;
    // ISShellCommandBars
    HRESULT AddToolbar(uint32_t flags, const char16_t* name, const SHELLTOOLBARBUTTON* buttons, uint32_t count,
                       ISShellCommandClass* commandClass, HINSTANCE instance, uint32_t bitmapId,
                       uint32_t maskColour) override;
    HRESULT AddMenu(ISShellViewClass* viewClass, HMENU menu) override;
    HRESULT AddAccelerators(ISShellCommandClass* commandClass, const SHELLACCEL* accelerators, uint32_t count,
                            uint32_t reserved) override;
    HRESULT RemoveMenu(ISShellViewClass* viewClass) override;
    HRESULT RemoveToolbars(ISShellCommandClass* commandClass) override;
    HRESULT RemoveAccelerators(ISShellCommandClass* commandClass) override;
    HRESULT GetToolbarControl(int32_t* position, uint32_t id, ISShellCommandClass* commandClass, HWND* window) override;
    // ISShellViewToolbars
    HRESULT RemoveViewToolbars(ISShellViewClass* viewClass) override;
    HRESULT AddViewToolbar(ISShellViewClass* viewClass, const char16_t* name, HINSTANCE instance, uint32_t resourceId,
                           uint32_t maskColour, const SHELLVIEWTBBUTTON* buttons, uint32_t count, uint32_t kind) override;
    // ISShellFrameViews
    HRESULT DockView(ISShellView* view, int32_t reserved, int32_t side, ISShellFrame** pane) override;
    HRESULT UndockView(ISShellView* view, ISShellFrame** frame) override;
    HRESULT CreateDockedView(ISShellView* view, int32_t reserved, const char16_t* caption, int32_t side,
                             ISShellFrame** pane) override;
    // ISShellPreview
    HRESULT CanPreview() override { return m_canPreview; }
    HRESULT SetPreviewToolbar(ISShellView* view, const SHELLTOOLBARITEM* items, uint32_t count) override;
    HRESULT ClosePreview() override;

    // What the host kept.
    const std::vector<SHostCall>& GetCalls() const { return m_calls; }
    void ClearCalls() { m_calls.clear(); }
    const std::vector<SHostMenu>& GetMenus() const { return m_menus; }
    const std::vector<SHostToolbar>& GetToolbars() const { return m_toolbars; }
    const std::vector<SHostViewToolbar>& GetViewToolbars() const { return m_viewToolbars; }
    const std::vector<SHostAccelerators>& GetAccelerators() const { return m_accelerators; }
    const std::vector<SHELLTOOLBARITEM>& GetPreviewToolbar() const { return m_previewToolbar; }
    const SString& GetStatusText() const { return m_statusText; }
    int32_t GetPreviewCloseCount() const { return m_previewClosed; }
    // The frames that are open, oldest first; the last one holds the active view.
    std::vector<SStandInViewFrame*> GetFrames() const;
    SStandInViewFrame* FindFrame(ISShellView* view) const;
    // Makes the view of `frame` the active one.
    void ActivateFrame(SStandInViewFrame* frame);
    // Asks every open frame's view for its window.
    void OpenViewWindows();
    // Closes every frame (final closes), each once, also when closing one closes others; the
    // views that refuse stay open. The number left.
    int32_t CloseAllFrames();
    // What CanPreview answers (1 lets a preview start).
    void SetCanPreview(HRESULT answer) { m_canPreview = answer; }
    // The answer of QueryInterface for an interface, to play a host without it (E_NOINTERFACE)
    // or one that fails; S_OK gives the interface.
    void SetInterfaceAnswer(const GUID& iid, HRESULT answer);
    SWnd& GetMainWindow() { return m_window; }

    void Record(const char* operation, const SString& detail);
    void FrameClosed(SStandInViewFrame* frame);

private:
    SStandInHost();
    ~SStandInHost();

    using SHeldFrame = SComWrap<SStandInViewFrame, &ISShellFrame::iid>;
    // The open frames, each with a reference, for a walk whose steps may close frames.
    std::vector<SHeldFrame> HoldFrames() const;
    SStandInViewFrame* OpenFrame(ISShellView* view, const SString& caption, bool docked, int32_t side);
    void MakeToolbarControls(SHostToolbar& toolbar);

    uint32_t m_refCount = 1;
    SWnd m_window;
    std::vector<SHostCall> m_calls;
    std::vector<SHostMenu> m_menus;
    std::vector<SHostToolbar> m_toolbars;
    std::vector<SHostViewToolbar> m_viewToolbars;
    std::vector<SHostAccelerators> m_accelerators;
    std::vector<SHELLTOOLBARITEM> m_previewToolbar;
    std::vector<std::unique_ptr<SWnd>> m_controls;
    std::vector<SStandInViewFrame*> m_frames;  // each holds a reference of the host's
    SStandInViewFrame* m_active = nullptr;
    SString m_statusText;
    HRESULT m_canPreview = 1;
    int32_t m_previewClosed = 0;
    std::vector<std::pair<GUID, HRESULT>> m_interfaceAnswers;
};
