#pragma once
// Docking: a view moves from its view frame into a docked pane and back, or opens docked.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISShellView;
struct ISShellFrame;

struct ISShellFrameViews : IUnknown {
    static constexpr GUID iid = MakeGUID("{C69CBB8E-6A51-11D0-90A3-444553540000}");
    virtual HRESULT DockView(ISShellView* view, int32_t reserved, int32_t side, ISShellFrame** pane) = 0;
    virtual HRESULT UndockView(ISShellView* view, ISShellFrame** frame) = 0;
    virtual HRESULT CreateDockedView(ISShellView* view, int32_t reserved, const char16_t* caption, int32_t side,
                                     ISShellFrame** pane) = 0;

protected:
    ~ISShellFrameViews() = default;
};

inline constexpr IID IID_ISShellFrameViews = ISShellFrameViews::iid;
