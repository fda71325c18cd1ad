// Lists and forms as RTF tables: per row a row definition (heading mark, gap, left edge, the
// borders and right edge of each enabled cell) and then the row's cells, each a paragraph of the
// cell's format; a plain paragraph in the default text font closes the table.
#include <algorithm>
#include <vector>

#include "platform/com/SComThrow.h"
#include "rpt/devices/SRptGenerationNode.h"
#include "rpt/devices/SRptOutputHelperTable.h"
#include "rpt/devices/SRptRtfDevice.h"
#include "rpt/module/SRptFont.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptParaContainer.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTemplate.h"

namespace {

// The table's paragraph formats of its label cells and of its other cells.
constexpr int32_t kLabelFormat = 1;
constexpr int32_t kItemFormat = 2;

// The sides of a cell in the order their words are written, with their border bits.
struct SCellSide {
    int16_t bit;
    const char* word;
};
constexpr SCellSide kSides[] = {
    {2, "\\clbrdrt\\brdrs\\brdrw%ld "},
    {8, "\\clbrdrb\\brdrs\\brdrw%ld "},
    {1, "\\clbrdrl\\brdrs\\brdrw%ld "},
    {4, "\\clbrdrr\\brdrs\\brdrw%ld "},
};

// The enabled test of each of a row's cells, in collection order; a cell that is not one is
// thrown as E_POINTER.
std::vector<bool> EnabledCells(ISRptTableRow* row) {
    std::vector<bool> enabled;
    const SRepClassColPtr cells = row->Cells();
    const int32_t count = cells ? cells.GetCount() : 0;
    for (int32_t position = 0; position < count; ++position) {
        SComWrap<ISRptTableCell> cell;
        cell = cells.Item(position);
        if (!cell) SComThrow(E_POINTER);
        enabled.push_back(cell->GetEnabled());
    }
    return enabled;
}

// The paragraph at a position of a table's paragraphs, or null.
SComWrap<ISRptPara> FormatOf(ISRptTable* table, int32_t position) {
    SComWrap<ISRptParaContainer> container;
    container = table;
    SComWrap<ISRptPara> para;
    if (container) container->GetParaAtPos(position, &para);
    return para;
}

// Which outer edges of the table a cell stands on.
struct SCellEdges {
    bool top = false;
    bool bottom = false;
    bool left = false;
    bool right = false;

    bool On(int16_t bit) const {
        switch (bit) {
            case 2: return top;
            case 8: return bottom;
            case 1: return left;
            default: return right;
        }
    }
};

}  // namespace

HRESULT SRptRtfDevice::WriteTable(ISRptTable* pTable, SRptGenerationNode* pNode) {
    if (!pTable || !pNode) return E_INVALIDARG;
    auto* helper = dynamic_cast<SRptOutputHelperTable*>(pNode->GetOutputHelper());
    if (!helper) return S_OK;

    SComWrap<ISRptTemplate> owner;
    pTable->GetTemplate(&owner);
    if (!owner) SComThrow(E_POINTER);
    const POINT paper = owner->GetPaperSize();
    const RECT margin = owner->GetMargin();
    const int32_t width = paper.x - margin.left - margin.right;

    const int32_t rows = helper->GetNbRows();
    const int32_t headingRows = helper->GetNbHeadingRows();
    if (rows - headingRows <= 0) return S_OK;

    const HRESULT hr = WriteHeading(pTable, pNode);
    if (FAILED(hr)) return hr;
    WriteLine();
    m_bInTable = 1;
    const int32_t maxCells = pTable->GetNbMaxCells();
    for (int32_t i = 0; i < rows; ++i) {
        ISRptTableRow* row = helper->GetRow(i);
        if (!row) SComThrow(E_POINTER);
        // Room for every cell of the row, whatever the table's count says, so that a row with
        // more cells than the table knows of cannot write past the array.
        std::vector<int32_t> widths(static_cast<size_t>(std::max({maxCells, row->GetNbCells(), 1})), 0);
        row->GetCellsWidths(width, widths.data());
        WriteRowDefinition(row, widths.data(), i, rows, i < headingRows);

        int32_t column = 0;
        for (bool enabled : EnabledCells(row)) {
            if (!enabled) continue;
            RPTCELLINFO cell;
            if (helper->GetCell(i, column, &cell) == S_OK && cell.Para) {
                ParaText(cell.Para.Get(), RPTPARATEXT_PARA_BEGIN);
                m_nPrevBorder = 0;
                ParaText(cell.Para.Get(), RPTPARATEXT_CHARS_BEGIN);
                WriteText(cell.Text, RTFTEXT_ITEM);
                ParaText(cell.Para.Get(), RPTPARATEXT_CHARS_END);
            }
            WriteText("\\cell", RTFTEXT_RAW);
            ++column;
        }
        WriteText("\\pard\\intbl\\row", RTFTEXT_RAW);
        WriteLine();
    }
    m_bInTable = 0;
    SString closing;
    closing.Format("\\f%d\\fs%d ", 0, 2 * SRptFont::GetDefaultFontHeight(SRptFont::RPT_FONT_TEXT));
    WriteText("\\pard\\plain ", RTFTEXT_RAW);
    WriteText(closing, RTFTEXT_RAW);
    WriteText("\\par", RTFTEXT_RAW);
    return S_OK;
}

HRESULT SRptRtfDevice::WriteRowDefinition(ISRptTableRow* pRow, const int32_t* pWidths, int32_t nRow, int32_t nRows,
                                          bool bHeading) {
    if (!pRow || !pWidths) return E_INVALIDARG;
    SComWrap<ISRptTable> table;
    pRow->GetTable(&table);
    if (!table) return S_FALSE;
    SComWrap<ISRptTemplate> owner;
    table->GetTemplate(&owner);
    if (!owner || !owner->GetParentReport()) return S_FALSE;
    const SComWrap<ISRptPara> labelFormat = FormatOf(table.Get(), kLabelFormat);
    const SComWrap<ISRptPara> itemFormat = FormatOf(table.Get(), kItemFormat);
    if (!labelFormat || !itemFormat) return S_FALSE;

    if (bHeading) {
        WriteLine();
        WriteText("\\trhdr", RTFTEXT_RAW);
        WriteLine();
    }
    const int32_t gap = static_cast<int32_t>(pRow->GetSpBetweenCells() * 56.693 + 0.5) / 100;
    SString defaults;
    defaults.Format("\\trowd\\trgaph%ld\\trleft%ld", gap / 2, gap / 2);
    WriteLine();
    WriteText(defaults, RTFTEXT_RAW);
    WriteLine();

    SComWrap<ISRptList> list;
    list = table.Get();
    const std::vector<bool> enabled = EnabledCells(pRow);
    const auto first = std::find(enabled.begin(), enabled.end(), true);
    const auto last = std::find(enabled.rbegin(), enabled.rend(), true);
    int32_t column = 0;
    int32_t right = 0;
    for (size_t position = 0; position < enabled.size(); ++position) {
        if (!enabled[position]) continue;
        const bool isFirst = static_cast<size_t>(first - enabled.begin()) == position;
        const bool isLast = enabled.size() - 1 - static_cast<size_t>(last - enabled.rbegin()) == position;
        ISRptPara* format = nullptr;
        SCellEdges edges;
        if (list) {
            format = nRow == 0 ? labelFormat.Get() : itemFormat.Get();
            edges = {nRow == 0, bHeading || nRow + 1 == nRows, isFirst, isLast};
        } else {
            format = isFirst ? labelFormat.Get() : itemFormat.Get();
            edges = {nRow == 0, nRow + 1 == nRows, true, true};
        }
        if (!format->GetBox()) edges = SCellEdges();
        const int16_t border = format->GetBorder();
        const int32_t borderWidth = format->GetBorderWidth();
        const int32_t boxWidth = format->GetBoxWidth();
        SString words;
        for (const SCellSide& side : kSides) {
            const bool flag = (border & side.bit) != 0;
            const bool edge = edges.On(side.bit);
            if (!flag && !edge) continue;
            const int32_t sideWidth = flag && edge ? std::max(borderWidth, boxWidth) : flag ? borderWidth : boxWidth;
            SString word;
            word.Format(side.word, sideWidth);
            words += word;
        }
        right += ToTwips(pWidths[column]);
        SString edge;
        edge.Format("\\cellx%ld", right);
        WriteText(words + edge, RTFTEXT_RAW);
        WriteLine();
        ++column;
    }
    return S_OK;
}
