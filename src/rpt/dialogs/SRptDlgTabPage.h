#pragma once
// The "Tabs" page of the format sheets: the tab stops and the default tab spacing.
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgTabPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 227;

    SRptDlgTabPage() : SRptDlgFormatPage(IDD, 10005) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTabPage; }
    static const SClassInfo classSRptDlgTabPage;
};
