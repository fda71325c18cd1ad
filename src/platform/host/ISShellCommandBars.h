#pragma once
// The host's command bars: the toolbars, menus and accelerators of the kinds of views, the
// status bar, and the controls placed on toolbars. The host copies what it keeps.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/host/SHELLACCEL.h"
#include "platform/host/SHELLTOOLBARBUTTON.h"
#include "platform/ui/SWinDefs.h"

struct ISShellCommandClass;
struct ISShellViewClass;

struct ISShellCommandBars : IUnknown {
    static constexpr GUID iid = IID_ISShellCommandBars;
    virtual HRESULT AddToolbar(uint32_t flags, const char16_t* name, const SHELLTOOLBARBUTTON* buttons, uint32_t count,
                               ISShellCommandClass* commandClass, HINSTANCE instance, uint32_t bitmapId,
                               uint32_t maskColour) = 0;
    virtual HRESULT AddMenu(ISShellViewClass* viewClass, HMENU menu) = 0;
    virtual HRESULT AddAccelerators(ISShellCommandClass* commandClass, const SHELLACCEL* accelerators, uint32_t count,
                                    uint32_t reserved) = 0;
    virtual HRESULT RemoveMenu(ISShellViewClass* viewClass) = 0;
    virtual HRESULT RemoveToolbars(ISShellCommandClass* commandClass) = 0;
    virtual HRESULT RemoveAccelerators(ISShellCommandClass* commandClass) = 0;
    virtual HRESULT SetStatusText(const char16_t* text) = 0;
    // The window of the control of a toolbar for `id` at `*position` or after; the position moves
    // past it. 0 and the window; 1 when there is no further one.
    virtual HRESULT GetToolbarControl(int32_t* position, uint32_t id, ISShellCommandClass* commandClass, HWND* window) = 0;

protected:
    ~ISShellCommandBars() = default;
};
