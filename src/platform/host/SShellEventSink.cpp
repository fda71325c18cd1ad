#include "platform/host/SShellEventSink.h"

HRESULT SShellEventSink::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISShellEvents::iid) return E_NOINTERFACE;
    *out = static_cast<ISShellEvents*>(this);
    AddRef();
    return S_OK;
}
