#include "rpt/devices/print/SRptDrawableTable.h"

#include <algorithm>
#include <new>

#include "platform/gdi/SDC.h"
#include "rpt/devices/print/SRptPageElement.h"
#include "rpt/devices/print/SRptPhysicalItem.h"

SRptDrawableTable::SRptDrawableTable(SRptPageElement* owner, ISRptPara* headingPara)
    : SRptDrawable(owner), m_heading(headingPara) {}

bool SRptDrawableTable::HasHeading() const {
    SRptPageElement* owner = GetOwner();
    SRptPhysicalItem* item = owner ? owner->GetItem() : nullptr;
    return !item || item->GetFirstElement() == nullptr || item->GetFirstElement() == owner;
}

SRptTableRowBlock* SRptDrawableTable::GetRow(int32_t row) const {
    if (row < 0 || row >= GetRowCount()) return nullptr;
    return m_rows[static_cast<size_t>(row)].get();
}

int32_t SRptDrawableTable::GetSpacingAbove(int32_t row) const {
    const SRptTableRowBlock* block = GetRow(row);
    if (!block) return 0;
    const SRptTableRowBlock* previous = GetRow(row - 1);
    return std::max(block->GetTopLineWidth(), previous ? previous->GetBottomLineWidth() : 0);
}

int32_t SRptDrawableTable::GetSpacingBelow(int32_t row) const {
    const SRptTableRowBlock* block = GetRow(row);
    if (!block) return 0;
    const SRptTableRowBlock* next = GetRow(row + 1);
    return std::max(block->GetBottomLineWidth(), next ? next->GetTopLineWidth() : 0);
}

int32_t SRptDrawableTable::GetRowHeight(int32_t row) const {
    const SRptTableRowBlock* block = GetRow(row);
    if (!block) return 0;
    return block->GetContentHeight() + GetSpacingAbove(row) + GetSpacingBelow(row);
}

void SRptDrawableTable::GetSize(SIZE* size) const {
    if (!size) return;
    const bool heading = HasHeading();
    size->cx = heading ? m_heading.GetWidth() : 0;
    size->cy = heading ? m_heading.GetHeight() : 0;
    for (int32_t i = 0; i < GetRowCount(); ++i) {
        size->cx = std::max(size->cx, m_rows[static_cast<size_t>(i)]->GetWidth());
        size->cy += GetRowHeight(i) - GetSpacingBelow(i);
    }
    if (!m_rows.empty()) size->cy += GetSpacingBelow(GetRowCount() - 1);
}

HRESULT SRptDrawableTable::Draw(SDC* dc, const POINT* origin) {
    if (!dc || !origin) return E_INVALIDARG;
    POINT at = *origin;
    HRESULT hr = S_OK;
    if (HasHeading()) {
        hr = m_heading.Draw(dc, at);
        at.y += m_heading.GetHeight();
    }
    SRptPhysicalDrawing::SDrawnEdges drawn(dc->IsPrinting());
    for (int32_t i = 0; i < GetRowCount(); ++i) {
        const SRptTableRowBlock* row = m_rows[static_cast<size_t>(i)].get();
        const int32_t height = GetRowHeight(i);
        const int32_t above = GetSpacingAbove(i);
        const int32_t below = GetSpacingBelow(i);
        int32_t x = at.x;
        for (int32_t c = 0; c < row->GetCellCount(); ++c) {
            const SRptTableCellBlock* cell = row->GetCell(c);
            const HRESULT hrCell = cell->DrawCell(dc, POINT{x, at.y}, height, above, below, i + 1 == GetRowCount(),
                                                  c == 0, c + 1 == row->GetCellCount(), drawn);
            if (FAILED(hrCell)) hr = hrCell;
            x += cell->GetOuterWidth();
        }
        at.y += height - below;
    }
    return hr;
}

HRESULT SRptDrawableTable::AddRow(int32_t spacing) {
    try {
        m_rows.push_back(std::make_unique<SRptTableRowBlock>(spacing, GetRowCount() + 1));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

HRESULT SRptDrawableTable::AddCell(ISRptPara* para, int32_t contentWidth, int16_t border, int32_t borderWidth) {
    if (m_rows.empty()) return E_INVALIDARG;
    return m_rows.back()->AddCell(para, contentWidth, border, borderWidth);
}

HRESULT SRptDrawableTable::AddCellLine(int32_t row, int32_t column, const SString& text, const SIZE& lineSize,
                                       const RECT& rect, int32_t extra, int32_t breaks,
                                       const STable<RPTTABSEGMENT>& runs) {
    SRptTableRowBlock* block = GetRow(row);
    SRptTableCellBlock* cell = block ? block->GetCell(column) : nullptr;
    if (!cell) return E_INVALIDARG;
    return cell->AddLine(text, lineSize, rect, extra, breaks, runs);
}

void SRptDrawableTable::RemoveLastRow() {
    if (!m_rows.empty()) m_rows.pop_back();
}
