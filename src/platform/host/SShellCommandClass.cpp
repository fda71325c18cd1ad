#include "platform/host/SShellCommandClass.h"

HRESULT SShellCommandClass::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISShellCommandClass::iid) return E_NOINTERFACE;
    *out = static_cast<ISShellCommandClass*>(this);
    AddRef();
    return S_OK;
}

uint32_t SShellCommandClass::Release() {
    const int32_t count = --m_refCount;
    if (count == 0) delete this;
    return static_cast<uint32_t>(count);
}
