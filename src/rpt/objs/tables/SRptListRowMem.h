#pragma once
// SRptListRow: a row of a list, whose cells are list cells: the list's columns when it is the
// first row. It adds nothing to the table row.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableRowMem.h"
#include "varod9/ISRptListRow.h"

inline constexpr GUID CLSID_SRptListRow = MakeGUID("{A6BAC8E5-B730-11D1-8898-00A02455633B}");

class SRptListRowRegistry;

class SRptListRowMem : public SRptTableRowImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptListRowMem(ISRepSession* session) : SRptTableRowImpl(session) {}
    SRptListRowMem(const SRptListRowMem& source) = default;
};

class SRptListRowImpl : public SRptListRowMem, public virtual ISRptListRow {
public:
    using Registry = SRptListRowRegistry;

    SREP_QUERY_CLASS_INTERFACE(ISRptListRow, SRptListRowMem)

protected:
    explicit SRptListRowImpl(ISRepSession* session) : SRptListRowMem(session) {}
    SRptListRowImpl(const SRptListRowImpl& source) : SRptListRowMem(source) {}
};

class SRptListRowRegistry : public SRptStaticRegistry<SRptListRowRegistry> {
public:
    SRptListRowRegistry();
    static const SAttrEditorMap attrEditorMap;
};
