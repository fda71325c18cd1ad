#include "rpt/dialogs/SRptDlgBorderPage.h"

const SClassInfo SRptDlgBorderPage::classSRptDlgBorderPage = {"SRptDlgBorderPage", &SRptDlgFormatPage::classSRptDlgFormatPage};
