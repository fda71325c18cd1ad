#pragma once
// SRptGrpMember: the abstract base of the items that may belong to a group registered by a host
// module (the module registers a group item, then sub-items under it). A sub-item keeps its group
// and may only be dropped into an item made from that group; a copy made from a registered
// sub-item belongs to the sub-item's group. The file, text, title and page-break items and the
// custom items derive from it.
#include <cstdint>

#include "rpt/objs/items/SRptItemMem.h"
#include "varod9/ISRptGroup.h"
#include "varod9/ISRptGrpMember.h"

inline constexpr GUID CLSID_SRptGrpMember = MakeGUID("{A6BAC8E0-B730-11D1-8898-00A02455633B}");

class SRptGrpMemberRegistry;

class SRptGrpMemberMem : public SRptItemImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGrpMemberMem(ISRepSession* session) : SRptItemImpl(session) {}
    SRptGrpMemberMem(const SRptGrpMemberMem& source) = default;

    int32_t m_displayFlag = 0;
};

class SRptGrpMemberImpl : public SRptGrpMemberMem, public virtual ISRptGrpMember {
public:
    SRPT_PROPERTIES(SRptGrpMember)
    HRESULT GetParentGroup(ISRptGroup** pParentGroup) noexcept override;

    // The item part, then the group the description names (null: none).
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;
    // The item part, then the registered member's group. E_POINTER, after the item part has
    // taken effect, for a registered item that is no group member.
    HRESULT SetRegisteredItem(ISRptItem* pRegItem) override;
    // The item's rule, then: a member of a group only into an item whose registered item is
    // that group.
    HRESULT CanDropItemIntoParentAtPos(ISRptItem* pIParentTargetItem, int32_t nPos) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpMember, SRptGrpMemberMem)

protected:
    explicit SRptGrpMemberImpl(ISRepSession* session) : SRptGrpMemberMem(session) {}
    // A copy belongs to the same group.
    SRptGrpMemberImpl(const SRptGrpMemberImpl& source) : SRptGrpMemberMem(source), m_parentGroup(source.m_parentGroup) {}

private:
    void HoldParentGroup(ISRptGroup* group);

    SComWrap<ISRptGroup> m_parentGroup;
};

class SRptGrpMemberRegistry : public SRptStaticRegistry<SRptGrpMemberRegistry> {
public:
    SRptGrpMemberRegistry();
    static const SAttrEditorMap attrEditorMap;
};
