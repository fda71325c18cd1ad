#include "rpt/devices/print/SRptPhysicalItemTable.h"

#include <algorithm>
#include <new>

#include "rpt/devices/helpers/SRptOutputHelperTable.h"
#include "rpt/devices/print/SRptDrawableTable.h"
#include "rpt/devices/print/SRptPageElementTable.h"
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
    m_headingsShown = 0;
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

HRESULT SRptPhysicalItemTable::LayoutTitle(int32_t width, SPageRoom& room, SRptPageElement& element, bool* done) {
    auto* drawable = static_cast<SRptDrawableTable*>(element.GetDrawable());
    HRESULT hr = S_OK;
    auto sink = [&](const SString& text, const SIZE& size, const RECT& rect, int32_t extra, int32_t breaks,
                    const STable<RPTTABSEGMENT>& runs) {
        const HRESULT added = drawable->GetHeading().AddLine(text, size, rect, extra, breaks, runs);
        element.UpdateExtent();
        return added;
    };
    int32_t available = room.start;
    int32_t placed = 0;
    *done = FlowLines(*m_headingFlow, width, &available, room.startsPage, sink, &placed, &hr);
    if (placed > 0) room.placed = room.own = true;
    return hr;
}

void SRptPhysicalItemTable::RemoveLastRow(SRptPageElement& element) {
    static_cast<SRptDrawableTable*>(element.GetDrawable())->RemoveLastRow();
    element.UpdateExtent();
}

void SRptPhysicalItemTable::ClearRows(SRptPageElement& element, SPageRoom& room) {
    auto* drawable = static_cast<SRptDrawableTable*>(element.GetDrawable());
    while (drawable->GetRowCount() > 0) drawable->RemoveLastRow();
    element.UpdateExtent();
    room.placed = room.own;
}

HRESULT SRptPhysicalItemTable::LayoutRows(SRptOutputHelperTable& helper, int32_t width, SPageRoom& room,
                                          SRptPageElement& element, int32_t* status) {
    auto* drawable = static_cast<SRptDrawableTable*>(element.GetDrawable());
    const int32_t rows = helper.GetNbRows();
    const int32_t headingRows = helper.GetNbHeadingRows();
    // Heading rows that an earlier page showed may give way on this one.
    const bool headingsShown = m_headingsShown != 0;
    int32_t row = headingRows > 0 && m_repeatHeadings ? 0 : m_nextBodyRow;
    while (row < rows) {
        const bool heading = row < headingRows;
        const bool repeated = heading && m_repeatHeadings;
        const bool fresh = repeated || m_freshCells;
        SRowResult result;
        HRESULT hr = LayoutRow(helper, row, heading, fresh, width, room.start - element.GetHeight(),
                               room.startsPage && !room.placed, element, &result);
        if (FAILED(hr)) return hr;
        if (result.complete) {
            room.placed = true;
            if (repeated && row + 1 < headingRows) {
                ++row;
                continue;
            }
            if (repeated) {
                m_headingsShown = 1;
                m_nextBodyRow = std::max(m_nextBodyRow, headingRows);
                row = m_nextBodyRow;
                continue;
            }
            room.own = true;
            m_freshCells = 1;
            m_nextBodyRow = ++row;
            continue;
        }

        *status = RPTLAYOUT_MORE;
        // Rows that are only repeated heading rows began at the page's top.
        const bool headingsOnly = room.startsPage && !room.own;
        if (repeated) {
            if (!headingsOnly) {
                // The heading rows start the next page whole.
                RemoveLastRow(element);
                return room.placed ? S_OK : S_FALSE;
            }
            // Heading rows that do not fit a page of their own are never repeated, or the table
            // would never end. Shown already, they leave this page to the body rows; else they
            // are laid out this once, across pages as a body row would be.
            m_repeatHeadings = 0;
            if (headingsShown) {
                ClearRows(element, room);
                row = m_nextBodyRow;
                continue;
            }
            m_nextBodyRow = row;
            m_freshCells = result.placed ? 0 : 1;
            if (!result.placed) {
                RemoveLastRow(element);
            }
            return room.placed || result.placed ? S_OK : S_FALSE;
        }
        ISRptTableRow* definition = helper.GetRow(row);
        const bool breaks = !heading && definition && definition->GetRowBreak();
        // On a page the table started, what fits of a row stays: waiting for a page with more
        // room would wait for ever.
        if (result.placed && (room.startsPage || breaks)) {
            m_nextBodyRow = row;
            m_freshCells = 0;
            return S_OK;
        }
        if (!result.placed && headingsOnly && headingsShown && drawable->GetRowCount() > 1) {
            // Not a line of the row fits below the repeated heading rows: this page goes without
            // them, and the row starts at its top.
            ClearRows(element, room);
            continue;
        }
        // The whole row starts the next page; its flows start again with it.
        RemoveLastRow(element);
        m_nextBodyRow = row;
        if (fresh) m_freshCells = 1;
        return room.placed ? S_OK : S_FALSE;
    }
    *status = RPTLAYOUT_DONE;
    return room.placed ? S_OK : S_FALSE;
}

HRESULT SRptPhysicalItemTable::Layout(SRptPhysicalPage*, int32_t width, int32_t available, int32_t pageHeight,
                                      SRptPageElement* element, int32_t* status) {
    if (!element || !status) return E_INVALIDARG;
    *status = RPTLAYOUT_DONE;
    SRptOutputHelperTable* helper = GetTableHelper();
    if (!helper || !m_headingFlow || helper->WritesNothing()) return S_FALSE;
    if (!element->GetDrawable()) {
        const HRESULT hr = element->CreateDrawable();
        if (FAILED(hr)) return hr;
    }
    SPageRoom room;
    room.start = available;
    room.startsPage = available >= pageHeight;
    if (!m_headingFlow->IsDone()) {
        bool done = false;
        const HRESULT hr = LayoutTitle(width, room, *element, &done);
        if (FAILED(hr)) return hr;
        if (!done) {
            // The rows wait for the whole title.
            *status = RPTLAYOUT_MORE;
            return room.placed ? S_OK : S_FALSE;
        }
    }
    return LayoutRows(*helper, width, room, *element, status);
}
