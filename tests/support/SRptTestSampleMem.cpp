#include "support/SRptTestSampleMem.h"

#include <utility>

#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptTestSampleMem", "SRptTestSampleMem");
}  // namespace

// ---- SRptTestSampleMem ----

SRptTestSampleMem::SRptTestSampleMem(const SRptTestSampleMem& source)
    : SRptBaseImpl(source), m_label(source.m_label), m_count(source.m_count) {}

HRESULT SRptTestSampleMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case SAMPLE_LABEL: value->SetText(m_label); return S_OK;
            case SAMPLE_COUNT: value->SetInt(m_count); return S_OK;
            case SAMPLE_FAULT:
                if (fault) fault();
                value->Clear();
                return S_OK;
            case SAMPLE_ITEMS:
            case SAMPLE_PARENT: value->SetCollection(GetCollection(id).Get()); return S_OK;
            default: return SRptBaseImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptTestSampleMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case SAMPLE_LABEL: return VSet_TEXT(id, value, m_label);
            case SAMPLE_COUNT: return VSet_INT(id, value, m_count);
            default: return SRptBaseImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptTestSampleMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case SAMPLE_LABEL: value->SetText("sample"); return S_OK;
            case SAMPLE_COUNT: value->SetInt(0); return S_OK;
            default: return SRptBaseImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptTestSampleMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case SAMPLE_LABEL:
        case SAMPLE_COUNT: return 0;
        default: return SRptBaseImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptTestSampleMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case SAMPLE_LABEL: return SREP_VT_TEXT;
        case SAMPLE_COUNT: return SREP_VT_INT;
        default: return SRptBaseImpl::GetAttributeType(id);
    }
}

bool SRptTestSampleMem::HasAttribute(int32_t id) const {
    return id == SAMPLE_LABEL || id == SAMPLE_COUNT || SRptBaseImpl::HasAttribute(id);
}

bool SRptTestSampleMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptTestSample || SRptBaseMem::ClassIsKindOf(clsid);
}

bool SRptTestSampleMem::ClassHasCollection(int32_t id) {
    return id == SAMPLE_ITEMS || id == SAMPLE_PARENT || SRptBaseMem::ClassHasCollection(id);
}

HRESULT SRptTestSampleMem::FinalConstruct() {
    HRESULT hr = SRptBaseImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    hr = std::exchange(failNextFinalConstruct, S_OK);
    if (FAILED(hr)) return hr;
    SRptTestSampleRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptTestSampleImpl ----

HRESULT SRptTestSampleImpl::OnInitialize(ISRepObject* parent) {
    ++initCount;
    initParent = parent;
    return SRptTestSampleMem::OnInitialize(parent);
}

// ---- SRptTestSampleRegistry ----

const SAttrEditorMap SRptTestSampleRegistry::attrEditorMap = {&SRptBaseRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptTestSampleRegistry::SRptTestSampleRegistry()
    : SRepStaticRegistry(CLSID_SRptTestSample, &attrEditorMap, &SRepComObject<SRptTestSampleImpl>::Factory,
                         &SRptTestSampleMem::ClassIsKindOf, &SRptTestSampleMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptTestSampleImpl>), 10, "SRptTestSample");
}
