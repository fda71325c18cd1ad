#pragma once
// Docking: a view moves from its view frame into a docked pane and back, or opens docked.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellView;
struct ISShellFrame;

struct ISShellFrameViews : IUnknown {
    static constexpr GUID iid = IID_ISShellFrameViews;
    virtual HRESULT DockView(ISShellView* view, int32_t reserved, int32_t side, ISShellFrame** pane) = 0;
    virtual HRESULT UndockView(ISShellView* view, ISShellFrame** frame) = 0;
    virtual HRESULT CreateDockedView(ISShellView* view, int32_t reserved, const char16_t* caption, int32_t side,
                                     ISShellFrame** pane) = 0;

protected:
    ~ISShellFrameViews() = default;
};
