#pragma once
// The host frame's own operations for test hosts that play only a part of a host (events,
// docking ...): none of them is implemented. A test host adds its counting and its other faces.
#include "platform/host/ISShellHostFrame.h"

class STestHostFrameOps : public ISShellHostFrame {
public:
    HRESULT GetWindowHandle(HWND*) override { return E_NOTIMPL; }
    HRESULT SetStatusText(const char16_t*) override { return E_NOTIMPL; }
    HRESULT MessageBox(const char16_t*, const char16_t*, uint32_t, int32_t*) override { return E_NOTIMPL; }
    HRESULT GetActiveView(ISShellView**) override { return E_NOTIMPL; }
    HRESULT CreateViewFrame(ISShellView*, const char16_t*, ISShellFrame**) override { return E_NOTIMPL; }

protected:
    ~STestHostFrameOps() = default;
};
