#include "rpt/dialogs/SRptDlgFormatPage.h"

#include "rpt/dialogs/SRptDlgMultiPages.h"

const SClassInfo SRptDlgFormatPage::classSRptDlgFormatPage = {"SRptDlgFormatPage", &SPropertyPage::classSPropertyPage};

int32_t SRptDlgFormatPage::OnInitDialog() {
    if (m_helpContext) SetHelpContext(m_helpContext);
    return SPropertyPage::OnInitDialog();
}

SRptDlgMultiPages* SRptDlgFormatPage::GetFormatSheet() const {
    return dynamic_cast<SRptDlgMultiPages*>(GetParent());
}
