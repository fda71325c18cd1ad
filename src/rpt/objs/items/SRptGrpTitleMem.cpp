#include "rpt/objs/items/SRptGrpTitleMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptGrpTitleMem", "SRptGrpTitleMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptGrpTitleMem: the attribute protocol ----

HRESULT SRptGrpTitleMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTITLE_TEXT: value->SetText(m_text); return S_OK;
            case RPTGRPTITLE_USERORDER: value->SetBool(m_userOrder); return S_OK;
            default: return SRptGroupImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpTitleMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTITLE_TEXT: return VSet_TEXT(id, value, m_text);
            case RPTGRPTITLE_USERORDER: return VSet_BOOL(id, value, m_userOrder);
            default: return SRptGroupImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpTitleMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPTITLE_TEXT: value->SetText(SString()); return S_OK;
            case RPTGRPTITLE_USERORDER: value->SetBool(true); return S_OK;
            default: return SRptGroupImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptGrpTitleMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPTITLE_TEXT:
        case RPTGRPTITLE_USERORDER: return kStoredFlags;
        default: return SRptGroupImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptGrpTitleMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPTITLE_TEXT: return SREP_VT_TEXT;
        case RPTGRPTITLE_USERORDER: return SREP_VT_BOOL;
        default: return SRptGroupImpl::GetAttributeType(id);
    }
}

bool SRptGrpTitleMem::HasAttribute(int32_t id) const {
    return id == RPTGRPTITLE_TEXT || id == RPTGRPTITLE_USERORDER || SRptGroupMem::HasAttribute(id);
}

bool SRptGrpTitleMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptGrpTitle || SRptGroupMem::ClassIsKindOf(clsid);
}

bool SRptGrpTitleMem::ClassHasCollection(int32_t id) {
    return SRptGroupMem::ClassHasCollection(id);
}

HRESULT SRptGrpTitleMem::FinalConstruct() {
    HRESULT hr = SRptGroupImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptGrpTitleRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptGrpTitleImpl ----

HRESULT SRptGrpTitleImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptGrpTitleImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptGrpTitleImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t,
                                              bool, SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptGrpTitleImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptGrpTitleRegistry ----

const SAttrEditorMap SRptGrpTitleRegistry::attrEditorMap = {&SRptGroupRegistry::attrEditorMap,
                                                            SREP_NO_ATTR_EDITORS};

SRptGrpTitleRegistry::SRptGrpTitleRegistry()
    : SRepStaticRegistry(CLSID_SRptGrpTitle, &attrEditorMap, &SRepComObject<SRptGrpTitleImpl>::Factory,
                         &SRptGrpTitleMem::ClassIsKindOf, &SRptGrpTitleMem::ClassHasCollection, 1,
                         SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptGrpTitleImpl>), 10, "SRptGrpTitle");
}
