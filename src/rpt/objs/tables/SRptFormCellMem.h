#pragma once
// SRptFormCell: a cell of a form row. The form reads its Keyword, CellID and title path to
// identify its rows and writes the path back; the row joins the names of its cells that are not
// keyword cells. It adds nothing to the table cell.
#include "platform/repo/SRepComObject.h"
#include "rpt/objs/tables/SRptTableCellMem.h"
#include "varod9/ISRptFormCell.h"

inline constexpr GUID CLSID_SRptFormCell = MakeGUID("{A6BAC8D8-B730-11D1-8898-00A02455633B}");

class SRptFormCellRegistry;

class SRptFormCellMem : public SRptTableCellImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptFormCellMem(ISRepSession* session) : SRptTableCellImpl(session) {}
    SRptFormCellMem(const SRptFormCellMem& source) = default;
};

class SRptFormCellImpl : public SRptFormCellMem, public virtual ISRptFormCell {
public:
    using Registry = SRptFormCellRegistry;

    // The table cell's construction, whose S_FALSE for no description is no failure here: S_OK.
    HRESULT ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept override;

    SREP_QUERY_CLASS_INTERFACE(ISRptFormCell, SRptFormCellMem)

protected:
    explicit SRptFormCellImpl(ISRepSession* session) : SRptFormCellMem(session) {}
    SRptFormCellImpl(const SRptFormCellImpl& source) : SRptFormCellMem(source) {}
};

class SRptFormCellRegistry : public SRptStaticRegistry<SRptFormCellRegistry> {
public:
    SRptFormCellRegistry();
    static const SAttrEditorMap attrEditorMap;
};
