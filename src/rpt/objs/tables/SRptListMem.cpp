#include "rpt/objs/tables/SRptListMem.h"

#include "platform/repo/SRepObjIterator.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptDlgListLayout.h"
#include "rpt/module/SRptFont.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "varod9/ISRptListProcs.h"
#include "varod9/RptApi.h"
#include "varod9/RptParaFormat.h"
#include "varod9/RptTableDef.h"

namespace {

// The first row of a table as a list row; null when it has none or the first is no list row.
SComWrap<ISRptListRow> FirstListRow(ISRptTable* table) {
    SComWrap<ISRptListRow> row;
    row = static_cast<IUnknown*>(SRepClassColPtr(static_cast<ISRepObject*>(table), RPTTABLE_ROWS).Item(0).Get());
    return row;
}

// The first column of a row with a CellID; null when none has it.
SComWrap<ISRptListCell> FindColumn(ISRptListRow* row, int32_t cellID) {
    SRepObjIterator cells(static_cast<ISRepObject*>(row), RPTTABLEROW_CELLS);
    SComWrap<ISRptListCell> cell;
    while (cells.Next(cell))
        if (cell && cell->GetCellID() == cellID) return cell;
    return SComWrap<ISRptListCell>();
}

}  // namespace

// ---- SRptListImpl: construction and paragraphs ----

HRESULT SRptListImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    SRptTableImpl::ConstructWithItemDef(pItemDef);
    // Only a description that says so carries the sort flag.
    if (pItemDef->Table.Size == RPTTABLEDEF_SIZE_SORTED) PutSorted(pItemDef->Table.Sorted != 0);
    HRESULT hr = SetupParagraphs();
    if (FAILED(hr)) return hr;
    hr = SetupCells(pItemDef);
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptListImpl::SetupParagraphs() {
    const HRESULT result = SRptTableImpl::SetupParagraphs();
    Paragraphs paras;
    const HRESULT hr = SetupStockParagraphs(paras);
    if (FAILED(hr)) return hr;
    paras[RPTTABLE_PARA_CELLTITLE]->PutAlignment(RPT_PARA_ALIGN_CENTER);
    FrameCellParagraphs(paras);
    return result;
}

const SRptTableImpl::SKind& SRptListImpl::GetKind() const {
    static const SKind kind{{IDS_RPT_LIST_TITLE, IDS_RPT_LIST_COLUMN_HEADER, IDS_RPT_LIST_TEXT},
                            {SRptFont::RPT_FONT_LIST_TITLE, SRptFont::RPT_FONT_LIST_LABEL, SRptFont::RPT_FONT_LIST_ITEM},
                            CLSID_SRptListRow,
                            CLSID_SRptListCell,
                            RPTTABLECELLDEF_SIZE_LIST,
                            SRptBrowserNodeKind::List,
                            SRptDlgListLayout::IDD};
    return kind;
}

HRESULT SRptListImpl::IsParaSupportBox(int32_t nPos) noexcept {
    return nPos == RPTTABLE_PARA_TITLE ? S_FALSE : S_OK;
}

// ---- SRptListImpl: commands ----

HRESULT SRptListImpl::IsItemSupportCommand(uint32_t nID) {
    if (nID != ID_RPT_DISPLAY_ALL && nID != ID_RPT_DISPLAY_MODIFIED) return SRptTableImpl::IsItemSupportCommand(nID);
    // Which objects a list can show is the module's to say.
    SComWrap<IUnknown> userProcs;
    GetUserProcs(&userProcs);
    SComWrap<ISRptListProcs> procs;
    procs = userProcs.Get();
    return procs && procs->IsCommandSupported(nID) != 0 ? S_OK : S_FALSE;
}

HRESULT SRptListImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems,
                                           SWnd* pParentWnd) {
    switch (nId) {
        case ID_RPT_DISPLAY_ALL: PutDisplayFlag(RPTLIST_DISPLAY_ALL); return S_OK;
        case ID_RPT_DISPLAY_MODIFIED: PutDisplayFlag(RPTLIST_DISPLAY_MODIFIED); return S_OK;
        default: return SRptTableImpl::OnHandlePopupCommand(nId, selectedItems, pParentWnd);
    }
}

// ---- SRptListImpl: label paths ----

HRESULT SRptListImpl::UpdateLabelPath(ISRptTable* pRegistered) {
    if (!pRegistered || GetNbRows() == 0 || pRegistered->GetNbRows() == 0) return E_FAIL;
    const SComWrap<ISRptListRow> own = FirstListRow(this);
    const SComWrap<ISRptListRow> registered = FirstListRow(pRegistered);
    if (!own || !registered) return E_FAIL;

    ObjectSet matched, unknown;
    SRepObjIterator cells(static_cast<ISRepObject*>(own.Get()), RPTTABLEROW_CELLS);
    SComWrap<ISRptListCell> cell;
    while (cells.Next(cell)) {
        if (!cell) continue;
        const SComWrap<ISRptListCell> column = FindColumn(registered.Get(), cell->GetCellID());
        if (!column) {
            AddTo(unknown, cell.Get());
            continue;
        }
        cell->PutResPath(column->GetResPath());
        AddTo(matched, column.Get());
    }
    // Deleted after the walk, which they would otherwise cut short.
    DeleteEach(unknown);

    SComWrap<ISRepSession> session;
    GetSession(&session);
    if (!session) return S_OK;
    // The registered columns that no column of the list stands for, in their order.
    const SRepClassColPtr ownCells = own->Cells();
    SRepObjIterator columns(static_cast<ISRepObject*>(registered.Get()), RPTTABLEROW_CELLS);
    while (columns.Next(cell)) {
        if (cell && !Contains(matched, cell.Get())) AppendCopy(cell.Get(), session.Get(), ownCells);
    }
    return S_OK;
}
