#pragma once
// The "Border" page of the format sheets: border rules, box, widths and distances to the text.
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgBorderPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 224;

    SRptDlgBorderPage() : SRptDlgFormatPage(IDD, 10003) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgBorderPage; }
    static const SClassInfo classSRptDlgBorderPage;
};
