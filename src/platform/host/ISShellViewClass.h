#pragma once
// A kind of view, as the host knows it: its name and its view class id.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISShellViewClass : IUnknown {
    static constexpr GUID iid = MakeGUID("{C69CBB8D-6A51-11D0-90A3-444553540000}");
    virtual HRESULT GetViewClassName(char16_t* buffer, uint32_t size) = 0;
    virtual HRESULT GetViewClassID(GUID* id) = 0;

protected:
    ~ISShellViewClass() = default;
};

inline constexpr IID IID_ISShellViewClass = ISShellViewClass::iid;
