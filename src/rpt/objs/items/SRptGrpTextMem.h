#pragma once
// SRptGrpText: a module item whose text elements the module supplies at generation through its
// group text procedures, one node each, under a title paragraph of their own. No container: it
// has no members. Its own attribute says whether an empty text is shown.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/items/SRptPendingItemKind.h"
#include "rpt/objs/items/SRptCustomMem.h"
#include "varod9/ISRptGrpText.h"

inline constexpr GUID CLSID_SRptGrpText = MakeGUID("{A6BAC8E1-B730-11D1-8898-00A02455633B}");

class SRptGrpTextRegistry;

class SRptGrpTextMem : public SRptCustomImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptGrpTextMem(ISRepSession* session) : SRptCustomImpl(session) {}
    SRptGrpTextMem(const SRptGrpTextMem& source) = default;

    bool m_displayIfEmpty = false;
};

class SRptGrpTextImpl : public SRptPendingItemKind<SRptGrpTextMem>, public virtual ISRptGrpText {
public:
    using Registry = SRptGrpTextRegistry;

    SRPT_PROPERTIES(SRptGrpText)

    SREP_QUERY_CLASS_INTERFACE(ISRptGrpText, SRptGrpTextMem)

protected:
    explicit SRptGrpTextImpl(ISRepSession* session) : SRptPendingItemKind(session) {}
    SRptGrpTextImpl(const SRptGrpTextImpl& source) : SRptPendingItemKind(source) {}
};

class SRptGrpTextRegistry : public SRptStaticRegistry<SRptGrpTextRegistry> {
public:
    SRptGrpTextRegistry();
    static const SAttrEditorMap attrEditorMap;
};
