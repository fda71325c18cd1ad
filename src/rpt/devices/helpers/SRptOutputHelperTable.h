#pragma once
// A form or a list for one occurrence: a grid of cells keyed by (row, column), each grid row's
// row definition, and the counts the writers lay the grid out with.
#include <cstdint>
#include <vector>

#include "rpt/devices/helpers/RPTCELLINFO.h"
#include "rpt/devices/helpers/SRptCellInfoMap.h"
#include "rpt/devices/helpers/SRptItemMap.h"
#include "rpt/devices/helpers/SRptOutputHelperCustom.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"

struct ISRptParaContainer;
struct ISRptProcs;
struct RPTPROCCONTEXT;

class SRptOutputHelperTable : public SRptOutputHelperCustom {
public:
    using SRptOutputHelperCustom::SRptOutputHelperCustom;

    HRESULT ResolveLinks() override;
    // A grid of heading rows alone shows no data.
    bool WritesNothing() const override { return m_rows - m_headingRows <= 0; }
    // Copies the cell into `cell` and answers 0; 1 and `cell` untouched for a cell not filled.
    HRESULT GetCell(int32_t row, int32_t column, RPTCELLINFO* cell) const;
    // The whole grid, for a walk in its order.
    const SRptCellInfoMap& GetCells() const { return m_cells; }
    int32_t GetNbRows() const { return m_rows; }
    int32_t GetNbHeadingRows() const { return m_headingRows; }
    int32_t GetNbColumns() const { return m_columns; }
    // The row definition of a grid row, null for none; not counted for the caller.
    ISRptTableRow* GetRow(int32_t row);
    // The enabled cells of a row definition in collection order: a disabled cell takes no column.
    static std::vector<SComWrap<ISRptTableCell>> GetEnabledCells(ISRptTableRow* row);

protected:
    // The table's two cell formats: the labels' (column headings of a list) and the values'.
    static void GetCellFormats(ISRptParaContainer* table, SComWrap<ISRptPara>& label, SComWrap<ISRptPara>& value);
    // A cell that the template itself gives: its display name in the given format.
    void StoreLabelCell(int32_t row, int32_t column, ISRptTableCell* cell, ISRptPara* para);
    // A cell whose value the module gives for the record's occurrence: the module's text, in the
    // given format, with the object it refers to.
    void StoreModuleCell(int32_t row, int32_t column, ISRptTableCell* cell, ISRptPara* para, ISRptProcs* procs,
                         RPTPROCCONTEXT& record);

    SRptCellInfoMap m_cells;
    SRptItemMap<ISRptTableRow> m_rowMap;
    int32_t m_rows = 0;
    int32_t m_headingRows = 0;
    int32_t m_columns = 0;
};
