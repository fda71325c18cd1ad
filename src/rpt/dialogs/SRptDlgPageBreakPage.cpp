#include "rpt/dialogs/SRptDlgPageBreakPage.h"

const SClassInfo SRptDlgPageBreakPage::classSRptDlgPageBreakPage = {"SRptDlgPageBreakPage", &SRptDlgFormatPage::classSRptDlgFormatPage};
