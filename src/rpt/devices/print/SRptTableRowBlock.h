#pragma once
// One row of a table on one page: its cells left to right, its spacing between cells and its
// 1-based number in the table drawable.
#include <cstdint>
#include <memory>
#include <vector>

#include "rpt/devices/print/SRptTableCellBlock.h"

class SRptTableRowBlock {
public:
    SRptTableRowBlock(int32_t spacing, int32_t number) : m_spacing(spacing), m_number(number) {}
    SRptTableRowBlock(const SRptTableRowBlock&) = delete;
    SRptTableRowBlock& operator=(const SRptTableRowBlock&) = delete;

    // Appends a cell; E_OUTOFMEMORY.
    HRESULT AddCell(ISRptPara* para, int32_t contentWidth, int16_t border, int32_t borderWidth);
    SRptTableCellBlock* GetCell(int32_t column) const;
    int32_t GetCellCount() const { return static_cast<int32_t>(m_cells.size()); }

    // The widest line along the row's top and along its bottom.
    int32_t GetTopLineWidth() const;
    int32_t GetBottomLineWidth() const;
    // The tallest cell's lines.
    int32_t GetContentHeight() const;
    // The outer widths of the first `cells` cells (-1: all).
    int32_t GetWidth(int32_t cells = -1) const;

    int32_t GetSpacing() const { return m_spacing; }
    int32_t GetNumber() const { return m_number; }

private:
    std::vector<std::unique_ptr<SRptTableCellBlock>> m_cells;
    int32_t m_spacing;
    int32_t m_number;
};
