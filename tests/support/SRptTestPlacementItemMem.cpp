#include "support/SRptTestPlacementItemMem.h"

#include "varod9/RptApi.h"

SRptTestPlacementItemImpl* SRptTestPlacementItemImpl::From(IUnknown* object) {
    SComWrap<ISRepObject> repObject;
    repObject.Assign(object);
    return dynamic_cast<SRptTestPlacementItemImpl*>(SRepObjectMem::FromObject(repObject.Get()));
}

void* SRptTestPlacementItemImpl::InternalQueryInterface(const GUID& riid) {
    if (void* face = SRptTestItemImpl::InternalQueryInterface(riid)) return face;
    if (riid == ISRptAddToContents::iid) return static_cast<ISRptAddToContents*>(this);
    return nullptr;
}

void SRptTestPlacementItemImpl::Record(const std::string& event) noexcept {
    if (log) log->events.push_back(event);
}

HRESULT SRptTestPlacementItemImpl::Hook(const char* name, HRESULT result) noexcept {
    SComWrap<ISRptItem> parent;
    GetParentItem(&parent);
    Record(std::string(name) + " " + GetLabel().str() + " parent=" + (parent ? "1" : "0") +
           " inTemplate=" + (GetInTemplate() ? "1" : "0"));
    if (log) log->hooked.emplace_back(static_cast<ISRptItem*>(this));
    return result;
}

HRESULT SRptTestPlacementItemImpl::CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) {
    if (!droppable) return S_FALSE;
    return SRptTestItemImpl::CanDropItemIntoParentAtPos(pIParentTargetItem, nPos);
}

HRESULT SRptTestPlacementItemImpl::Duplicate(ISRepSession* session, uint32_t flags, SRepObjectMap* map,
                                             ISRepObject** copy) noexcept {
    if (!givesNoCopy) return SRptTestItemImpl::Duplicate(session, flags, map, copy);
    if (copy) *copy = nullptr;
    return S_OK;
}

HRESULT SRptTestPlacementItemImpl::Delete() noexcept {
    Record("delete " + GetLabel().str());
    if (refusedDelete != S_OK) {
        const HRESULT refused = refusedDelete;
        refusedDelete = S_OK;
        return refused;
    }
    return SRptTestItemImpl::Delete();
}

const SAttrEditorMap SRptTestPlacementItemRegistry::attrEditorMap = {&SRptTestItemRegistry::attrEditorMap,
                                                                     SREP_NO_ATTR_EDITORS};

SRptTestPlacementItemRegistry::SRptTestPlacementItemRegistry()
    : SRepStaticRegistry(CLSID_SRptTestPlacementItem, &attrEditorMap,
                         &SRepComObject<SRptTestPlacementItemImpl>::Factory, &SRptTestPlacementItemImpl::ClassIsKindOf,
                         &SRptGrpMemberMem::ClassHasCollection, 1, SRptGetModuleState()) {}
