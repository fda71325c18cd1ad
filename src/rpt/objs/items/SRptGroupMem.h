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
    SRPT_ATTRIBUTE_TABLE

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
    SRPT_PROPERTIES(SRptGroup)

    SREP_QUERY_CLASS_INTERFACE(ISRptGroup, SRptGroupMem)

protected:
    explicit SRptGroupImpl(ISRepSession* session) : SRptGroupMem(session) {}
    SRptGroupImpl(const SRptGroupImpl& source) : SRptGroupMem(source) {}

    // Its members are items placed under it.
    bool IsContainer() override { return true; }
};

class SRptGroupRegistry : public SRptStaticRegistry<SRptGroupRegistry> {
public:
    SRptGroupRegistry();
    static const SAttrEditorMap attrEditorMap;
};
