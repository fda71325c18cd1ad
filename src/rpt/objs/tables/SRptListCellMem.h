#pragma once
// SRptListCell: a cell of a list row, a column of the list when in its first row. The module says
// whether the column may serve as a sort key (Sortable); the user says whether it does (Sorted).
// Nothing here ties the two together.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableCellMem.h"
#include "varod9/ISRptListCell.h"

inline constexpr GUID CLSID_SRptListCell = MakeGUID("{A6BAC8E6-B730-11D1-8898-00A02455633B}");

class SRptListCellRegistry;

class SRptListCellMem : public SRptTableCellImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptListCellMem(ISRepSession* session) : SRptTableCellImpl(session) {}
    SRptListCellMem(const SRptListCellMem& source) = default;

    bool m_sortable = false;
    bool m_sorted = false;
};

class SRptListCellImpl : public SRptListCellMem, public virtual ISRptListCell {
public:
    using Registry = SRptListCellRegistry;

    SRPT_PROPERTIES(SRptListCell)

    // The table cell's construction, then Sortable from a list's record (size 48): S_OK. S_FALSE
    // and Sortable as it was for a record of another size or none.
    HRESULT ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept override;

    SREP_QUERY_CLASS_INTERFACE(ISRptListCell, SRptListCellMem)

protected:
    explicit SRptListCellImpl(ISRepSession* session) : SRptListCellMem(session) {}
    SRptListCellImpl(const SRptListCellImpl& source) : SRptListCellMem(source) {}
};

class SRptListCellRegistry : public SRptStaticRegistry<SRptListCellRegistry> {
public:
    SRptListCellRegistry();
    static const SAttrEditorMap attrEditorMap;
};
