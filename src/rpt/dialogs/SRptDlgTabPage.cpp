#include "rpt/dialogs/SRptDlgTabPage.h"

const SClassInfo SRptDlgTabPage::classSRptDlgTabPage = {"SRptDlgTabPage", &SRptDlgFormatPage::classSRptDlgFormatPage};
