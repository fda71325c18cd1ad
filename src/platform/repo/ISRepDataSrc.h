#pragma once
// The repository objects a drag carries, in the order they were picked up.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISRepObject;

struct ISRepDataSrc : IUnknown {
    static constexpr GUID iid = IID_ISRepDataSrc;
    virtual HRESULT GetCount(int32_t* count) = 0;
    // The object at `position` with the caller's reference.
    virtual HRESULT Item(int32_t position, ISRepObject** object) = 0;

protected:
    ~ISRepDataSrc() = default;
};
