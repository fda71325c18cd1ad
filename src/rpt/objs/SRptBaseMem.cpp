#include "rpt/objs/SRptBaseMem.h"

#include "platform/base/SExceptionResult.h"
#include "platform/repo/SRepObjectBaseRegistry.h"
#include "varod9/RptApi.h"

// ---- SRptBaseMem: the attribute protocol from the tables of the object's chain ----

HRESULT SRptBaseMem::GetAttribute(int32_t id, SRepVariant* value) {
    const auto [table, row] = GetAttributeTable().FindReadable(id);
    return table->guard.Get(id, value, [&, row = row] {
        return row ? row->get(*this, id, *value) : SRepObjectBaseImpl::GetAttribute(id, value);
    });
}

HRESULT SRptBaseMem::SetAttribute(int32_t id, const SRepVariant& value) {
    const auto [table, row] = GetAttributeTable().FindWritable(id);
    return table->guard.Set(id, [&, row = row] {
        return row ? row->set(*this, id, value) : SRepObjectBaseImpl::SetAttribute(id, value);
    });
}

HRESULT SRptBaseMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    const auto [table, row] = GetAttributeTable().FindAttribute(id);
    return table->guard.Default(id, value, [&, table = table, row = row] {
        return row ? table->GetDefault(*row, *value) : SRepObjectBaseImpl::GetAttributeDefault(id, value);
    });
}

uint32_t SRptBaseMem::GetAttributeFlags(int32_t id) const {
    if (id == -1) return 0;
    const SRptAttributeRow* row = GetAttributeTable().FindAttribute(id).row;
    return row ? row->flags : SRepObjectBaseImpl::GetAttributeFlags(id);
}

uint32_t SRptBaseMem::GetAttributeType(int32_t id) const {
    if (id == -1) return 0;
    const SRptAttributeRow* row = GetAttributeTable().FindAttribute(id).row;
    return row ? row->type : SRepObjectBaseImpl::GetAttributeType(id);
}

bool SRptBaseMem::HasAttribute(int32_t id) const {
    if (GetAttributeTable().FindAttribute(id).row) return true;
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

HRESULT SRptBaseMem::FinalConstruct() {
    HRESULT hr = SRepObjectBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    GetAttributeTable().MarkInitialised();
    return S_OK;
}

// ---- SRptBaseImpl ----

void* SRptBaseImpl::InternalQueryInterface(const GUID& riid) {
    if (void* face = SRepQueryClassInterface<ISRptBase>(this, riid)) return face;
    if (void* face = SRptBaseMem::InternalQueryInterface(riid)) return face;
    if (riid == ISRepObjectInit::iid) return static_cast<ISRepObjectInit*>(this);
    return nullptr;
}

HRESULT SRptBaseImpl::InitObject(ISRepObject* parent) noexcept {
    if (m_initialised) return S_FALSE;
    m_initialised = true;
    return SExceptionResult::Guard([&] { return OnInitialize(parent); });
}

HRESULT SRptBaseImpl::OnInitialize(ISRepObject*) {
    return S_OK;
}
