#include "platform/host/SShellViewClass.h"

#include <algorithm>
#include <new>

#include "platform/base/SExceptionResult.h"
#include "platform/base/SModuleState.h"
#include "platform/base/CopyToHostBuffer.h"
#include "platform/host/SShellModule.h"
#include "platform/ui/SResInstance.h"

SShellViewClass::SShellViewClass(ISShellHostFrame* hostFrame) {
    m_hostFrame.Reset(hostFrame);
}

SShellViewClass::~SShellViewClass() {
    m_views.clear();
    m_hostFrame.Clear();
}

HRESULT SShellViewClass::QueryInterface(const GUID& riid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IUnknown::iid || riid == ISShellViewClass::iid)
        *out = static_cast<ISShellViewClass*>(this);
    else if (riid == ISShellCommandClass::iid)
        *out = static_cast<ISShellCommandClass*>(this);
    else
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

uint32_t SShellViewClass::AddRef() {
    return static_cast<uint32_t>(++m_refCount);
}

uint32_t SShellViewClass::Release() {
    const int32_t count = --m_refCount;
    if (count == 0) delete this;
    return static_cast<uint32_t>(count);
}

int32_t SShellViewClass::AttachModule(SShellModule* module) {
    m_module = module;
    if (module && !m_hostFrame) m_hostFrame.Reset(module->GetHostFrame());
    return 1;
}

int32_t SShellViewClass::AddView(ISShellView* view) {
    if (!view) return 0;
    try {
        m_views.push_back(view);
    } catch (const std::bad_alloc&) {
        return 0;
    }
    view->AddRef();
    return 1;
}

int32_t SShellViewClass::RemoveView(ISShellView* view) {
    const auto found = std::find(m_views.begin(), m_views.end(), view);
    if (!view || found == m_views.end()) return 0;
    m_views.erase(found);
    view->Release();
    return 1;
}

SModuleState* SShellViewClass::GetResourceState() const {
    return SGetResInstance();
}

SString SShellViewClass::CommandTextPart(const SString& text, int32_t tooltip) {
    // A line feed is one byte that never occurs inside a multibyte character.
    const int32_t feed = text.Find('\n');
    if (tooltip) return feed < 0 ? SString() : text.Mid(feed + 1);
    return feed < 0 ? text : text.Left(feed);
}

int32_t SShellViewClass::GetCommandText(uint32_t id, uint32_t, uint32_t, char16_t* buffer, uint32_t size,
                                        int32_t tooltip) {
    if (!buffer) return E_POINTER;
    SString text;
    {
        SModuleStateGuard state(GetResourceState());
        if (!text.LoadString(id)) return 1;
    }
    CopyToHostBuffer(CommandTextPart(text, tooltip), buffer, size);
    return 0;
}

int32_t SShellViewClass::GetStandardCommandHelp(uint32_t, char16_t*, uint32_t, int32_t) {
    return 0;
}

HRESULT SShellViewClass::OnCommandHelp(uint32_t id, uint32_t which, char16_t* buffer, uint32_t size) {
    return SExceptionResult::Guard([&]() -> HRESULT {
        const int32_t tooltip = which == 1 ? 1 : 0;
        if (GetStandardCommandHelp(id, buffer, size, tooltip)) return S_OK;
        return GetCommandText(id, 0, 0, buffer, size, tooltip);
    });
}
