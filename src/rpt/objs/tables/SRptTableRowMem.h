#pragma once
// SRptTableRow: one row of a table item. It stores the row's layout (height and its type, left
// indent, whether it may break across pages, alignment, space between cells, heading or footing
// row, shown or not), owns its cells (Cells) and sees its table through TableFromRow. It counts
// its cells and computes the widths of the enabled ones for a paragraph width. A row is no report
// item: no paragraphs, label, browser node or commands.
#include <cstdint>

#include "platform/repo/SRepComObject.h"
#include "rpt/objs/SRptBaseMem.h"
#include "varod9/ISRptTableRow.h"

inline constexpr GUID CLSID_SRptTableRow = MakeGUID("{A6BAC8F4-B730-11D1-8898-00A02455633B}");

class SRptTableRowRegistry;

class SRptTableRowMem : public SRptBaseImpl {
public:
    SRPT_ATTRIBUTE_TABLE

protected:
    explicit SRptTableRowMem(ISRepSession* session) : SRptBaseImpl(session) {}
    SRptTableRowMem(const SRptTableRowMem& source) = default;

    int16_t m_heightType = RPTTABLEROW_HEIGHTTYPE_DEFAULT;
    int32_t m_height = 0;
    int32_t m_left = 0;
    bool m_rowBreak = false;
    int16_t m_alignment = RPTTABLEROW_ALIGNMENT_DEFAULT;
    int16_t m_spBetweenCells = RPTTABLEROW_SPBETWEENCELLS_DEFAULT;
    bool m_headingRow = false;
    bool m_footingRow = false;
    bool m_enabled = true;
};

class SRptTableRowImpl : public SRptTableRowMem, public virtual ISRptTableRow {
public:
    using Registry = SRptTableRowRegistry;

    SRPT_PROPERTIES(SRptTableRow)

    int32_t GetNbCells() override;
    HRESULT GetCellsWidths(int32_t nParaWidth, int32_t* nWidths) override;
    HRESULT GetTable(ISRptTable** pTable) override;
    // The nine layout properties from the record, each through its put; S_FALSE and nothing
    // changed for null.
    HRESULT ConstructWithRowDef(const RPTTABLEROWDEF* pRowDef) noexcept override;

    SRepClassColPtr Cells() override { return GetCollection(RPTTABLEROW_CELLS); }
    SRepClassColPtr TableFromRow() override { return GetCollection(RPTTABLEROW_TABLEFROMROW); }

    SREP_QUERY_CLASS_INTERFACE(ISRptTableRow, SRptTableRowMem)

protected:
    explicit SRptTableRowImpl(ISRepSession* session) : SRptTableRowMem(session) {}
    SRptTableRowImpl(const SRptTableRowImpl& source) : SRptTableRowMem(source) {}
};

class SRptTableRowRegistry : public SRptStaticRegistry<SRptTableRowRegistry> {
public:
    SRptTableRowRegistry();
    static const SAttrEditorMap attrEditorMap;
};
