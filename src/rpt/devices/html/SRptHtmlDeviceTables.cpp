// The HTML device's tables: a form's or a list's grid as an HTML table with its heading rows,
// and a list longer than one list page cut into slices, each on a page of its own with a line of
// numbered links to the other slices, grouped so that the line stays short.
#include <algorithm>

#include "rpt/devices/generation/SRptGenerationNode.h"
#include "rpt/devices/helpers/SRptOutputHelperTable.h"
#include "rpt/devices/html/SRptHtmlDevice.h"
#include "varod9/ISRptForm.h"
#include "varod9/ISRptList.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"

namespace {

constexpr int16_t kBorderNone = 0;

SRptOutputHelperTable* TableHelperOf(SRptGenerationNode* pNode) {
    return dynamic_cast<SRptOutputHelperTable*>(pNode->GetOutputHelper());
}

// A count of the settings; one that would divide by zero or page backwards takes the default.
int32_t PositiveOr(int32_t value, int32_t fallback) {
    return value >= 1 ? value : fallback;
}

}  // namespace

SString SRptHtmlDevice::Link(const SString& sPage, const SString& sText) const {
    return "<a href=\"" + SRptHtmlEscaper::EncodeUrl(sPage.view()) + "\">" +
           SRptHtmlEscaper::Escape(sText.view(), HTMLTEXT_TEXT) + "</a>";
}

HRESULT SRptHtmlDevice::WriteTable(ISRptTable* pTable, SRptGenerationNode* pNode, int32_t nFirst, int32_t nCount) {
    if (!pTable || !pNode) return E_INVALIDARG;
    SComWrap<ISRptPara> format;
    if (FAILED(pTable->GetParaAtPos(1, &format)) || !format) return E_INVALIDARG;
    SRptOutputHelperTable* helper = TableHelperOf(pNode);
    if (!helper || helper->WritesNothing()) return S_OK;
    const int32_t rows = helper->GetNbRows();
    const int32_t heading = helper->GetNbHeadingRows();

    const HRESULT hr = WriteHelperTitle(pTable, pNode, false);
    if (hr < 0) return hr;

    SString opening;
    if (format->GetBorder() != kBorderNone) {
        opening.Format("<table border=\"%ld\" cellspacing=\"1\"", BorderPixels(format.Get()));
        opening += " width=\"100%\">\r\n";
    } else {
        opening = "<table width=\"100%\">\r\n";
    }
    Write(opening, HTMLTEXT_RAW);

    // The heading rows head every slice; the slice's data rows follow them.
    for (int32_t row = 0; row < heading && row < rows; ++row) WriteTableRow(helper, row);
    const int64_t start = static_cast<int64_t>(heading) + std::max(nFirst, 0);
    const int64_t end = std::min<int64_t>(start + std::max(nCount, 0), rows);
    for (int64_t row = start; row < end; ++row) WriteTableRow(helper, static_cast<int32_t>(row));

    Write("</table><br />\r\n", HTMLTEXT_RAW);
    return S_OK;
}

void SRptHtmlDevice::WriteTableRow(SRptOutputHelperTable* pHelper, int32_t nRow) {
    Write("<tr>\r\n", HTMLTEXT_RAW);
    ISRptTableRow* definition = pHelper->GetRow(nRow);
    const std::vector<SComWrap<ISRptTableCell>> cells =
        definition ? SRptOutputHelperTable::GetEnabledCells(definition) : std::vector<SComWrap<ISRptTableCell>>();
    for (int32_t column = 0; column < static_cast<int32_t>(cells.size()); ++column) {
        RPTCELLINFO cell;
        pHelper->GetCell(nRow, column, &cell);
        ISRptPara* para = cell.Para.Get();
        Write("<td>\r\n", HTMLTEXT_RAW);
        OutputParagraph(para, RPTHTMLPARA_BEGIN | RPTHTMLPARA_NOBOX);
        OutputParagraph(para, RPTHTMLPARA_FONT_BEGIN);
        if (cell.Link) {
            SString anchor;
            anchor.Format("<a href=\"%s#%ld\">", SRptHtmlEscaper::EncodeUrl(GetPageName(cell.Link).view()).c_str(),
                          cell.Link->GetSerial());
            Write(anchor, HTMLTEXT_RAW);
        }
        if (cell.Text.IsEmpty())
            Write("&nbsp; ", HTMLTEXT_RAW);
        else
            Write(cell.Text, HTMLTEXT_TEXT);
        if (cell.Link) Write("</a>", HTMLTEXT_RAW);
        OutputParagraph(para, RPTHTMLPARA_FONT_END);
        OutputParagraph(para, RPTHTMLPARA_END | RPTHTMLPARA_NOBOX);
        Write("</td>\r\n", HTMLTEXT_RAW);
    }
    Write("</tr>\r\n", HTMLTEXT_RAW);
}

HRESULT SRptHtmlDevice::WriteForm(ISRptForm* pItem, SRptGenerationNode* pNode) {
    if (!pItem || !pNode) return E_INVALIDARG;
    SRptOutputHelperTable* helper = TableHelperOf(pNode);
    return WriteTable(pItem, pNode, 0, helper ? helper->GetNbRows() : 0);
}

HRESULT SRptHtmlDevice::WriteList(ISRptList* pItem, SRptGenerationNode* pNode, SRptGenerationNode* pNext) {
    if (!pItem || !pNode) return E_INVALIDARG;
    const int32_t rowsPerPage = PositiveOr(m_nRowsPerListPage, kDefaultRowsPerListPage);
    const int32_t groupSize = PositiveOr(m_nListPagesPerGroup, kDefaultListPagesPerGroup);
    SRptOutputHelperTable* helper = TableHelperOf(pNode);
    const int32_t dataRows = helper ? helper->GetNbRows() - helper->GetNbHeadingRows() : 0;
    const auto slices =
        dataRows > 0 ? static_cast<int32_t>((static_cast<int64_t>(dataRows) + rowsPerPage - 1) / rowsPerPage) : 0;

    for (int32_t slice = 0; slice < slices; ++slice) {
        const HRESULT hr = WriteTable(pItem, pNode, slice * rowsPerPage, rowsPerPage);
        if (hr < 0) return hr;
        // A list that fits one list page stays on the running page.
        if (dataRows < rowsPerPage) break;
        // Only the first slice's title carries the anchor and the contents entry.
        SetAnchored(pNode);
        WriteListNavigation(pNode, slice, slices, groupSize);
        ClosePage(pNode, pNext);
        if (slice + 1 < slices) {
            OpenPage(GetListPageName(pNode, slice + 1));
            WritePageHead();
        }
    }
    return S_OK;
}

void SRptHtmlDevice::WriteListNavigation(SRptGenerationNode* pNode, int32_t nSlice, int32_t nSlices,
                                         int32_t nGroupSize) {
    // Slice 0 is on the node's own page, every other one on its list page.
    auto pageOf = [&](int32_t slice) { return slice == 0 ? GetPageName(pNode) : GetListPageName(pNode, slice); };
    const int32_t group = nSlice / nGroupSize;
    const int32_t lastGroup = (nSlices - 1) / nGroupSize;
    const int32_t first = group * nGroupSize;

    SString line;
    if (group > 0) line += Link(pageOf(first - nGroupSize), "PREVIOUS") + "&nbsp; ";
    for (int32_t slice = first; slice < first + nGroupSize && slice < nSlices; ++slice) {
        SString label;
        label.Format("%d", slice);
        // The slice shown is not linked.
        line += slice == nSlice ? SRptHtmlEscaper::Escape(label.view(), HTMLTEXT_TEXT) : Link(pageOf(slice), label);
        line += "&nbsp; ";
    }
    if (group < lastGroup) line += Link(GetListPageName(pNode, first + nGroupSize), " NEXT");
    Write(line, HTMLTEXT_RAW);
}
