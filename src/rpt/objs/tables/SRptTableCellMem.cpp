#include "rpt/objs/tables/SRptTableCellMem.h"

#include "platform/base/SECOMException.h"
#include "platform/base/SExceptionResult.h"
#include "platform/base/SMbcs.h"
#include "platform/base/SStringLoad.h"
#include "platform/com/SComCheck.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/objs/SRptOwnerEnd.h"
#include "rpt/objs/tables/SRptTableMem.h"
#include "varod9/ISRptPara.h"
#include "varod9/ISRptReport.h"
#include "varod9/ISRptTable.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/ISRptTemplate.h"
#include "varod9/RptApi.h"
#include "varod9/RptTableDef.h"

// ---- SRptTableCellImpl: name and title path ----

SString SRptTableCellImpl::GetDispName() {
    const SString path = GetResPath();
    SString name;
    if (!path.IsEmpty()) name = TitleFromReport(path);
    if (name.IsEmpty()) name = GetDefaultText();
    return name;
}

SString SRptTableCellImpl::TitleFromReport(const SString& path) {
    // Only a report knows what a title path stands for: the cell reaches it through its row, its
    // table and the table's template; a missing link leaves the title empty.
    SComWrap<ISRptTableRow> row;
    SComCheck(SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLECELL_ROWFROMCELL, &row));
    if (!row) return SString();
    SComWrap<ISRptTable> table;
    SComCheck(row->GetTable(&table));
    if (!table) return SString();
    SComWrap<ISRptTemplate> reportTemplate;
    table->GetTemplate(&reportTemplate);
    if (!reportTemplate) return SString();
    SComWrap<ISRptReport> report;
    report = static_cast<IUnknown*>(reportTemplate->GetParentReport());
    if (!report) return SString();
    return report->GetTitleFromPath(path);
}

HRESULT SRptTableCellImpl::PutResPath(const SString& value) noexcept {
    return SExceptionResult::Guard([&] { return SetResPath(value); });
}

HRESULT SRptTableCellImpl::SetResPath(const SString& value) {
    if (_mbscmp(value.c_str(), GetResPath().c_str()) == 0) return S_FALSE;
    m_resPath = value;
    PostSetAttribute(RPTTABLECELL_RESPATH);
    return S_OK;
}

// ---- SRptTableCellImpl: row, paragraph, construction ----

HRESULT SRptTableCellImpl::GetRow(ISRptTableRow** pTableRow) {
    return SRptGetOwnerEnd(static_cast<ISRepObject*>(this), RPTTABLECELL_ROWFROMCELL, pTableRow);
}

HRESULT SRptTableCellImpl::GetPara(ISRptPara** pPara) {
    if (!pPara) return E_INVALIDARG;
    *pPara = nullptr;
    SComWrap<ISRptTableRow> row;
    HRESULT hr = GetRow(&row);
    if (FAILED(hr)) return hr;
    if (!row) throw SECOMException(E_POINTER);
    SComWrap<ISRptTable> table;
    hr = row->GetTable(&table);
    if (FAILED(hr)) return hr;
    if (!table) throw SECOMException(E_POINTER);
    // Title cells take the table's cell-title paragraph, the others its cell-text paragraph.
    const int32_t position = GetTitle() ? RPTTABLE_PARA_CELLTITLE : RPTTABLE_PARA_CELLTEXT;
    const SRepClassColPtr paragraphs(table.Get(), RPTPARACONTAINER_PARAGRAPHS);
    SComWrap<ISRptPara> para;
    para = static_cast<IUnknown*>(paragraphs.Item(position).Get());
    *pPara = para.Detach();
    return S_OK;
}

HRESULT SRptTableCellImpl::ConstructWithCellDef(const RPTTABLECELLDEF* pCellDef, HINSTANCE hResInst) noexcept {
    if (!pCellDef) return S_FALSE;
    // The record's size word is the form's or the list's to check.
    PutCellResID(pCellDef->CellResID);
    PutDefaultText(pCellDef->DefaultText);
    PutResPath(pCellDef->ResPath);
    PutCellID(pCellDef->CellID);
    PutWidth(pCellDef->Width);
    PutKeyword(pCellDef->Keyword != 0);
    PutTitle(pCellDef->Title != 0);
    PutVertAlign(pCellDef->VertAlign);
    PutBorder(pCellDef->Border);
    PutBorderWidth(pCellDef->BorderWidth);
    PutEnabled(pCellDef->Enabled != 0);
    return SExceptionResult::Guard([&] {
        // The module's own text when it has one, else the default it gave.
        PutTextFromRes(SStringLoad(static_cast<uint32_t>(GetCellResID()), GetDefaultText().c_str(), hResInst));
        return S_OK;
    });
}
