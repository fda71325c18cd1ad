#pragma once
// The base of every shell view: the host-facing side of one open editor. It is a command target
// and a counted object (from 0) with two host faces, ISShellView and ISShellCommandTarget. It
// holds the host frame, the frame the host opened for it (a view frame, or a docked pane while
// docked), its shell module and its kind of view, in whose list of open views it stands from its
// construction to its close. Every shell view handles the host's "&Docking View" (120) and
// "&Hide" (122) itself.
#include <cstdint>

#include "platform/base/SClassInfo.h"
#include "platform/com/SComWrap.h"
#include "platform/host/ISShellCommandTarget.h"
#include "platform/host/ISShellFrame.h"
#include "platform/host/ISShellHostFrame.h"
#include "platform/host/ISShellView.h"
#include "platform/ui/SCmdTarget.h"

class SCmdUI;
class SShellModule;
class SShellViewClass;
class SWnd;

class SShellView : public SCmdTarget, public ISShellView, public ISShellCommandTarget {
public:
    // Takes the module's host frame and, with a kind of view, a reference on the kind and a place
    // in its list of open views (which holds a reference on the view).
    SShellView(SShellModule* module, SShellViewClass* viewClass);

    // IUnknown of both faces: IUnknown and ISShellView give the view face, ISShellCommandTarget
    // the command-target face, each with a reference. At 0 the view goes.
    HRESULT QueryInterface(const GUID& riid, void** out) override;
    uint32_t AddRef() override { return static_cast<uint32_t>(++m_refCount); }
    uint32_t Release() override;

    // ISShellView.
    // The handle of the base's window: 0, or null and E_FAIL without one.
    HRESULT GetWindowHandle(HWND* hwnd) override;
    HRESULT CreateViewWindow(ISShellWindow*) override { return E_NOTIMPL; }
    // The kind's view-class face with a reference: 0; null and 1 without a kind.
    HRESULT GetViewClass(ISShellViewClass** viewClass) override;
    HRESULT OnViewActivate(int32_t) override { return S_OK; }
    // Lets go of the host frame, the view frame and the docked pane, and leaves its kind's list
    // of open views, giving back the reference on the kind. The view stays alive until the call
    // is done, even when what it lets go of held the last reference but the caller's. 0.
    HRESULT CloseView(int32_t final) override;
    // The host frame with a reference: 0; E_POINTER for a null out-pointer, null and E_FAIL
    // without one.
    HRESULT GetHostFrame(ISShellHostFrame** hostFrame) override;
    // 1 when the view frame answers its Show (QueryViewSite) or Activate (ActivateView) with 0.
    HRESULT QueryViewSite() override;
    HRESULT ActivateView() override;

    // ISShellCommandTarget.
    // 0 for the host's commands 100 to 122 without a command class and for any command of the
    // kind's own command class; otherwise 1.
    HRESULT QueryCommandSupport(uint32_t id, ISShellCommandClass* commandClass) override;
    // Routes the command through OnCmdMsg: 0 when a handler took it, else 1.
    HRESULT OnCommand(uint32_t id, ISShellCommandClass* commandClass) override;
    // The command's state from the update handlers: 0 with the flags in `state` and a new text
    // in `text` (bounded by `cch` units); 1, and `state` untouched, when nothing answered.
    HRESULT OnCommandUI(uint32_t id, ISShellCommandClass* commandClass, uint32_t* state, char16_t* text,
                        uint32_t cch) override;
    // A control's WM_NOTIFY or WM_COMMAND routed as a command: 0 when handled, else 1.
    HRESULT OnControlNotify(uint32_t id, ISShellCommandClass* commandClass, MSG* msg, int32_t* result) override;

    // The view's own map chain, then its kind's.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;
    const SClassInfo* GetClassInfo() const override { return &classSShellView; }
    static const SClassInfo classSShellView;

    // Opens the view's frame in the host under `caption`. Flags 0 or 4 ask the host frame for a
    // view frame; any other bit opens the view docked on `side`. The view may be docked and
    // undocked later unless flag 4 is set. 1 when the host accepted, else 0.
    int32_t CreateFrame(const char* caption, uint32_t flags, int32_t side, uint32_t value);
    // Moves the view from its view frame into a docked pane on `side`, and back. 1 when the host
    // did it; 0 when the view may not dock, has no window, is already (or not) docked, or the
    // host refused.
    int32_t DockView(int32_t side);
    int32_t UndockView();

    ISShellView* GetShellViewFace() { return this; }
    ISShellCommandTarget* GetCommandTargetFace() { return this; }
    int32_t GetRefCount() const { return m_refCount; }
    SShellModule* GetModule() const { return m_module; }
    SShellViewClass* GetShellViewClass() const { return m_viewClass; }
    ISShellFrame* GetViewFrame() const { return m_viewFrame.Get(); }
    ISShellFrame* GetDockedPane() const { return m_dockedPane.Get(); }
    int32_t GetDockingFlag() const { return m_docking; }
    uint32_t GetFrameValue() const { return m_frameValue; }

protected:
    ~SShellView() override;

    // The host's "&Docking View" and "&Hide".
    void OnDockingViewUI(SCmdUI* ui);
    void OnDockingView();
    void OnHideUI(SCmdUI* ui);
    void OnHide();

    SWnd* m_window = nullptr;

    S_DECLARE_MESSAGE_MAP()

private:
    bool IsDocked() const { return m_dockedPane.Get() != nullptr; }
    void ReleaseHostLinks();

    int32_t m_refCount = 0;
    SComWrap<ISShellHostFrame> m_hostFrame;
    SComWrap<ISShellFrame> m_viewFrame;
    SComWrap<ISShellFrame> m_dockedPane;
    SShellModule* m_module = nullptr;
    SShellViewClass* m_viewClass = nullptr;
    int32_t m_docking = 0;
    uint32_t m_frameValue = 0;
};
