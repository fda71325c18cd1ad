#pragma once
// A view as the host holds it: its window, its kind, activation and closing.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/ui/SWinDefs.h"

struct ISShellWindow;
struct ISShellViewClass;
struct ISShellHostFrame;

struct ISShellView : IUnknown {
    static constexpr GUID iid = IID_ISShellView;
    virtual HRESULT GetWindowHandle(HWND* hwnd) = 0;
    virtual HRESULT CreateViewWindow(ISShellWindow* parent) = 0;
    virtual HRESULT GetViewClass(ISShellViewClass** viewClass) = 0;
    virtual HRESULT OnViewActivate(int32_t active) = 0;
    // Non-zero for the final close; 0 for the plain teardown.
    virtual HRESULT CloseView(int32_t final) = 0;
    virtual HRESULT GetHostFrame(ISShellHostFrame** hostFrame) = 0;
    virtual HRESULT QueryViewSite() = 0;
    virtual HRESULT ActivateView() = 0;

protected:
    ~ISShellView() = default;
};
