#pragma once
// The drawable of a form or a list on one page: the table's heading (on the table's first page
// only) and its rows. Adjacent rows share one border line: each row starts where the row above
// ends less that row's spacing below.
#include <cstdint>
#include <memory>
#include <vector>

#include "rpt/devices/print/SRptDrawable.h"
#include "rpt/devices/print/SRptParagraphLines.h"
#include "rpt/devices/print/SRptTableRowBlock.h"

class SRptDrawableTable : public SRptDrawable {
public:
    SRptDrawableTable(SRptPageElement* owner, ISRptPara* headingPara);

    void GetSize(SIZE* size) const override;
    HRESULT Draw(SDC* dc, const POINT* origin) override;

    // A row numbered after the rows already there; E_OUTOFMEMORY.
    HRESULT AddRow(int32_t spacing);
    // A cell at the end of the last row; E_INVALIDARG without a row, E_OUTOFMEMORY.
    HRESULT AddCell(ISRptPara* para, int32_t contentWidth, int16_t border, int32_t borderWidth);
    // A line of a cell (0-based row and column); E_INVALIDARG when there is no such cell.
    HRESULT AddCellLine(int32_t row, int32_t column, const SString& text, const SIZE& lineSize, const RECT& rect,
                        int32_t extra, int32_t breaks, const STable<RPTTABSEGMENT>& runs);
    // Drops the last row, as when a row moves whole to the next page.
    void RemoveLastRow();

    // The spacing above and below a row: the widest line it shares with its neighbour.
    int32_t GetSpacingAbove(int32_t row) const;
    int32_t GetSpacingBelow(int32_t row) const;
    int32_t GetRowHeight(int32_t row) const;

    SRptParagraphLines& GetHeading() { return m_heading; }
    // Whether the heading counts: only on the first page the table's item fills.
    bool HasHeading() const;
    int32_t GetRowCount() const { return static_cast<int32_t>(m_rows.size()); }
    SRptTableRowBlock* GetRow(int32_t row) const;

private:
    SRptParagraphLines m_heading;
    std::vector<std::unique_ptr<SRptTableRowBlock>> m_rows;
};
