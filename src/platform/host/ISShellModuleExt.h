#pragma once
// A further face of a shell module that the host may ask for; a module answers it only when it
// enables it, and its two operations are not implemented (E_NOTIMPL).
#include <cstdint>

#include "platform/com/IUnknown.h"

struct ISShellModuleExt : IUnknown {
    static constexpr GUID iid = MakeGUID("{C69CBB95-6A51-11D0-90A3-444553540000}");
    virtual HRESULT Unused1() = 0;
    virtual HRESULT Unused2() = 0;

protected:
    ~ISShellModuleExt() = default;
};

inline constexpr IID IID_ISShellModuleExt = ISShellModuleExt::iid;
