#pragma once
// The host application's frame, which the host hands to a shell module when it initialises it;
// the module keeps it and asks it for the host's command bars, view frames and docking. Its
// operations come with the editor views that use them.
#include "platform/com/IUnknown.h"

struct ISShellHostFrame : IUnknown {
    // Handed in by the host, never asked for by this id.
    static constexpr GUID iid = MakeGUID("{6F0C2B8E-5D41-4A7A-9E3B-2C18D4F07A65}");

protected:
    ~ISShellHostFrame() = default;
};

inline constexpr IID IID_ISShellHostFrame = ISShellHostFrame::iid;
