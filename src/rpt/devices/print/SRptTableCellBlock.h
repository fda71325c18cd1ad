#pragma once
// One cell of a table row on one page: the cell's lines (a paragraph block), its content width,
// its border bits and width, and its box as its paragraph gives it.
#include <cstdint>

#include "rpt/devices/print/SRptParagraphLines.h"
#include "rpt/devices/print/SRptPhysicalDrawing.h"

class SRptTableRowBlock;

class SRptTableCellBlock : public SRptParagraphLines {
public:
    // Reads the box and whether the paragraph belongs to a list from `para`.
    SRptTableCellBlock(SRptTableRowBlock* row, ISRptPara* para, int32_t contentWidth, int16_t border,
                       int32_t borderWidth);

    // The room left of the text and right of it: half the row's spacing, or, on a side with a
    // border or around a boxed cell, the half of the widest line there when that is more.
    int32_t GetLeftSpacing() const;
    int32_t GetRightSpacing() const;
    int32_t GetOuterWidth() const { return GetLeftSpacing() + m_contentWidth + GetRightSpacing(); }
    // The widest line drawn along the top (0x02, 0x10) or the bottom (0x08) of the cell.
    int32_t GetTopLineWidth() const;
    int32_t GetBottomLineWidth() const;

    // The cell at `origin` (its top-left corner) in a row of `rowHeight`: its text, its borders,
    // and its box edges by its place in the table (`rowNumber` 1-based, `lastRow`, `firstCell`,
    // `lastCell`), each edge that `drawn` does not hold yet. The text's result.
    HRESULT DrawCell(SDC* dc, const POINT& origin, int32_t rowHeight, int32_t spacingAbove, int32_t spacingBelow,
                     bool lastRow, bool firstCell, bool lastCell, SRptPhysicalDrawing::SDrawnEdges& drawn) const;

    SRptTableRowBlock* GetRow() const { return m_row; }
    int32_t GetContentWidth() const { return m_contentWidth; }
    void SetContentWidth(int32_t width) { m_contentWidth = width; }
    int16_t GetBorder() const { return m_border; }
    int32_t GetBorderWidth() const { return m_borderWidth; }
    int32_t GetBoxWidth() const { return m_boxWidth; }

private:
    int32_t SideSpacing(int16_t bit) const;
    HRESULT DrawText(SDC& dc, const POINT& origin, const RECT& clip) const;

    SRptTableRowBlock* m_row;
    int32_t m_contentWidth;
    int16_t m_border;
    int32_t m_borderWidth;
    bool m_box = false;
    int32_t m_boxWidth = 0;
    bool m_inList = false;
};
