#include "platform/repo/SRepGridDialog.h"

#include "platform/base/SECOMException.h"
#include "platform/ui/SHelp.h"

const SClassInfo SRepGridDialog::classSRepGridDialog = {"SRepGridDialog", &SRepDialog::classSRepDialog};

S_BEGIN_MESSAGE_MAP(SRepGridDialog, SRepDialog)
    SMsgEntry::Size(&SRepGridDialog::OnSize),
    SMsgEntry::Command(IDHELP, &SRepGridDialog::OnHelp),
S_END_MESSAGE_MAP()

SRepGridDialog::SRepGridDialog(SModuleState* resources, uint32_t templateId, int32_t gridId, uint32_t helpContext,
                               const SLayoutEntry* layoutEntries)
    : SRepDialog(templateId),
      m_resources(resources),
      m_gridId(gridId),
      m_helpContext(helpContext),
      m_layoutEntries(layoutEntries) {}

SRepGridDialog::~SRepGridDialog() {
    // The grid goes first: it holds the window of one of the dialog's controls.
    m_grid.reset();
}

void SRepGridDialog::ListObjects(const GUID& classId, int32_t collectionId) {
    SRepListControler* controler =
        m_controler.SetControler(classId, collectionId, GUID_NULL, 0, SString(), m_helpContext, 0, 0, 1, 1, 0);
    if (controler && controler->IsValid()) {
        controler->SetAllowAdd(0);
        controler->SetAllowRemove(0);
    }
}

int32_t SRepGridDialog::DoModal() {
    SModuleStateGuard resources(m_resources ? m_resources : &SModuleState::GetCurrent());
    return SRepDialog::DoModal();
}

int32_t SRepGridDialog::OnInitDialog() {
    m_layoutMap.Initialize(this, m_layoutEntries);
    try {
        if (!m_grid || !m_grid->Initialize(this, m_gridId)) throw SECOMException(E_POINTER);
        SetGridRoot();
    } catch (const SECOMException& e) {
        // Nothing to edit: the dialog does not open.
        m_initFailure = e.GetHResult();
        EndDialog(IDCANCEL);
        return 0;
    }
    const int32_t result = SRepDialog::OnInitDialog();
    RestorePreferences(this, SString());
    CenterWindow();
    m_initialised = 1;
    SetHelpContext(m_helpContext);
    return result;
}

void SRepGridDialog::OnOK() {
    if (m_grid) m_grid->SavePreferences();
    SRepDialog::OnOK();
}

void SRepGridDialog::OnCancel() {
    if (m_grid) m_grid->SavePreferences();
    SRepDialog::OnCancel();
}

void SRepGridDialog::OnSize(uint32_t type, int32_t cx, int32_t cy) {
    Resize(this, type, cx, cy, SString());
}

void SRepGridDialog::OnHelp() {
    SHelp::ShowHelpContext(m_helpContext);
}
