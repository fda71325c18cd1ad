#pragma once
// The report editor's window (for one model or several): the contents pane is a tab window with
// a tab per template of the report.
#include "rpt/editor/SRptViewBase.h"

class SRptViewReport : public SRptViewBase {
public:
    SRptViewReport(ISRptReport* report, SShellView* shellView);

    const SClassInfo* GetClassInfo() const override { return &classSRptViewReport; }
    static const SClassInfo classSRptViewReport;
    S_DECLARE_MESSAGE_MAP()

protected:
    // The tab window, which makes its tabs itself.
    SRptContentsPane* CreateContentsPane() override;
};
