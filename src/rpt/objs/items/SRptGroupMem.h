#pragma once
// SRptGroup: the abstract base of the module items that repeat their members once for each
// element the module announces (the folder and the group title). A group is a container: items
// are dropped into it as its members. During a generation the group is visited again and again,
// and it keeps the state of that walk (under way, elements announced, elements started, the
// module's word) in its own attributes.
#include <cstdint>

#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptGroup.h"

inline constexpr GUID CLSID_SRptGroup = MakeGUID("{A6BAC8DE-B730-11D1-8898-00A02455633B}");

class SRptGroupRegistry;

class SRptGroupMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_PROTOCOL

protected:
    explicit SRptGroupMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptGroupMem(const SRptGroupMem& source) = default;

    bool m_valid = false;
    int32_t m_nbItems = 0;
    int32_t m_itemIndex = 0;
    int32_t m_userParam = 0;
};

class SRptGroupImpl : public SRptGroupMem, public virtual ISRptGroup {
public:
    bool GetValid() override { return Get_BOOL(RPTGROUP_VALID, m_valid); }
    HRESULT PutValid(bool value) override { return Set_BOOL(RPTGROUP_VALID, value, m_valid); }
    int32_t GetNbItems() override { return Get_INT(RPTGROUP_NBITEMS, m_nbItems); }
    HRESULT PutNbItems(int32_t value) override { return Set_INT(RPTGROUP_NBITEMS, value, m_nbItems); }
    int32_t GetItemIndex() override { return Get_INT(RPTGROUP_ITEMINDEX, m_itemIndex); }
    HRESULT PutItemIndex(int32_t value) override { return Set_INT(RPTGROUP_ITEMINDEX, value, m_itemIndex); }
    int32_t GetUserParam() override { return Get_INT(RPTGROUP_USERPARAM, m_userParam); }
    HRESULT PutUserParam(int32_t value) override { return Set_INT(RPTGROUP_USERPARAM, value, m_userParam); }

    SREP_QUERY_CLASS_INTERFACE(ISRptGroup, SRptGroupMem)

protected:
    explicit SRptGroupImpl(ISRepSession* session) : SRptGroupMem(session) {}
    SRptGroupImpl(const SRptGroupImpl& source) : SRptGroupMem(source) {}

    // Its members are items placed under it.
    bool IsContainer() override { return true; }
};

class SRptGroupRegistry : public SRepStaticRegistry<SRptGroupRegistry> {
public:
    SRptGroupRegistry();
    static const SAttrEditorMap attrEditorMap;
};
