#include "platform/repo/SRepSessionExtern.h"

#include "platform/repo/SRepComObject.h"
#include "platform/repo/SRepObjectBaseRegistry.h"

bool SRepSessionExtern::IsKindOf(const GUID& clsid) const {
    return clsid == CLSID_SRepSessionExtern || SRepObjectBaseImpl::IsKindOf(clsid);
}

HRESULT SRepSessionExtern::GetExternSession(ISRepSession** session) noexcept {
    if (!session) return E_POINTER;
    return m_externSession.CopyTo(session);
}

HRESULT SRepSessionExtern::SetExternSession(ISRepSession* session) noexcept {
    if (m_externSession.Get() == session) return S_FALSE;
    m_externSession.Reset(session);
    return S_OK;
}

SRepSessionExternRegistry::SRepSessionExternRegistry()
    : SRepRegistry(CLSID_SRepSessionExtern, &SRepObjectBaseRegistry::attrEditorMap,
                   &SRepComObject<SRepSessionExtern>::Factory, nullptr, nullptr, 0, nullptr) {}

SRepSessionExternRegistry* SRepSessionExternRegistry::Get() {
    // Never destroyed: references may be made and released by objects that outlive the
    // process's exit handlers.
    static SRepSessionExternRegistry* registry = new SRepSessionExternRegistry;
    return registry;
}
