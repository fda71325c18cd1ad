#include "rpt/objs/SRptBaseMem.h"

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepObjectBaseRegistry.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptBaseMem", "SRptBaseMem");
}  // namespace

// ---- SRptBaseMem: the attribute protocol passes everything on to the repository base ----

HRESULT SRptBaseMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRepObjectBaseImpl::GetAttribute(id, value); });
}

HRESULT SRptBaseMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRepObjectBaseImpl::SetAttribute(id, value); });
}

HRESULT SRptBaseMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRepObjectBaseImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptBaseMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRepObjectBaseImpl::GetAttributeFlags(id);
}

uint32_t SRptBaseMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRepObjectBaseImpl::GetAttributeType(id);
}

bool SRptBaseMem::HasAttribute(int32_t id) const {
    // The repository's own ids that every report object has; Name, Code and DispName are
    // answered by the classes that have them.
    switch (id) {
        case 0x01000001:
        case 0x0100000A:
        case 0x0100000C:
        case 0x01000010:
        case 0x01000011:
        case 0x01000012:
        case 0x01000013:
        case 0x01000019:
        case 0x0100001B:
        case 0x0100003F:
        case 0x0100004D: return true;
        default: return false;
    }
}

bool SRptBaseMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptBase || clsid == CLSID_SRepObjectBase || clsid == CLSID_SRepObjectRoot;
}

bool SRptBaseMem::ClassHasCollection(int32_t id) {
    return SRepObjectBaseImpl::ClassHasCollection(id);
}

HRESULT SRptBaseMem::FinalConstruct() {
    HRESULT hr = SRepObjectBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptBaseRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptBaseImpl ----

void* SRptBaseImpl::InternalQueryInterface(const GUID& riid) {
    if (void* face = SRepQueryClassInterface<ISRptBase>(this, riid)) return face;
    if (void* face = SRptBaseMem::InternalQueryInterface(riid)) return face;
    if (riid == ISRepObjectInit::iid) return static_cast<ISRepObjectInit*>(this);
    return nullptr;
}

HRESULT SRptBaseImpl::InitObject(ISRepObject* parent) {
    if (m_initialised) return S_FALSE;
    m_initialised = true;
    return SExceptionResult::Guard([&] { return OnInitialize(parent); });
}

HRESULT SRptBaseImpl::OnInitialize(ISRepObject*) {
    return S_OK;
}

// ---- SRptBaseRegistry ----

const SAttrEditorMap SRptBaseRegistry::attrEditorMap = {&SRepObjectBaseRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptBaseRegistry::SRptBaseRegistry()
    : SRepStaticRegistry(CLSID_SRptBase, &attrEditorMap, nullptr, &SRptBaseMem::ClassIsKindOf,
                         &SRptBaseMem::ClassHasCollection, 1, SRptGetModuleState()) {}
