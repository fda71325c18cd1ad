#pragma once
// A kind of view, as the host knows it: its name and its view class id.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellViewClass : IUnknown {
    static constexpr GUID iid = IID_ISShellViewClass;
    virtual HRESULT GetViewClassName(char16_t* buffer, uint32_t size) = 0;
    virtual HRESULT GetViewClassID(GUID* id) = 0;

protected:
    ~ISShellViewClass() = default;
};
