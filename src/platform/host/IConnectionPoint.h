#pragma once
// A connection point: where a sink of one outgoing interface is advised (a cookie comes back)
// and unadvised by that cookie.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct IConnectionPointContainer;

struct IConnectionPoint : IUnknown {
    static constexpr GUID iid = IID_IConnectionPoint;
    virtual HRESULT GetConnectionInterface(IID* iid) = 0;
    virtual HRESULT GetConnectionPointContainer(IConnectionPointContainer** container) = 0;
    virtual HRESULT Advise(IUnknown* sink, uint32_t* cookie) = 0;
    virtual HRESULT Unadvise(uint32_t cookie) = 0;
    virtual HRESULT EnumConnections(IUnknown** connections) = 0;

protected:
    ~IConnectionPoint() = default;
};
