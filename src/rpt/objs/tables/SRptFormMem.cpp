#include "rpt/objs/tables/SRptFormMem.h"

#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptFormMem", "SRptFormMem");
}  // namespace

// ---- SRptFormMem: no attribute of its own ----

HRESULT SRptFormMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&] { return SRptTableImpl::GetAttribute(id, value); });
}

HRESULT SRptFormMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&] { return SRptTableImpl::SetAttribute(id, value); });
}

HRESULT SRptFormMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&] { return SRptTableImpl::GetAttributeDefault(id, value); });
}

uint32_t SRptFormMem::GetAttributeFlags(int32_t id) const {
    return id == -1 ? 0 : SRptTableImpl::GetAttributeFlags(id);
}

uint32_t SRptFormMem::GetAttributeType(int32_t id) const {
    return id == -1 ? 0 : SRptTableImpl::GetAttributeType(id);
}

bool SRptFormMem::HasAttribute(int32_t id) const {
    return SRptTableMem::HasAttribute(id);
}

bool SRptFormMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptForm || SRptTableMem::ClassIsKindOf(clsid);
}

bool SRptFormMem::ClassHasCollection(int32_t id) {
    return SRptTableMem::ClassHasCollection(id);
}

HRESULT SRptFormMem::FinalConstruct() {
    HRESULT hr = SRptTableImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptFormRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptFormImpl ----

HRESULT SRptFormImpl::IsParaSupportBox(int32_t nPos) {
    return nPos == RPTTABLE_PARA_CELLTITLE ? S_OK : S_FALSE;
}

HRESULT SRptFormImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered) return E_FAIL;
    return E_NOTIMPL;
}

HRESULT SRptFormImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    return E_NOTIMPL;
}

HRESULT SRptFormImpl::IsItemSupportCommand(uint32_t) {
    return S_FALSE;
}

HRESULT SRptFormImpl::OnCreateBrowserNode(ISBrowserView*, uint32_t, ISBrowserNode*, ISBrowserNode*, int32_t, bool,
                                          SRptBrowserNodeItem**) {
    return E_NOTIMPL;
}

HRESULT SRptFormImpl::OnHandlePopupCommand(uint32_t, const SComTable<ISRepObject>&, SWnd*) {
    return S_FALSE;
}

// ---- SRptFormRegistry ----

const SAttrEditorMap SRptFormRegistry::attrEditorMap = {&SRptTableRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptFormRegistry::SRptFormRegistry()
    : SRepStaticRegistry(CLSID_SRptForm, &attrEditorMap, &SRepComObject<SRptFormImpl>::Factory,
                         &SRptFormMem::ClassIsKindOf, &SRptFormMem::ClassHasCollection, 1, SRptGetModuleState()) {
    UseAllocator(sizeof(SRepComObject<SRptFormImpl>), 10, "SRptForm");
}
