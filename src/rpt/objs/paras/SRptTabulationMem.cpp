#include "rpt/objs/paras/SRptTabulationMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTabulationMem", "SRptTabulationMem");
constexpr uint32_t kStoredFlags = 0x8;
constexpr uint32_t kParentParaFlags = 0x401;
}  // namespace

// ---- SRptTabulationMem ----

HRESULT SRptTabulationMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTAB_POSITION: value->SetInt(m_position); return S_OK;
            case RPTTAB_ALIGNMENT: value->SetInt(m_alignment); return S_OK;
            case RPTTAB_PARENTPARA: value->SetIOBJECT(GetParentPara().Get()); return S_OK;
            case RPTTAB_PARAFROMTABPOS: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTabulationMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTTAB_POSITION: return VSet_INT(id, value, m_position);
            case RPTTAB_ALIGNMENT: return VSet_INT(id, value, m_alignment);
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTabulationMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTTAB_POSITION: value->SetInt(0); return S_OK;
            case RPTTAB_ALIGNMENT: value->SetInt(RPT_TABPOS_ALIGNMENT_DEFAULT); return S_OK;
            case RPTTAB_PARENTPARA: value->SetIOBJECT(nullptr); return E_NOTIMPL;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTabulationMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTTAB_POSITION:
        case RPTTAB_ALIGNMENT: return kStoredFlags;
        case RPTTAB_PARENTPARA: return kParentParaFlags;
        default: return SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTabulationMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        // ParentPara is declared an INT: its value is read as an object reference.
        case RPTTAB_POSITION:
        case RPTTAB_ALIGNMENT:
        case RPTTAB_PARENTPARA: return SREP_VT_INT;
        default: return SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptTabulationMem::HasAttribute(int32_t id) const {
    return id == RPTTAB_PARENTPARA || id == RPTTAB_POSITION || id == RPTTAB_ALIGNMENT ||
           SRptBaseImpl::HasAttribute(id);
}

bool SRptTabulationMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTabulation || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptTabulationMem::ClassHasCollection(int32_t id) {
    return id == RPTTAB_PARAFROMTABPOS || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptTabulationMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptTabulationRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTabulationRegistry ----

const SAttrEditorMap SRptTabulationRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap,
                                                              SREP_NO_ATTR_EDITORS};

SRptTabulationRegistry::SRptTabulationRegistry()
    : SRepStaticRegistry(CLSID_SRptTabulation, &attrEditorMap, &SRepComObject<SRptTabulationImpl>::Factory,
                         &SRptTabulationMem::ClassIsKindOf, &SRptTabulationMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {}
