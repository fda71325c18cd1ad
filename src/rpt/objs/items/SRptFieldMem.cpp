#include "rpt/objs/items/SRptFieldMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptFieldMem", "SRptFieldMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptFieldMem: the attribute protocol ----

HRESULT SRptFieldMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTFIELD_MODULEID: value->SetText(m_moduleID); return S_OK;
            case RPTFIELD_FIELDNAME: value->SetText(m_fieldName); return S_OK;
            case RPTFIELD_DESCR: value->SetText(m_descr); return S_OK;
            case RPTFIELD_VALUE: value->SetText(m_value); return S_OK;
            case RPTFIELD_PRESENCEFLAG: value->SetInt(m_presenceFlag); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptFieldMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTFIELD_MODULEID: return VSet_TEXT(id, value, m_moduleID);
            case RPTFIELD_FIELDNAME: return VSet_TEXT(id, value, m_fieldName);
            case RPTFIELD_DESCR: return VSet_TEXT(id, value, m_descr);
            case RPTFIELD_VALUE: return VSet_TEXT(id, value, m_value);
            case RPTFIELD_PRESENCEFLAG: return VSet_INT(id, value, m_presenceFlag);
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptFieldMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTFIELD_MODULEID:
            case RPTFIELD_FIELDNAME:
            case RPTFIELD_DESCR:
            case RPTFIELD_VALUE: value->SetText(SString()); return S_OK;
            case RPTFIELD_PRESENCEFLAG: value->SetInt(0); return S_OK;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptFieldMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFIELD_MODULEID:
        case RPTFIELD_FIELDNAME:
        case RPTFIELD_DESCR:
        case RPTFIELD_VALUE:
        case RPTFIELD_PRESENCEFLAG: return kStoredFlags;
        default: return SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptFieldMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFIELD_MODULEID:
        case RPTFIELD_FIELDNAME:
        case RPTFIELD_DESCR:
        case RPTFIELD_VALUE: return SREP_VT_TEXT;
        case RPTFIELD_PRESENCEFLAG: return SREP_VT_INT;
        default: return SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptFieldMem::HasAttribute(int32_t id) const {
    switch (id) {
        case RPTFIELD_MODULEID:
        case RPTFIELD_FIELDNAME:
        case RPTFIELD_DESCR:
        case RPTFIELD_VALUE:
        case RPTFIELD_PRESENCEFLAG: return true;
        default: return SRptBaseMem::HasAttribute(id);
    }
}

bool SRptFieldMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptField || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptFieldMem::ClassHasCollection(int32_t id) {
    return SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptFieldMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptFieldRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptFieldImpl ----

HRESULT SRptFieldImpl::ConstructWithFieldDef(const RPTFIELDDEF* pFieldDef) {
    if (!pFieldDef) return E_POINTER;
    PutModuleID(pFieldDef->ModuleID);
    PutPresenceFlag(pFieldDef->PresenceFlag);
    PutFieldName(pFieldDef->FieldName);
    PutDescr(pFieldDef->Descr);
    PutValue(pFieldDef->Value);
    if (m_fieldProcs.Get() != pFieldDef->FieldProcs) m_fieldProcs.Reset(pFieldDef->FieldProcs);
    return S_OK;
}

HRESULT SRptFieldImpl::GetFieldVal(ISRptReport* pReport, ISRptGenerationClient* pGenerationClient, SString& sOut) {
    if (!m_fieldProcs) {
        sOut = GetValue();
        return S_OK;
    }
    RPTFIELDVALREQ request;
    request.FieldName = GetFieldName();
    request.GenerationClient = pGenerationClient;
    const HRESULT hr = m_fieldProcs->GetFieldVal(pReport, &request);
    // Only a value the provider vouches for replaces the caller's text.
    if (hr == S_OK) sOut = request.Value;
    return hr;
}

// ---- SRptFieldRegistry ----

const SAttrEditorMap SRptFieldRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptFieldRegistry::SRptFieldRegistry()
    : SRepStaticRegistry(CLSID_SRptField, &attrEditorMap, &SRepComObject<SRptFieldImpl>::Factory,
                         &SRptFieldMem::ClassIsKindOf, &SRptFieldMem::ClassHasCollection, 1, SRptGetModuleState()) {}
