#pragma once
// The "Text" page of the format sheets: the text of the item being formatted. Every sheet builds
// one; none shows it among its tabs.
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgTextPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 226;

    SRptDlgTextPage() : SRptDlgFormatPage(IDD, 0) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTextPage; }
    static const SClassInfo classSRptDlgTextPage;
};
