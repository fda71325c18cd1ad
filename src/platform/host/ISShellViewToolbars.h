#pragma once
// The toolbars the host shows with the views of a kind.
#include <cstdint>

#include "platform/base/HINSTANCE.h"
#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/host/SHELLVIEWTBBUTTON.h"

struct ISShellViewClass;

struct ISShellViewToolbars : IUnknown {
    static constexpr GUID iid = IID_ISShellViewToolbars;
    virtual HRESULT RemoveViewToolbars(ISShellViewClass* viewClass) = 0;
    virtual HRESULT AddViewToolbar(ISShellViewClass* viewClass, const char16_t* name, HINSTANCE instance,
                                   uint32_t resourceId, uint32_t maskColour, const SHELLVIEWTBBUTTON* buttons,
                                   uint32_t count, uint32_t kind) = 0;

protected:
    ~ISShellViewToolbars() = default;
};
