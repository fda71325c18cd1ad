// Lists and forms as RTF tables: per row a row definition (gap, left edge, heading mark, the
// borders and right edge of each enabled cell) and then the row's cells, each a paragraph of the
// cell's format; a plain paragraph in the default text font closes the table.
#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>
#include <vector>

#include "platform/com/SComThrow.h"
#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/helpers/SRptOutputHelperTable.h"
#include "rpt/devices/rtf/SRptRtfDevice.h"
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
    {2, "\\clbrdrt\\brdrs\\brdrw"},
    {8, "\\clbrdrb\\brdrs\\brdrw"},
    {1, "\\clbrdrl\\brdrs\\brdrw"},
    {4, "\\clbrdrr\\brdrs\\brdrw"},
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

// The cell borders of a label or item format, read once per table.
struct SCellFormat {
    bool box = false;
    int16_t border = 0;
    int32_t borderWidth = 0;
    int32_t boxWidth = 0;
};

// What a table's row definitions are made of: whether it is a list, and its two cell formats.
// Not valid when the table has no template or report, or lacks a format.
struct STableFormats {
    bool valid = false;
    bool list = false;
    SCellFormat label;
    SCellFormat item;
};

SCellFormat CellFormatOf(ISRptPara* para) {
    return {para->GetBox() != 0, para->GetBorder(), para->GetBorderWidth(), para->GetBoxWidth()};
}

STableFormats TableFormatsOf(ISRptTable* table) {
    STableFormats formats;
    if (!table) return formats;
    SComWrap<ISRptTemplate> owner;
    table->GetTemplate(&owner);
    if (!owner || !owner->GetParentReport()) return formats;
    const SComWrap<ISRptPara> labelFormat = FormatOf(table, kLabelFormat);
    const SComWrap<ISRptPara> itemFormat = FormatOf(table, kItemFormat);
    if (!labelFormat || !itemFormat) return formats;
    SComWrap<ISRptList> list;
    list = table;
    formats.list = static_cast<bool>(list);
    formats.label = CellFormatOf(labelFormat.Get());
    formats.item = CellFormatOf(itemFormat.Get());
    formats.valid = true;
    return formats;
}

// A row's definition: gap and left edge, heading mark, per enabled cell its borders and right
// edge (`widths` by column number, hundredths of a millimetre).
void RowDefinitionText(const STableFormats& formats, int32_t cellGap, const std::vector<bool>& enabled,
                       const int32_t* widths, int32_t nRow, int32_t nRows, bool heading, std::string& out) {
    const int32_t gap = static_cast<int32_t>(cellGap * 56.693 + 0.5) / 100;
    out += "\r\n\\trowd\\trgaph";
    SRptRtfEscaper::AppendNumber(gap / 2, out);
    out += "\\trleft";
    SRptRtfEscaper::AppendNumber(gap / 2, out);
    // "\trowd" resets every row property: the heading mark, which makes readers repeat the row
    // at the top of each page the table continues on, comes after it.
    if (heading) out += "\\trhdr";
    out += "\r\n";

    const auto first = std::find(enabled.begin(), enabled.end(), true);
    const auto last = std::find(enabled.rbegin(), enabled.rend(), true);
    int32_t column = 0;
    int32_t right = 0;
    for (size_t position = 0; position < enabled.size(); ++position) {
        if (!enabled[position]) continue;
        const bool isFirst = static_cast<size_t>(first - enabled.begin()) == position;
        const bool isLast = enabled.size() - 1 - static_cast<size_t>(last - enabled.rbegin()) == position;
        const SCellFormat* format = nullptr;
        SCellEdges edges;
        if (formats.list) {
            format = nRow == 0 ? &formats.label : &formats.item;
            edges = {nRow == 0, heading || nRow + 1 == nRows, isFirst, isLast};
        } else {
            format = isFirst ? &formats.label : &formats.item;
            edges = {nRow == 0, nRow + 1 == nRows, true, true};
        }
        if (!format->box) edges = SCellEdges();
        for (const SCellSide& side : kSides) {
            const bool flag = (format->border & side.bit) != 0;
            const bool edge = edges.On(side.bit);
            if (!flag && !edge) continue;
            const int32_t sideWidth = flag && edge ? std::max(format->borderWidth, format->boxWidth)
                                      : flag      ? format->borderWidth
                                                  : format->boxWidth;
            out += side.word;
            SRptRtfEscaper::AppendNumber(sideWidth, out);
            out += ' ';
        }
        right += SRptRtfDevice::ToTwips(widths[column]);
        out += "\\cellx";
        SRptRtfEscaper::AppendNumber(right, out);
        out += "\r\n";
        ++column;
    }
}

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

    if (helper->WritesNothing()) return S_OK;
    const int32_t rows = helper->GetNbRows();
    const int32_t headingRows = helper->GetNbHeadingRows();

    const HRESULT hr = WriteHeading(pTable, pNode);
    if (FAILED(hr)) return hr;
    WriteLine();
    m_bInTable = 1;
    // Nothing but this table's own writing happens until its end, so what its rows and cells
    // come to may be kept for the other rows and cells that share them.
    struct SMemoScope {
        SRptRtfDevice& device;
        explicit SMemoScope(SRptRtfDevice& d) : device(d) { device.m_tableMemo = true; }
        ~SMemoScope() {
            device.m_tableMemo = false;
            device.m_paraWords.clear();
            device.m_charWords.clear();
        }
    } memo(*this);
    // Row definitions by (row, top, bottom, heading) and enabled cells by row.
    std::map<std::tuple<ISRptTableRow*, bool, bool, bool>, std::string> rowDefinitions;
    std::unordered_map<ISRptTableRow*, std::vector<bool>> rowCells;
    const int32_t maxCells = pTable->GetNbMaxCells();
    const STableFormats formats = TableFormatsOf(pTable);
    // Cells are written in the grid's own order (rows, then columns), so each is reached by
    // stepping on from the one before rather than by a search of the whole grid.
    const SRptCellInfoMap& grid = helper->GetCells();
    SRptCellInfoMap::Node cursor = grid.GetFirst();
    const auto findCell = [&](int32_t row, int32_t column) -> const RPTCELLINFO* {
        const RPTCELLKEY wanted{row, column};
        while (cursor && SRptCellInfoMap::Compare()(cursor.GetKey(), wanted) < 0) cursor = grid.GetNext(cursor);
        if (!cursor || cursor.GetKey().row != row || cursor.GetKey().column != column) return nullptr;
        return &cursor.GetValue();
    };
    for (int32_t i = 0; i < rows; ++i) {
        ISRptTableRow* row = helper->GetRow(i);
        if (!row) SComThrow(E_POINTER);
        auto cells = rowCells.find(row);
        if (cells == rowCells.end()) cells = rowCells.emplace(row, EnabledCells(row)).first;
        const std::vector<bool>& enabled = cells->second;

        auto [definition, added] = rowDefinitions.try_emplace({row, i == 0, i + 1 == rows, i < headingRows});
        if (added && formats.valid) {
            // Room for every cell of the row, whatever the table's count says, so that a row with
            // more cells than the table knows of cannot write past the array.
            std::vector<int32_t> widths(static_cast<size_t>(std::max({maxCells, row->GetNbCells(), 1})), 0);
            row->GetCellsWidths(width, widths.data());
            RowDefinitionText(formats, row->GetSpBetweenCells(), enabled, widths.data(), i, rows, i < headingRows,
                              definition->second);
        }
        WriteRaw(definition->second);

        int32_t column = 0;
        for (bool cellEnabled : enabled) {
            if (!cellEnabled) continue;
            const RPTCELLINFO* cell = findCell(i, column);
            if (cell && cell->Para) {
                ISRptPara* para = cell->Para.Get();
                ParaText(para, RPTPARATEXT_PARA_BEGIN);
                m_nPrevBorder = 0;
                ParaText(para, RPTPARATEXT_CHARS_BEGIN);
                WriteText(cell->Text, RTFTEXT_ITEM);
                ParaText(para, RPTPARATEXT_CHARS_END);
            }
            WriteRaw("\\cell");
            ++column;
        }
        WriteRaw("\\pard\\intbl\\row");
        WriteLine();
    }
    m_bInTable = 0;
    SString closing;
    closing.Format("\\f%d\\fs%d ", 0, 2 * SRptFont::GetDefaultFontHeight(SRptFont::RPT_FONT_TEXT));
    WriteRaw("\\pard\\plain ");
    WriteRaw(closing.view());
    WriteRaw("\\par");
    return S_OK;
}
