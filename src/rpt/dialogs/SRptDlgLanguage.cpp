#include "rpt/dialogs/SRptDlgLanguage.h"

#include "platform/base/SModuleState.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "rpt/module/SRptGlobalsContainer.h"
#include "varod9/ISRptModuleClient.h"
#include "varod9/RptApi.h"

const SClassInfo SRptDlgLanguage::classSRptDlgLanguage = {"SRptDlgLanguage", &SRepDialog::classSRepDialog};

SRptDlgLanguage::SRptDlgLanguage(ISRepObject*) : SRepDialog(IDD) {}

int32_t SRptDlgLanguage::CreateDialogWindow(SWnd* parent, bool modeless) {
    SModuleStateGuard library(SRptGetModuleState());
    return SRepDialog::CreateDialogWindow(parent, modeless);
}

int32_t SRptDlgLanguage::OnInitDialog() {
    AttachDlgItem(IDC_LANGUAGES, m_languages);
    FillLanguages();
    CenterWindow();
    return SRepDialog::OnInitDialog();
}

void SRptDlgLanguage::FillLanguages() {
    SRptGlobalsContainer* globals = GetRptGlobalsContainer();
    ISRptModuleClient* client = globals ? globals->GetFirstModuleClient() : nullptr;
    if (!client) return;
    // The module offers its languages as it does to the template type dialog, in a combo box: a
    // hidden one of this dialog's own, whose entries become the list's.
    SComboBoxCtrl offered;
    if (!offered.Create(CBS_DROPDOWNLIST, RECT{0, 0, 0, 0}, this, 0)) return;
    client->FillLanguageCombo(&offered);
    for (int32_t i = 0; i < offered.GetCount(); ++i) m_languages.AddString(offered.GetLBText(i).c_str());
    offered.DestroyWindow();
}

void SRptDlgLanguage::OnOK() {
    const int32_t selected = m_languages.GetCurSel();
    m_language = selected >= 0 ? m_languages.GetText(selected) : SString();
    SRepDialog::OnOK();
}
