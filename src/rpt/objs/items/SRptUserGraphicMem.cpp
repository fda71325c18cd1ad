#include "rpt/objs/items/SRptUserGraphicMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptUserGraphicMem", "SRptUserGraphicMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptUserGraphicMem: the attribute protocol ----

HRESULT SRptUserGraphicMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTUSERGRAPHIC_FORMAT: value->SetShort(m_format); return S_OK;
            case RPTUSERGRAPHIC_USEZOOM: value->SetBool(m_useZoom); return S_OK;
            case RPTUSERGRAPHIC_ONEPAGETYPE: value->SetShort(m_onePageType); return S_OK;
            case RPTUSERGRAPHIC_ZOOMPERCT: value->SetShort(m_zoomPerct); return S_OK;
            default: return SRptCustomImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptUserGraphicMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTUSERGRAPHIC_FORMAT: return VSet_SHORT(id, value, m_format);
            case RPTUSERGRAPHIC_USEZOOM: return VSet_BOOL(id, value, m_useZoom);
            case RPTUSERGRAPHIC_ONEPAGETYPE: return VSet_SHORT(id, value, m_onePageType);
            case RPTUSERGRAPHIC_ZOOMPERCT: return VSet_SHORT(id, value, m_zoomPerct);
            default: return SRptCustomImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptUserGraphicMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTUSERGRAPHIC_FORMAT: value->SetShort(0); return S_OK;
            case RPTUSERGRAPHIC_USEZOOM: value->SetBool(false); return S_OK;
            case RPTUSERGRAPHIC_ONEPAGETYPE: value->SetShort(RPTGRAPH_1PAGE_CENTER); return S_OK;
            case RPTUSERGRAPHIC_ZOOMPERCT: value->SetShort(100); return S_OK;
            default: return SRptCustomImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptUserGraphicMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTUSERGRAPHIC_FORMAT:
        case RPTUSERGRAPHIC_USEZOOM:
        case RPTUSERGRAPHIC_ONEPAGETYPE:
        case RPTUSERGRAPHIC_ZOOMPERCT: return kStoredFlags;
        default: return SRptCustomImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptUserGraphicMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTUSERGRAPHIC_FORMAT:
        case RPTUSERGRAPHIC_ONEPAGETYPE:
        case RPTUSERGRAPHIC_ZOOMPERCT: return SREP_VT_SHORT;
        case RPTUSERGRAPHIC_USEZOOM: return SREP_VT_BOOL;
        default: return SRptCustomImpl::GetAttributeType(id);
    }
}

bool SRptUserGraphicMem::HasAttribute(int32_t id) const {
    switch (id) {
        case RPTUSERGRAPHIC_FORMAT:
        case RPTUSERGRAPHIC_USEZOOM:
        case RPTUSERGRAPHIC_ONEPAGETYPE:
        case RPTUSERGRAPHIC_ZOOMPERCT: return true;
        default: return SRptCustomMem::HasAttribute(id);
    }
}

bool SRptUserGraphicMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptUserGraphic || SRptCustomMem::ClassIsKindOf(clsid);
}

bool SRptUserGraphicMem::ClassHasCollection(int32_t id) {
    return SRptCustomMem::ClassHasCollection(id);
}

HRESULT SRptUserGraphicMem::FinalConstruct() {
    HRESULT hr = SRptCustomImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptUserGraphicRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptUserGraphicImpl ----

HRESULT SRptUserGraphicImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptUserGraphicImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptUserGraphicImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t,
                                                 bool, SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptUserGraphicImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptUserGraphicRegistry ----

const SAttrEditorMap SRptUserGraphicRegistry::attrEditorMap = {&SRptCustomRegistry::attrEditorMap,
                                                               SREP_NO_ATTR_EDITORS};

SRptUserGraphicRegistry::SRptUserGraphicRegistry()
    : SRepStaticRegistry(CLSID_SRptUserGraphic, &attrEditorMap, &SRepComObject<SRptUserGraphicImpl>::Factory,
                         &SRptUserGraphicMem::ClassIsKindOf, &SRptUserGraphicMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptUserGraphicImpl>), 10, "SRptUserGraphic");
}
