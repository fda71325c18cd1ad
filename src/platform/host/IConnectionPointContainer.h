#pragma once
// An object with outgoing interfaces: it finds the connection point of one of them.
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct IConnectionPoint;

struct IConnectionPointContainer : IUnknown {
    static constexpr GUID iid = IID_IConnectionPointContainer;
    virtual HRESULT EnumConnectionPoints(IUnknown** points) = 0;
    virtual HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};
