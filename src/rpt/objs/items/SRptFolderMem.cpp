#include "rpt/objs/items/SRptFolderMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptFolderMem", "SRptFolderMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptFolderMem: the attribute protocol ----

HRESULT SRptFolderMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTFOLDER_TEXT: value->SetText(m_text); return S_OK;
            case RPTFOLDER_NBMAXLEVELS: value->SetInt(m_nbMaxLevels); return S_OK;
            default: return SRptGroupImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptFolderMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTFOLDER_TEXT: return VSet_TEXT(id, value, m_text);
            case RPTFOLDER_NBMAXLEVELS: return VSet_INT(id, value, m_nbMaxLevels);
            default: return SRptGroupImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptFolderMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTFOLDER_TEXT: value->SetText(SString()); return S_OK;
            case RPTFOLDER_NBMAXLEVELS: value->SetInt(-1); return S_OK;
            default: return SRptGroupImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptFolderMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFOLDER_TEXT:
        case RPTFOLDER_NBMAXLEVELS: return kStoredFlags;
        default: return SRptGroupImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptFolderMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTFOLDER_TEXT: return SREP_VT_TEXT;
        case RPTFOLDER_NBMAXLEVELS: return SREP_VT_INT;
        default: return SRptGroupImpl::GetAttributeType(id);
    }
}

bool SRptFolderMem::HasAttribute(int32_t id) const {
    return id == RPTFOLDER_TEXT || id == RPTFOLDER_NBMAXLEVELS || SRptGroupMem::HasAttribute(id);
}

bool SRptFolderMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptFolder || SRptGroupMem::ClassIsKindOf(clsid);
}

bool SRptFolderMem::ClassHasCollection(int32_t id) {
    return SRptGroupMem::ClassHasCollection(id);
}

HRESULT SRptFolderMem::FinalConstruct() {
    HRESULT hr = SRptGroupImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptFolderRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptFolderImpl ----

HRESULT SRptFolderImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptFolderImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptFolderImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                            SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptFolderImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptFolderRegistry ----

const SAttrEditorMap SRptFolderRegistry::attrEditorMap = {&SRptGroupRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptFolderRegistry::SRptFolderRegistry()
    : SRepStaticRegistry(CLSID_SRptFolder, &attrEditorMap, &SRepComObject<SRptFolderImpl>::Factory,
                         &SRptFolderMem::ClassIsKindOf, &SRptFolderMem::ClassHasCollection, 1, SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptFolderImpl>), 10, "SRptFolder");
}
