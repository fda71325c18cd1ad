#pragma once
// The repository objects a drag carries, in the order they were picked up.
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISRepObject;

struct ISRepDataSrc : IUnknown {
    static constexpr GUID iid = MakeGUID("{5B0E7C21-6D3A-4F1B-9E52-7C1A2B3D4E60}");
    virtual HRESULT GetCount(int32_t* count) = 0;
    // The object at `position` with the caller's reference.
    virtual HRESULT Item(int32_t position, ISRepObject** object) = 0;

protected:
    ~ISRepDataSrc() = default;
};
