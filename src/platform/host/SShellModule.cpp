#include "platform/host/SShellModule.h"

HRESULT SShellModule::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid != IUnknown::iid && riid != ISShellModule::iid) return E_NOINTERFACE;
    *out = static_cast<ISShellModule*>(this);
    AddRef();
    return S_OK;
}

uint32_t SShellModule::AddRef() {
    return static_cast<uint32_t>(++m_refCount);
}

uint32_t SShellModule::Release() {
    if (--m_refCount == 0) {
        delete this;
        return 0;
    }
    return static_cast<uint32_t>(m_refCount);
}

HRESULT SShellModule::Initialize(ISShellHostFrame* hostFrame) {
    return InitializeEx(hostFrame, 1);
}

HRESULT SShellModule::InitializeEx(ISShellHostFrame* hostFrame, int32_t flag) {
    if (hostFrame != m_hostFrame.Get()) m_hostFrame.Reset(hostFrame);
    return OnInitialize(flag);
}

HRESULT SShellModule::GetFormatFilter(ISFormatFilter** filter) {
    if (!filter) return E_POINTER;
    *filter = nullptr;
    return S_FALSE;
}

HRESULT SShellModule::OnActionFromHost(uint32_t action, IUnknown* object, uint32_t flags, IUnknown** result) {
    return OnAction(action, object, flags, nullptr, nullptr, result);
}

HRESULT SShellModule::OnActionPathFromHost(uint32_t action, const char16_t* path, uint32_t flags, IUnknown** result) {
    return OnAction(action, path, flags, nullptr, nullptr, result);
}

HRESULT SShellModule::GetNextViewClass(int32_t* position, ISShellViewClass** viewClass) {
    if (!position || !viewClass) return E_POINTER;
    // The module offers no kind of view until the editor views arrive.
    *viewClass = nullptr;
    return S_FALSE;
}

HRESULT SShellModule::Terminate() {
    m_hostFrame.Clear();
    return S_OK;
}
