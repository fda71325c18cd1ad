#pragma once
// The host's events, as a shell module hears them; every event is accepted (1).
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISShellEvents : IUnknown {
    static constexpr GUID iid = MakeGUID("{C69CBB91-6A51-11D0-90A3-444553540000}");
    virtual HRESULT OnShellEvent(uint32_t event, IUnknown* object) = 0;

protected:
    ~ISShellEvents() = default;
};

inline constexpr IID IID_ISShellEvents = ISShellEvents::iid;
