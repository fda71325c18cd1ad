#pragma once
// A further face of a shell module that the host may ask for; a module answers it only when it
// enables it, and its two operations are not implemented (E_NOTIMPL).
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"

struct ISShellModuleExt : IUnknown {
    static constexpr GUID iid = IID_ISShellModuleExt;
    virtual HRESULT Unused1() = 0;
    virtual HRESULT Unused2() = 0;

protected:
    ~ISShellModuleExt() = default;
};
