#include "platform/repo/SRepDialog.h"

#include "platform/repo/SRepDlgCheckBox.h"
#include "platform/repo/SRepDlgEditField.h"

const SClassInfo SRepDialog::classSRepDialog = {"SRepDialog", &SDlg::classSDlg};

SRepDialog::~SRepDialog() {
    // A dialog that goes without OK leaves nothing changed behind.
    m_context.Rollback();
}

int32_t SRepDialog::OnInitDialog() {
    const int32_t result = SDlg::OnInitDialog();
    m_holder.ShowAll(*this);
    return result;
}

void SRepDialog::OnOK() {
    if (!UpdateData(1)) return;
    if (FAILED(m_holder.SaveAll(*this, m_context))) return;
    m_context.Commit();
    EndDialog(IDOK);
}

void SRepDialog::OnCancel() {
    m_context.Rollback();
    EndDialog(IDCANCEL);
}

void SRepDialog::AttachEditField(int32_t controlId, ISRepObject* object, int32_t attributeId) {
    m_holder.Add(std::make_unique<SRepDlgEditField>(controlId, object, attributeId));
}

void SRepDialog::AttachCheckBox(int32_t controlId, ISRepObject* object, int32_t attributeId) {
    m_holder.Add(std::make_unique<SRepDlgCheckBox>(controlId, object, attributeId));
}
