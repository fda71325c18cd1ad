#include "rpt/dialogs/SRptDlgListLayout.h"

#include <new>

#include "platform/base/SECOMException.h"
#include "rpt/dialogs/SRptListLayoutGridCtrl.h"
#include "rpt/objs/tables/SRptListCellMem.h"
#include "rpt/objs/tables/SRptListRowMem.h"
#include "varod9/ISRptListRow.h"
#include "varod9/RptApi.h"

// The grid dialog only shares code between the two layout dialogs: at run time each is a
// repository dialog, served by the grid dialog's size and help entries.
const SClassInfo SRptDlgListLayout::classSRptDlgListLayout = {"SRptDlgListLayout", &SRepDialog::classSRepDialog};

namespace {
constexpr auto kLayoutEntries = SRepGridDialog::CornerButtonsLayout(SRptDlgListLayout::IDC_GRID);
}  // namespace

SRptDlgListLayout::SRptDlgListLayout(ISRepSession*, ISRptList* list)
    : SRepGridDialog(SRptGetModuleState(), IDD, IDC_GRID, kHelpContext, kLayoutEntries.data()), m_list(list) {
    ListObjects(CLSID_SRptListCell, RPTTABLEROW_CELLS);
    SetGrid(std::unique_ptr<SRepGridCtrl>(new (std::nothrow) SRptListLayoutGridCtrl(GetControlHolder(), GetControler())));
}

void SRptDlgListLayout::SetGridRoot() {
    if (!m_list) throw SECOMException(E_POINTER);
    // The first row's cells are the list's columns; a list without rows has nothing to lay out.
    SRepClassColPtr rows = m_list->Rows();
    if (!rows || rows.GetCount() < 1) throw SECOMException(E_POINTER);
    SComWrap<ISRepObject> first = rows.Item(0);
    SComWrap<ISRptListRow> row;
    const HRESULT hr = first ? first->QueryInterface(ISRptListRow::iid, reinterpret_cast<void**>(&row)) : E_NOINTERFACE;
    if (FAILED(hr) && hr != E_NOINTERFACE) throw SECOMException(hr);
    GetGrid()->SetRoot(row.Get(), CLSID_SRptListRow);
}
