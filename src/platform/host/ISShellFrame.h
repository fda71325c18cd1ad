#pragma once
// A frame the host opened for a view: a view frame, or a pane the view is docked in.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/ui/SWinDefs.h"

struct ISShellFrame : IUnknown {
    static constexpr GUID iid = IID_ISShellFrame;
    virtual HRESULT GetWindowHandle(HWND* hwnd) = 0;
    virtual HRESULT SetTitle(const char16_t* title) = 0;
    // Shows (non-zero) or hides (0) the frame; 0 when it did.
    virtual HRESULT Show(int32_t show = 1) = 0;
    // Brings the frame to the front; 0 when it did.
    virtual HRESULT Activate() = 0;
    // Closes the frame and the view in it.
    virtual HRESULT Close() = 0;

protected:
    ~ISShellFrame() = default;
};
