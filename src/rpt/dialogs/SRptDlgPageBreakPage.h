#pragma once
// The "Line and Page Breaks" page of the format sheets: the pagination flags of the paragraphs.
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgPageBreakPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 225;

    SRptDlgPageBreakPage() : SRptDlgFormatPage(IDD, 10004) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgPageBreakPage; }
    static const SClassInfo classSRptDlgPageBreakPage;
};
