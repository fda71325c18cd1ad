#pragma once
// SRptGrpTitle: the group whose elements the module supplies through its group title procedures;
// each run of its members is preceded by a title of the module's. Its own attributes are a text
// shown in the editor and the order of the elements: the user's (true) or alphabetical.
#include "platform/base/SString.h"
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
#include "rpt/objs/items/SRptGroupMem.h"
#include "varod9/ISRptGrpTitle.h"

inline constexpr GUID CLSID_SRptGrpTitle = MakeGUID("{A6BAC8E2-B730-11D1-8898-00A02455633B}");

class SRptGrpTitleRegistry;

class SRptGrpTitleMem : public SRptGroupImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGrpTitleMem(ISRepSession* session) : SRptGroupImpl(session) {}
    SRptGrpTitleMem(const SRptGrpTitleMem& source) = default;

    SString m_text;
    bool m_userOrder = true;
};

class SRptGrpTitleImpl : public SRptPendingItemKind<SRptGrpTitleMem>, public virtual ISRptGrpTitle {
public:
    using Registry = SRptGrpTitleRegistry;

    SRPT_PROPERTIES(SRptGrpTitle)

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpTitle, SRptGrpTitleMem)

protected:
    explicit SRptGrpTitleImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptGrpTitleImpl(const SRptGrpTitleImpl& source) : SRptPendingItemKind(source) {}
};

class SRptGrpTitleRegistry : public SRptStaticRegistry<SRptGrpTitleRegistry> {
public:
    SRptGrpTitleRegistry();
    static const SAttrEditorMap attrEditorMap;
};
