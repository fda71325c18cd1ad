#pragma once
// A shell module for tests of the host-facing classes: it keeps the host frame it is given,
// initialises nothing and carries out no action.
#include "platform/host/SShellModule.h"

class STestShellModule final : public SShellModule {
public:
    HRESULT OnInitialize(int32_t) override { return S_OK; }
    HRESULT OnAction(uint32_t, IUnknown*, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) override {
        return E_NOTIMPL;
    }
    HRESULT OnAction(uint32_t, const char16_t*, uint32_t, SShellView**, SProgressIndicatorEx*, IUnknown**) override {
        return E_NOTIMPL;
    }
    using SShellModule::EnableExtFace;
};
