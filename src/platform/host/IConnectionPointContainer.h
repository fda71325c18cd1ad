#pragma once
// An object with outgoing interfaces: it finds the connection point of one of them.
#include "platform/com/IUnknown.h"

struct IConnectionPoint;

struct IConnectionPointContainer : IUnknown {
    static constexpr GUID iid = MakeGUID("{B196B284-BAB4-101A-B69C-00AA00341D07}");
    virtual HRESULT EnumConnectionPoints(IUnknown** points) = 0;
    virtual HRESULT FindConnectionPoint(const IID& iid, IConnectionPoint** point) = 0;

protected:
    ~IConnectionPointContainer() = default;
};

inline constexpr IID IID_IConnectionPointContainer = IConnectionPointContainer::iid;
