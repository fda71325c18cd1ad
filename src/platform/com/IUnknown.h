#pragma once
// The root of every reference-counted interface.
#include <cstdint>

#include "platform/com/GUID.h"
#include "platform/com/HRESULT.h"

struct IUnknown {
    static constexpr GUID iid = MakeGUID("{00000000-0000-0000-C000-000000000046}");
    virtual HRESULT QueryInterface(const GUID& riid, void** ppv) = 0;
    virtual uint32_t AddRef() = 0;
    virtual uint32_t Release() = 0;

protected:
    ~IUnknown() = default;
};

inline constexpr IID IID_IUnknown = IUnknown::iid;
inline constexpr IID IID_IDispatch = MakeGUID("{00020400-0000-0000-C000-000000000046}");
