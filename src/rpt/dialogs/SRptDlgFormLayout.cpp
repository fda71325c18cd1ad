#include "rpt/dialogs/SRptDlgFormLayout.h"

#include <new>

#include "platform/base/SECOMException.h"
#include "rpt/dialogs/SRptFormLayoutGridCtrl.h"
#include "rpt/objs/tables/SRptFormMem.h"
#include "rpt/objs/tables/SRptFormRowMem.h"
#include "varod9/RptApi.h"

// The grid dialog only shares code between the two layout dialogs: at run time each is a
// repository dialog, served by the grid dialog's size and help entries.
const SClassInfo SRptDlgFormLayout::classSRptDlgFormLayout = {"SRptDlgFormLayout", &SRepDialog::classSRepDialog};

namespace {
constexpr auto kLayoutEntries = SRepGridDialog::CornerButtonsLayout(SRptDlgFormLayout::IDC_GRID);
}  // namespace

SRptDlgFormLayout::SRptDlgFormLayout(ISRepSession*, ISRptForm* form)
    : SRepGridDialog(SRptGetModuleState(), IDD, IDC_GRID, kHelpContext, kLayoutEntries.data()), m_form(form) {
    ListObjects(CLSID_SRptFormRow, RPTTABLE_ROWS);
    SetGrid(std::unique_ptr<SRepGridCtrl>(new (std::nothrow) SRptFormLayoutGridCtrl(GetControlHolder(), GetControler())));
}

void SRptDlgFormLayout::SetGridRoot() {
    // The form itself is the root: the grid lists its rows.
    if (!m_form) throw SECOMException(E_POINTER);
    GetGrid()->SetRoot(m_form.Get(), CLSID_SRptForm);
}
