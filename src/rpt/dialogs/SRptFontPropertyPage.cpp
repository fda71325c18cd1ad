#include "rpt/dialogs/SRptFontPropertyPage.h"

#include "rpt/dialogs/SRptDlgMultiPages.h"

const SClassInfo SRptFontPropertyPage::classSRptFontPropertyPage = {"SRptFontPropertyPage",
                                                                    &SFontPropertyPage::classSFontPropertyPage};

int32_t SRptFontPropertyPage::OnInitDialog() {
    SetHelpContext(10001);
    return SFontPropertyPage::OnInitDialog();
}

SRptDlgMultiPages* SRptFontPropertyPage::GetFormatSheet() const {
    return dynamic_cast<SRptDlgMultiPages*>(GetParent());
}
