#pragma once
// A window of the host, handed to a view as the parent of its window.
#include "platform/com/IUnknown.h"
#include "platform/ui/SWinDefs.h"

struct ISShellWindow : IUnknown {
    static constexpr GUID iid = MakeGUID("{C69CBB88-6A51-11D0-90A3-444553540000}");
    virtual HRESULT GetWindowHandle(HWND* hwnd) = 0;

protected:
    ~ISShellWindow() = default;
};

inline constexpr IID IID_ISShellWindow = ISShellWindow::iid;
