#include "rpt/devices/SRptPhysicalItemTable.h"

#include <algorithm>
#include <new>

#include "rpt/devices/SRptDrawableTable.h"
#include "rpt/devices/SRptOutputHelperTable.h"
#include "rpt/devices/SRptPageElementTable.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"

SRptPhysicalItemTable::~SRptPhysicalItemTable() = default;

HRESULT SRptPhysicalItemTable::CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) {
    return MakeElement<SRptPageElementTable>(page, element);
}

HRESULT SRptPhysicalItemTable::Begin() {
    const HRESULT hr = NewItemFlow(&m_headingFlow);
    if (FAILED(hr)) return hr;
    m_nextBodyRow = 0;
    m_freshCells = 1;
    m_repeatHeadings = 1;
    return SRptPhysicalItem::Begin();
}

HRESULT SRptPhysicalItemTable::End() {
    m_headingFlow.reset();
    m_headingFlows.clear();
    m_bodyFlows.clear();
    return SRptPhysicalItem::End();
}

SRptOutputHelperTable* SRptPhysicalItemTable::GetTableHelper() const {
    return dynamic_cast<SRptOutputHelperTable*>(GetOutputHelper());
}

HRESULT SRptPhysicalItemTable::AddCells(SRptOutputHelperTable& helper, ISRptTableRow& definition, int32_t row,
                                        bool heading, bool fresh, int32_t width, SRptDrawableTable& drawable) {
    std::vector<int32_t>& widths = heading ? m_headingWidths : m_bodyWidths;
    auto& flows = heading ? m_headingFlows : m_bodyFlows;
    const SRepClassColPtr cells = definition.Cells();
    const int32_t count = cells ? cells.GetCount() : 0;
    // Room for every cell of the row, whatever the table's count says.
    widths.assign(static_cast<size_t>(std::max({count, helper.GetNbColumns(), 1})), 0);
    definition.GetCellsWidths(width, widths.data());
    if (fresh) flows.clear();
    int32_t column = 0;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptTableCell> cell;
        cell = cells.Item(position);
        if (!cell) SComThrow(E_POINTER);
        if (!cell->GetEnabled()) continue;
        RPTCELLINFO info;
        helper.GetCell(row, column, &info);
        // The grid's paragraph, as the RTF and HTML pages take it: a list's data rows are in its
        // text format, not in the heading format of the row that defines their cells.
        SComWrap<ISRptPara> para = info.Para;
        if (!para) cell->GetPara(&para);
        const int16_t border = para ? para->GetBorder() : 0;
        const int32_t borderWidth = para ? para->GetBorderWidth() : 0;
        const int32_t columnWidth = widths[static_cast<size_t>(column)];
        HRESULT hr = drawable.AddCell(para.Get(), columnWidth, border, borderWidth);
        if (FAILED(hr)) return hr;
        // The text keeps clear of the cell's borders: the column's width holds them.
        SRptTableCellBlock* block = drawable.GetRow(drawable.GetRowCount() - 1)->GetCell(column);
        block->SetContentWidth(std::max(1, columnWidth - block->GetLeftSpacing() - block->GetRightSpacing()));
        if (fresh) {
            std::unique_ptr<SRptTextFlow> flow = NewFlow(info.Text, para.Get());
            if (!flow) return E_OUTOFMEMORY;
            flows.push_back(std::move(flow));
        }
        ++column;
    }
    return S_OK;
}

HRESULT SRptPhysicalItemTable::LayoutRow(SRptOutputHelperTable& helper, int32_t row, bool heading, bool fresh,
                                         int32_t width, int32_t available, bool atTop, SRptPageElement& element,
                                         SRowResult* result) {
    auto* drawable = static_cast<SRptDrawableTable*>(element.GetDrawable());
    ISRptTableRow* definition = helper.GetRow(row);
    if (!definition) SComThrow(E_POINTER);
    HRESULT hr = drawable->AddRow(definition->GetSpBetweenCells());
    if (FAILED(hr)) return hr;
    hr = AddCells(helper, *definition, row, heading, fresh, width, *drawable);
    if (FAILED(hr)) return hr;

    const int32_t index = drawable->GetRowCount() - 1;
    const SRptTableRowBlock* block = drawable->GetRow(index);
    const int32_t room = available - drawable->GetSpacingAbove(index) - block->GetBottomLineWidth();
    auto& flows = heading ? m_headingFlows : m_bodyFlows;
    result->complete = true;
    for (int32_t column = 0; column < block->GetCellCount() && column < static_cast<int32_t>(flows.size()); ++column) {
        auto sink = [&](const SString& text, const SIZE& size, const RECT& rect, int32_t extra, int32_t breaks,
                        const STable<RPTTABSEGMENT>& runs) {
            return drawable->AddCellLine(index, column, text, size, rect, extra, breaks, runs);
        };
        int32_t cellRoom = room;
        int32_t placed = 0;
        const SRptTableCellBlock* cell = block->GetCell(column);
        const bool done = FlowLines(*flows[static_cast<size_t>(column)], cell->GetContentWidth(), &cellRoom, atTop,
                                    sink, &placed, &hr);
        if (FAILED(hr)) return hr;
        result->complete = result->complete && done;
        result->placed = result->placed || placed > 0;
    }
    element.UpdateExtent();
    return S_OK;
}

HRESULT SRptPhysicalItemTable::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                      SRptPageElement* element, int32_t* status) {
    if (!element || !status) return E_INVALIDARG;
    *status = RPTLAYOUT_DONE;
    SRptOutputHelperTable* helper = GetTableHelper();
    if (!helper || !m_headingFlow || helper->GetNbRows() - helper->GetNbHeadingRows() <= 0) return S_FALSE;
    if (!element->GetDrawable()) {
        const HRESULT hr = element->CreateDrawable();
        if (FAILED(hr)) return hr;
    }
    auto* drawable = static_cast<SRptDrawableTable*>(element->GetDrawable());
    const int32_t start = available;
    const bool startsPage = start >= pageHeight;
    bool placedAny = false;

    if (!m_headingFlow->IsDone()) {
        int32_t placed = 0;
        HRESULT hr = S_OK;
        auto sink = [&](const SString& text, const SIZE& size, const RECT& rect, int32_t extra, int32_t breaks,
                        const STable<RPTTABSEGMENT>& runs) {
            const HRESULT added = drawable->GetHeading().AddLine(text, size, rect, extra, breaks, runs);
            element->UpdateExtent();
            return added;
        };
        int32_t room = available;
        const bool done = FlowLines(*m_headingFlow, width, &room, startsPage, sink, &placed, &hr);
        if (FAILED(hr)) return hr;
        placedAny = placed > 0;
        if (!done) {
            *status = RPTLAYOUT_MORE;
            return placedAny ? S_OK : S_FALSE;
        }
    }

    const int32_t rows = helper->GetNbRows();
    const int32_t headingRows = helper->GetNbHeadingRows();
    const int32_t firstBody = std::max(m_nextBodyRow, headingRows);
    for (int32_t row = headingRows > 0 && m_repeatHeadings ? 0 : firstBody; row < rows;) {
        const bool heading = row < headingRows;
        const int32_t used = element->GetHeight();
        const bool atTop = startsPage && !placedAny;
        const bool fresh = heading || m_freshCells;
        SRowResult result;
        const HRESULT hr = LayoutRow(*helper, row, heading, fresh, width, start - used, atTop, *element, &result);
        if (FAILED(hr)) return hr;
        if (!result.complete) {
            *status = RPTLAYOUT_MORE;
            ISRptTableRow* definition = helper->GetRow(row);
            const bool staysSplit = startsPage && !placedAny ? true : !heading && definition && definition->GetRowBreak();
            if (staysSplit && result.placed) {
                placedAny = true;
                if (heading) {
                    // A heading row that does not fit a whole page is not repeated, or the table
                    // would never end.
                    m_repeatHeadings = 0;
                } else {
                    m_nextBodyRow = row;
                    m_freshCells = 0;
                }
            } else {
                drawable->RemoveLastRow();
                element->UpdateExtent();
                if (!heading) m_freshCells = 1;
            }
            return placedAny ? S_OK : S_FALSE;
        }
        placedAny = true;
        if (heading) {
            row = row + 1 < headingRows ? row + 1 : firstBody;
            continue;
        }
        m_freshCells = 1;
        m_nextBodyRow = ++row;
    }
    return placedAny ? S_OK : S_FALSE;
}
