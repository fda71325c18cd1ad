#pragma once
// A window of the host, handed to a view as the parent of its window.
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/ui/SWinDefs.h"

struct ISShellWindow : IUnknown {
    static constexpr GUID iid = IID_ISShellWindow;
    virtual HRESULT GetWindowHandle(HWND* hwnd) = 0;

protected:
    ~ISShellWindow() = default;
};
