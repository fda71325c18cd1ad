#include "rpt/objs/tables/SRptTableMem.h"

#include "platform/base/SECOMException.h"
#include "platform/repo/SRepVariant.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "rpt/objs/items/SRptItemEditor.h"
#include "rpt/objs/items/SRptItemParagraphs.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "rpt/objs/paras/SRptParaTitleMem.h"
#include "varod9/ISRptTableCell.h"
#include "varod9/ISRptTableRow.h"
#include "varod9/RptApi.h"
#include "varod9/RptParaFormat.h"
#include "varod9/RptTableDef.h"

namespace {

// An object asked for an interface that it must have: one without it is as wrong as a failure.
template <class I>
SComWrap<I> Required(IUnknown* object) {
    SComWrap<I> asked;
    asked = object;
    if (!asked) throw SECOMException(E_POINTER);
    return asked;
}

// The row at a position; an element that is no row is as wrong as a failing collection.
SComWrap<ISRptTableRow> RowAt(const SRepClassColPtr& rows, int32_t position) {
    return Required<ISRptTableRow>(static_cast<IUnknown*>(rows.Item(position).Get()));
}

// A new object of a class appended to a collection of `owner`, initialised.
HRESULT CreateAppended(ISRepObject* owner, const GUID& clsid, int32_t collection, SComWrap<ISRepObject>& made) {
    return owner->CreateObject(clsid, reinterpret_cast<void**>(&made), ISRepObject::iid, collection, -1, true);
}

}  // namespace

// ---- SRptTableImpl: counting ----

SRepClassColPtr SRptTableImpl::RowsOrThrow() {
    SRepClassColPtr rows(static_cast<ISRepObject*>(this), RPTTABLE_ROWS);
    if (!rows) throw SECOMException(E_POINTER);
    return rows;
}

int32_t SRptTableImpl::GetNbRows() {
    return RowsOrThrow().GetCount();
}

int32_t SRptTableImpl::GetNbMaxCells() {
    const SRepClassColPtr rows = RowsOrThrow();
    const int32_t count = rows.GetCount();
    int32_t most = 0;
    for (int32_t position = 0; position < count; ++position) {
        const int32_t cells = RowAt(rows, position)->GetNbCells();
        if (cells >= most) most = cells;
    }
    return most;
}

int32_t SRptTableImpl::GetNbHeadingRows() {
    const SRepClassColPtr rows = RowsOrThrow();
    const int32_t count = rows.GetCount();
    // Only the run at the top heads the table: a heading row further down is an ordinary one.
    int32_t heading = 0;
    while (heading < count && RowAt(rows, heading)->GetHeadingRow()) ++heading;
    return heading;
}

HRESULT SRptTableImpl::UpdateLabelPath(ISRptTable*) {
    return S_OK;
}

// ---- SRptTableImpl: construction ----

HRESULT SRptTableImpl::ConstructWithItemDef(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef) return E_POINTER;
    // The title paragraph at position 0 comes from the custom item's part; the cells' two follow.
    SRptCustomImpl::ConstructWithItemDef(pItemDef);
    HRESULT hr = SRptCreateParagraph(this, CLSID_SRptParaTitle, RPTTABLE_PARA_CELLTITLE);
    if (FAILED(hr)) return hr;
    hr = SRptCreateParagraph(this, CLSID_SRptParaItem, RPTTABLE_PARA_CELLTEXT);
    if (FAILED(hr)) return hr;
    hr = SRptCustomImpl::SetupParagraphs();
    return FAILED(hr) ? hr : S_OK;
}

HRESULT SRptTableImpl::SetupStockParagraphs(Paragraphs& paras) {
    for (int32_t position = 0; position < RPTTABLE_PARAGRAPHS; ++position) {
        const HRESULT hr = GetParaAtPos(position, &paras[position]);
        if (FAILED(hr)) return hr;
    }
    for (int32_t position = 0; position < RPTTABLE_PARAGRAPHS; ++position) {
        if (!paras[position]) throw SECOMException(E_POINTER);
        paras[position]->ConstructStockPara(GetKind().paraFonts[position]);
    }
    return S_OK;
}

void SRptTableImpl::FrameCellParagraphs(const Paragraphs& paras) {
    paras[RPTTABLE_PARA_CELLTITLE]->PutInTable(true);
    paras[RPTTABLE_PARA_CELLTEXT]->PutInTable(true);
    for (int32_t position : {RPTTABLE_PARA_CELLTITLE, RPTTABLE_PARA_CELLTEXT}) {
        paras[position]->PutBorder(RPT_PARA_BORDER_LEFT);
        paras[position]->PutBox(true);
    }
}

HRESULT SRptTableImpl::SetupCells(const RPTUSRITEMDEF* pItemDef) {
    if (!pItemDef || !pItemDef->Table.Rows) return E_INVALIDARG;
    for (int32_t index = 0; index < pItemDef->Table.NbRows; ++index) {
        const HRESULT hr = SetupRow(pItemDef->Table.Rows[index]);
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

HRESULT SRptTableImpl::SetupRow(const RPTTABLEROWDEF& rowDef) {
    const SKind& kind = GetKind();
    if (rowDef.Size != RPTTABLEROWDEF_SIZE) return E_INVALIDARG;
    SComWrap<ISRepObject> made;
    HRESULT hr = CreateAppended(this, kind.rowClass, RPTTABLE_ROWS, made);
    if (FAILED(hr)) return hr;
    const SComWrap<ISRptTableRow> row = Required<ISRptTableRow>(made.Get());
    hr = row->ConstructWithRowDef(&rowDef);
    if (FAILED(hr)) return hr;
    // Counted cells without their records would be read from nowhere.
    if (rowDef.NbCells > 0 && !rowDef.Cells) return E_INVALIDARG;
    for (int32_t index = 0; index < rowDef.NbCells; ++index) {
        const RPTTABLECELLDEF& cellDef = rowDef.Cells[index];
        if (cellDef.Size != kind.cellRecordSize) return E_INVALIDARG;
        hr = CreateAppended(row.Get(), kind.cellClass, RPTTABLEROW_CELLS, made);
        if (FAILED(hr)) return hr;
        hr = Required<ISRptTableCell>(made.Get())->ConstructWithCellDef(&cellDef, GetResInstance());
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

// ---- SRptTableImpl: paragraphs ----

SString SRptTableImpl::GetParaName(ISRptPara* pPara) {
    int32_t position = -1;
    if (!SRptGetParaPosition(this, pPara, &position)) return SString();
    if (position >= 0 && position < RPTTABLE_PARAGRAPHS) return SRptLoadString(GetKind().paraNames[position]);
    return SRptCustomImpl::GetParaName(pPara);
}

int32_t SRptTableImpl::GetParaFontID(ISRptPara* pPara) const {
    int32_t position = -1;
    SRptGetParaPosition(this, pPara, &position);
    return position >= 0 && position < RPTTABLE_PARAGRAPHS ? static_cast<int32_t>(GetKind().paraFonts[position]) : -1;
}

// ---- SRptTableImpl: commands ----

HRESULT SRptTableImpl::IsItemSupportCommand(uint32_t nID) {
    return nID == ID_RPT_ITEM_FORMAT || nID == ID_RPT_ITEM_LAYOUT || nID == ID_RPT_ITEM_EDIT ? S_OK : S_FALSE;
}

HRESULT SRptTableImpl::OnCreateBrowserNode(ISBrowserView* pBrowser, uint32_t, ISBrowserNode* pParent,
                                           ISBrowserNode* pPrevious, int32_t dispid, bool bIsTemplateEditor,
                                           SRptBrowserNodeItem** pBrowserNodeItem) {
    return SRptItemEditor::CreateBrowserNode(GetKind().node, this, pBrowser, pParent, pPrevious, dispid,
                                             bIsTemplateEditor, pBrowserNodeItem);
}

HRESULT SRptTableImpl::OnHandlePopupCommand(uint32_t nId, const SComTable<ISRepObject>& selectedItems, SWnd*) {
    SModuleStateGuard state(SRptGetModuleState());
    switch (nId) {
        case ID_RPT_ITEM_FORMAT:
            SRptItemEditor::FormatDialog(selectedItems, 0, SRptDlgMultiPages::IDD_FORMAT_ITEMS);
            return S_OK;
        case ID_RPT_ITEM_LAYOUT: {
            SComWrap<ISRepSession> session;
            GetSession(&session);
            SRptItemEditor::LayoutDialog(session.Get(), this, GetKind().layoutDialogId);
            return S_OK;
        }
        case ID_RPT_ITEM_EDIT:
            // The title: the module's or the report's, or the user's own, with fields inserted.
            SRptItemEditor::TitleEditDialog(Required<ISRptCustom>(static_cast<ISRepObject*>(this)).Get(), 1);
            return S_OK;
        default: return S_FALSE;
    }
}

// ---- SRptTableImpl: sets of objects and copies ----

void SRptTableImpl::AddTo(ObjectSet& set, IUnknown* object) {
    SComWrap<ISRepObject> held;
    held = object;
    if (held) set.emplace(held.Get(), held);
}

bool SRptTableImpl::Contains(const ObjectSet& set, IUnknown* object) {
    SComWrap<ISRepObject> asked;
    asked = object;
    return asked && set.count(asked.Get()) != 0;
}

void SRptTableImpl::DeleteEach(const ObjectSet& set) {
    for (const auto& [address, object] : set) object->Delete();
}

void SRptTableImpl::AppendCopy(ISRepObject* source, ISRepSession* session, const SRepClassColPtr& into) {
    SComWrap<ISRepObject> copy;
    source->Duplicate(session, SREP_DUPLICATE_DEEP, nullptr, &copy);
    if (copy) into.Insert(-1, copy.Get());
}
