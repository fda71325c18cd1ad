#pragma once
// The host's print preview mode: whether a preview may start (1), the preview's toolbar, and
// closing the preview.
#include <cstdint>

#include "platform/com/IUnknown.h"
#include "platform/com/SInterfaceIds.h"
#include "platform/host/SHELLTOOLBARITEM.h"

struct ISShellView;

struct ISShellPreview : IUnknown {
    static constexpr GUID iid = IID_ISShellPreview;
    virtual HRESULT CanPreview() = 0;
    virtual HRESULT SetPreviewToolbar(ISShellView* view, const SHELLTOOLBARITEM* items, uint32_t count) = 0;
    virtual HRESULT ClosePreview() = 0;

protected:
    ~ISShellPreview() = default;
};
