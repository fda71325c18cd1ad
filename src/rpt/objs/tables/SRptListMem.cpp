#include "rpt/objs/tables/SRptListMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptListMem", "SRptListMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptListMem: the attribute protocol ----

HRESULT SRptListMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTLIST_SORTED: value->SetBool(m_sorted); return S_OK;
            default: return SRptTableImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptListMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTLIST_SORTED: return VSet_BOOL(id, value, m_sorted);
            default: return SRptTableImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptListMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTLIST_SORTED: value->SetBool(false); return S_OK;
            default: return SRptTableImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptListMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTLIST_SORTED: return kStoredFlags;
        default: return SRptTableImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptListMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTLIST_SORTED: return SREP_VT_BOOL;
        default: return SRptTableImpl::GetAttributeType(id);
    }
}

bool SRptListMem::HasAttribute(int32_t id) const {
    return id == RPTLIST_SORTED || SRptTableMem::HasAttribute(id);
}

bool SRptListMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptList || SRptTableMem::ClassIsKindOf(clsid);
}

bool SRptListMem::ClassHasCollection(int32_t id) {
    return SRptTableMem::ClassHasCollection(id);
}

HRESULT SRptListMem::FinalConstruct() {
    HRESULT hr = SRptTableImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptListRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptListImpl ----

HRESULT SRptListImpl::IsParaSupportBox(int32_t nPos) {
    return nPos == RPTTABLE_PARA_TITLE ? S_FALSE : S_OK;
}

HRESULT SRptListImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered) return E_FAIL;
    return E_NOTIMPL;
}

HRESULT SRptListImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptListImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptListImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                          SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptListImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptListRegistry ----

const SAttrEditorMap SRptListRegistry::attrEditorMap = {&SRptTableRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

// Lists are allocated one by one.
SRptListRegistry::SRptListRegistry()
    : SRepStaticRegistry(CLSID_SRptList, &attrEditorMap, &SRepComObject<SRptListImpl>::Factory,
                         &SRptListMem::ClassIsKindOf, &SRptListMem::ClassHasCollection, 1, SRptGetModuleState()) {}
