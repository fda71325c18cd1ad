#include "rpt/editor/SRptShellViewMultiModelReport.h"

const SClassInfo SRptShellViewMultiModelReport::classSRptShellViewMultiModelReport = {
    "SRptShellViewMultiModelReport", &SRptShellViewIntraModelReport::classSRptShellViewIntraModelReport};

namespace {
constexpr uint32_t IDS_MULTI_MODEL_REPORT_TITLE = 5512;
}  // namespace

SString SRptShellViewMultiModelReport::GetTitle() {
    SString title;
    title.Format(LoadTitleFormat(IDS_MULTI_MODEL_REPORT_TITLE).c_str(), GetNameWithPath());
    return title;
}
