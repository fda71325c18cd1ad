#pragma once
// The host application's frame, which the host hands to a shell module when it initialises it;
// the module keeps it and asks it for the host's command bars, view frames, docking and preview
// (each by QueryInterface). Its own operations: its window, the status text, a message box, the
// active view, and the frame of a new view under a caption.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/ui/SWinDefs.h"

struct ISShellView;
struct ISShellFrame;

struct ISShellHostFrame : IUnknown {
    // Handed in by the host, never asked for by this id.
    static constexpr GUID iid = IID_ISShellHostFrame;

    virtual HRESULT GetWindowHandle(HWND* hwnd) = 0;
    virtual HRESULT SetStatusText(const char16_t* text) = 0;
    // The button the user answered with (IDOK, IDCANCEL, IDYES, IDNO).
    virtual HRESULT MessageBox(const char16_t* text, const char16_t* caption, uint32_t style, int32_t* button) = 0;
    virtual HRESULT GetActiveView(ISShellView** view) = 0;
    // A view frame for `view` under `caption`; the frame keeps the view until it closes.
    virtual HRESULT CreateViewFrame(ISShellView* view, const char16_t* caption, ISShellFrame** frame) = 0;

protected:
    ~ISShellHostFrame() = default;
};
