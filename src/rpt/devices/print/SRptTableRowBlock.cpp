#include "rpt/devices/print/SRptTableRowBlock.h"

#include <algorithm>
#include <new>

HRESULT SRptTableRowBlock::AddCell(ISRptPara* para, int32_t contentWidth, int16_t border, int32_t borderWidth) {
    try {
        m_cells.push_back(std::make_unique<SRptTableCellBlock>(this, para, contentWidth, border, borderWidth));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

SRptTableCellBlock* SRptTableRowBlock::GetCell(int32_t column) const {
    if (column < 0 || column >= GetCellCount()) return nullptr;
    return m_cells[static_cast<size_t>(column)].get();
}

int32_t SRptTableRowBlock::GetTopLineWidth() const {
    int32_t width = 0;
    for (const auto& cell : m_cells) width = std::max(width, cell->GetTopLineWidth());
    return width;
}

int32_t SRptTableRowBlock::GetBottomLineWidth() const {
    int32_t width = 0;
    for (const auto& cell : m_cells) width = std::max(width, cell->GetBottomLineWidth());
    return width;
}

int32_t SRptTableRowBlock::GetContentHeight() const {
    int32_t height = 0;
    for (const auto& cell : m_cells) height = std::max(height, cell->GetHeight());
    return height;
}

int32_t SRptTableRowBlock::GetWidth(int32_t cells) const {
    const size_t count = cells < 0 ? m_cells.size() : std::min(m_cells.size(), static_cast<size_t>(cells));
    int32_t width = 0;
    for (size_t i = 0; i < count; ++i) width += m_cells[i]->GetOuterWidth();
    return width;
}
