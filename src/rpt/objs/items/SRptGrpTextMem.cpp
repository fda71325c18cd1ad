#include "rpt/objs/items/SRptGrpTextMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptGrpTextMem", "SRptGrpTextMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptGrpTextMem: the attribute protocol ----

HRESULT SRptGrpTextMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTEXT_DISPLAYIFEMPTY: value->SetBool(m_displayIfEmpty); return S_OK;
            default: return SRptCustomImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpTextMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTEXT_DISPLAYIFEMPTY: return VSet_BOOL(id, value, m_displayIfEmpty);
            default: return SRptCustomImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpTextMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTEXT_DISPLAYIFEMPTY: value->SetBool(false); return S_OK;
            default: return SRptCustomImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptGrpTextMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPTEXT_DISPLAYIFEMPTY: return kStoredFlags;
        default: return SRptCustomImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptGrpTextMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPTEXT_DISPLAYIFEMPTY: return SREP_VT_BOOL;
        default: return SRptCustomImpl::GetAttributeType(id);
    }
}

bool SRptGrpTextMem::HasAttribute(int32_t id) const {
    return id == RPTGRPTEXT_DISPLAYIFEMPTY || SRptCustomMem::HasAttribute(id);
}

bool SRptGrpTextMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptGrpText || SRptCustomMem::ClassIsKindOf(clsid);
}

bool SRptGrpTextMem::ClassHasCollection(int32_t id) {
    return SRptCustomMem::ClassHasCollection(id);
}

HRESULT SRptGrpTextMem::FinalConstruct() {
    HRESULT hr = SRptCustomImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptGrpTextRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptGrpTextImpl ----

HRESULT SRptGrpTextImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptGrpTextImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptGrpTextImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                             SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptGrpTextImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptGrpTextRegistry ----

const SAttrEditorMap SRptGrpTextRegistry::attrEditorMap = {&SRptCustomRegistry::attrEditorMap,
                                                           SREP_NO_ATTR_EDITORS};

SRptGrpTextRegistry::SRptGrpTextRegistry()
    : SRepStaticRegistry(CLSID_SRptGrpText, &attrEditorMap, &SRepComObject<SRptGrpTextImpl>::Factory,
                         &SRptGrpTextMem::ClassIsKindOf, &SRptGrpTextMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptGrpTextImpl>), 10, "SRptGrpText");
}
