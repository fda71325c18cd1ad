#include "rpt/dialogs/SRptDlgTextPage.h"

const SClassInfo SRptDlgTextPage::classSRptDlgTextPage = {"SRptDlgTextPage", &SRptDlgFormatPage::classSRptDlgFormatPage};
