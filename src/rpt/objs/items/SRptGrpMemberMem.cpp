#include "rpt/objs/items/SRptGrpMemberMem.h"

#include "platform/repo/SRepVariant.h"
#include "varod9/RptApi.h"

// ---- SRptGrpMemberImpl ----

void SRptGrpMemberImpl::HoldParentGroup(ISRptGroup* group) {
    if (m_parentGroup.Get() != group) m_parentGroup.Reset(group);
}

HRESULT SRptGrpMemberImpl::GetParentGroup(ISRptGroup** pParentGroup) noexcept {
    if (!pParentGroup) return E_POINTER;
    return m_parentGroup.CopyTo(pParentGroup);
}

HRESULT SRptGrpMemberImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptItemImpl::ConstructWithItemDef(pItemDef);
    HoldParentGroup(pItemDef->ParentGroup);
    const HRESULT hr = SRptItemImpl::SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptGrpMemberImpl::SetRegisteredItem(ISRptItem* pRegItem) {
    HRESULT hr = SRptItemImpl::SetRegisteredItem(pRegItem);
    if (FAILED(hr)) return hr;
    SComWrap<ISRptGrpMember> member;
    if (pRegItem) member = static_cast<IUnknown*>(pRegItem);
    if (!member) return E_POINTER;
    SComWrap<ISRptGroup> group;
    hr = member->GetParentGroup(&group);
    if (FAILED(hr)) return hr;
    HoldParentGroup(group.Get());
    return S_OK;
}

HRESULT SRptGrpMemberImpl::CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) {
    const HRESULT hr = SRptItemImpl::CanDropItemIntoParentAtPos(pIParentTargetItem, nPos);
    if (hr != S_OK) return hr;
    if (!m_parentGroup) return S_OK;
    if (!pIParentTargetItem) return S_FALSE;
    // The target stems from the group when it was copied from the group itself.
    SComWrap<ISRptItem> registered;
    pIParentTargetItem->GetRegisteredItem(&registered);
    SComWrap<ISRptGroup> group;
    if (registered) group.Assign(static_cast<IUnknown*>(registered.Get()));
    return group && m_parentGroup.IsEqualObject(static_cast<ISRepObject*>(group.Get())) ? S_OK : S_FALSE;
}
