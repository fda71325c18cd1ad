#include "platform/host/SShellModule.h"

#include <algorithm>
#include <new>

#include "platform/base/SECOMException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/host/IConnectionPoint.h"
#include "platform/host/IConnectionPointContainer.h"
#include "platform/host/SShellViewClass.h"

SShellModule::~SShellModule() {
    // The host must not keep a sink that is about to go, so the events are disconnected while the
    // host frame is still there to reach the connection point.
    try {
        ConnectEvents(0);
    } catch (...) {
    }
    m_viewClasses.clear();
    m_hostFrame.Clear();
}

HRESULT SShellModule::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISShellModule::iid)
        *out = static_cast<ISShellModule*>(this);
    else if (riid == ISShellModuleExt::iid && m_extFaceEnabled)
        *out = static_cast<ISShellModuleExt*>(this);
    else
        return E_NOINTERFACE;
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
    return SExceptionResult::Guard([&] { return OnInitialize(flag); });
}

HRESULT SShellModule::GetFormatFilter(ISFormatFilter** filter) {
    if (!filter) return E_POINTER;
    *filter = nullptr;
    return S_FALSE;
}

HRESULT SShellModule::OnActionFromHost(uint32_t action, IUnknown* object, uint32_t flags, IUnknown** result) {
    return SExceptionResult::Guard([&] { return OnAction(action, object, flags, nullptr, nullptr, result); });
}

HRESULT SShellModule::OnActionPathFromHost(uint32_t action, const char16_t* path, uint32_t flags, IUnknown** result) {
    return SExceptionResult::Guard([&] { return OnAction(action, path, flags, nullptr, nullptr, result); });
}

HRESULT SShellModule::GetNextViewClass(int32_t* position, ISShellViewClass** viewClass) {
    if (!position || !viewClass) return E_POINTER;
    *viewClass = nullptr;
    if (*position < 0 || *position >= GetViewClassCount()) return S_FALSE;
    *viewClass = m_viewClasses[static_cast<size_t>(*position)].Get();
    ++*position;
    return S_OK;
}

HRESULT SShellModule::Terminate() {
    // Disconnecting also gives back the reference that the host's hold on the sink counts, which
    // may be the last but the caller's: the module keeps itself alive until it is done.
    AddRef();
    HRESULT hr = S_OK;
    try {
        ConnectEvents(0);
    } catch (...) {
        hr = SExceptionResult::FromCurrent();
    }
    m_hostFrame.Clear();
    Release();
    return hr;
}

int32_t SShellModule::AddViewClass(SShellViewClass* viewClass) {
    if (!viewClass) return 0;
    SComWrap<ISShellViewClass> record(viewClass->GetViewClassFace());
    viewClass->AttachModule(this);
    try {
        m_viewClasses.push_back(std::move(record));
    } catch (const std::bad_alloc&) {
        return 0;
    }
    return 1;
}

int32_t SShellModule::RemoveViewClass(SShellViewClass* viewClass) {
    ISShellViewClass* face = viewClass ? viewClass->GetViewClassFace() : nullptr;
    const auto found = std::find_if(m_viewClasses.begin(), m_viewClasses.end(),
                                    [face](const SComWrap<ISShellViewClass>& held) { return face && held.Get() == face; });
    if (found == m_viewClasses.end()) return 0;
    m_viewClasses.erase(found);
    return 1;
}

int32_t SShellModule::ConnectEvents(int32_t connect) {
    if (connect ? m_cookie != 0 : m_cookie == 0) return 0;
    if (!m_hostFrame) return 0;
    SComWrap<IConnectionPointContainer> container;
    container = static_cast<IUnknown*>(m_hostFrame.Get());
    if (!container) return 0;
    SComWrap<IConnectionPoint> point;
    if (FAILED(container->FindConnectionPoint(ISShellEvents::iid, &point))) return 0;
    if (!point) throw SECOMException(E_POINTER);
    // Only a connection point that took the request changes the state: a refused Advise leaves
    // no cookie to unadvise later, a refused Unadvise keeps the cookie for another try.
    if (connect) {
        uint32_t cookie = 0;
        if (FAILED(point->Advise(&m_sink, &cookie))) return 0;
        m_cookie = cookie;
    } else {
        if (FAILED(point->Unadvise(m_cookie))) return 0;
        m_cookie = 0;
    }
    return 1;
}
