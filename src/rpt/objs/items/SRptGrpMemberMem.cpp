#include "rpt/objs/items/SRptGrpMemberMem.h"

#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptAttributeGuard.h"
#include "varod9/RptApi.h"

namespace {
constexpr SRptAttributeGuard kGuard("RPT\\Objs\\SRptGrpMemberMem", "SRptGrpMemberMem");
constexpr uint32_t kStoredFlags = 0x8;
}  // namespace

// ---- SRptGrpMemberMem: the attribute protocol ----

HRESULT SRptGrpMemberMem::GetAttribute(int32_t id, SRepVariant* value) {
    return kGuard.Get(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPMEMBER_DISPLAYFLAG: value->SetInt(m_displayFlag); return S_OK;
            default: return SRptItemImpl::GetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpMemberMem::SetAttribute(int32_t id, const SRepVariant& value) {
    return kGuard.Set(id, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPMEMBER_DISPLAYFLAG: return VSet_INT(id, value, m_displayFlag);
            default: return SRptItemImpl::SetAttribute(id, value);
        }
    });
}

HRESULT SRptGrpMemberMem::GetAttributeDefault(int32_t id, SRepVariant* value) {
    return kGuard.Default(id, value, [&]() -> HRESULT {
        switch (id) {
            case RPTGRPMEMBER_DISPLAYFLAG: value->SetInt(0); return S_OK;
            default: return SRptItemImpl::GetAttributeDefault(id, value);
        }
    });
}

uint32_t SRptGrpMemberMem::GetAttributeFlags(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPMEMBER_DISPLAYFLAG: return kStoredFlags;
        default: return SRptItemImpl::GetAttributeFlags(id);
    }
}

uint32_t SRptGrpMemberMem::GetAttributeType(int32_t id) const {
    switch (id) {
        case -1: return 0;
        case RPTGRPMEMBER_DISPLAYFLAG: return SREP_VT_INT;
        default: return SRptItemImpl::GetAttributeType(id);
    }
}

bool SRptGrpMemberMem::HasAttribute(int32_t id) const {
    return id == RPTGRPMEMBER_DISPLAYFLAG || SRptItemMem::HasAttribute(id);
}

bool SRptGrpMemberMem::ClassIsKindOf(const GUID& clsid) {
    return clsid == CLSID_SRptGrpMember || SRptItemMem::ClassIsKindOf(clsid);
}

bool SRptGrpMemberMem::ClassHasCollection(int32_t id) {
    return SRptItemMem::ClassHasCollection(id);
}

HRESULT SRptGrpMemberMem::FinalConstruct() {
    HRESULT hr = SRptItemImpl::FinalConstruct();
    if (FAILED(hr)) return hr;
    SRptGrpMemberRegistry::MarkClassInitialised();
    return S_OK;
}

// ---- SRptGrpMemberImpl ----

void SRptGrpMemberImpl::HoldParentGroup(ISRptGroup* group) {
    if (m_parentGroup.Get() != group) m_parentGroup.Reset(group);
}

HRESULT SRptGrpMemberImpl::GetParentGroup(ISRptGroup** pParentGroup) {
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

// ---- SRptGrpMemberRegistry ----

const SAttrEditorMap SRptGrpMemberRegistry::attrEditorMap = {&SRptItemRegistry::attrEditorMap, SREP_NO_ATTR_EDITORS};

SRptGrpMemberRegistry::SRptGrpMemberRegistry()
    : SRepStaticRegistry(CLSID_SRptGrpMember, &attrEditorMap, nullptr, &SRptGrpMemberMem::ClassIsKindOf,
                         &SRptGrpMemberMem::ClassHasCollection, 1, SRptGetModuleState()) {}
