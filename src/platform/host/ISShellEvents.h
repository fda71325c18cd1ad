#pragma once
// The host's events, as a shell module hears them; every event is accepted (1).
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellEvents : IUnknown {
    static constexpr GUID iid = IID_ISShellEvents;
    virtual HRESULT OnShellEvent(uint32_t event, IUnknown* object) = 0;

protected:
    ~ISShellEvents() = default;
};
