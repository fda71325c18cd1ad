#pragma once
// The root of every reference-counted interface.
#include <cstdint>

#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"
#include "platform/com/SInterfaceIds.h"

struct IUnknown {
    static constexpr GUID iid = IID_IUnknown;
    virtual HRESULT QueryInterface(const GUID& riid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};
