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

    // The custom item's part (whose outcome is not the group's: the group reads nothing more of
    // the description), then the group's own paragraph step.
    HRESULT ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) override;

    SREP_QUERY_CLASS_INTERFACE(ISRptGroup, SRptGroupMem)

protected:
    explicit SRptGroupImpl(ISRepSession* session) : SRptGroupMem(session) {}
    // A copy carries the walk where the source has it.
    SRptGroupImpl(const SRptGroupImpl& source) : SRptGroupMem(source) {}

    // Its members are items placed under it.
    bool IsContainer() override { return true; }
    // The group owns no paragraph beyond the custom item's title.
    HRESULT SetupParagraphs() { return S_OK; }

    // For the kinds that make the custom item's title paragraph, at position 0, their own (the
    // folder, the group title): the group's step, then the stock paragraph of `fontKind` on it;
    // its name (the library's string `nameId`) and font kind, the container's for any other.
    HRESULT SetupTitleParagraph(uint32_t fontKind);
    SString GetTitleParaName(ISRptPara* pPara, uint32_t nameId);
    int32_t GetTitleParaFontID(ISRptPara* pPara, int32_t fontKind) const;
};

class SRptGroupRegistry : public SRptStaticRegistry<SRptGroupRegistry> {
public:
    SRptGroupRegistry();
    static const SAttrEditorMap attrEditorMap;
};
