#include "rpt/editor/SRptViewReport.h"

#include "rpt/editor/SRptTabWnd.h"

namespace {
constexpr uint32_t kTabWndStyle = 0x50300000;
}  // namespace

const SClassInfo SRptViewReport::classSRptViewReport = {"SRptViewReport", &SRptViewBase::classSRptViewBase};

S_BEGIN_MESSAGE_MAP(SRptViewReport, SRptViewBase)
S_END_MESSAGE_MAP()

SRptViewReport::SRptViewReport(ISRptReport* report, SShellView* shellView) : SRptViewBase(0, report, shellView) {}

SRptContentsPane* SRptViewReport::CreateContentsPane() {
    auto* tabs = new SRptTabWnd(GetReportPtr(), this);
    tabs->Create(this, nullptr, nullptr, kTabWndStyle, AFX_IDW_PANE_FIRST);
    return tabs;
}
