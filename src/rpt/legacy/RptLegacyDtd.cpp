#include "varod9/RptLegacyDtd.h"

#include "platform/base/SExceptionResult.h"
#include "rpt/legacy/SRptLegacyDtdFiller.h"

namespace {
HRESULT FillGuarded(const char* version, SRepMetaDTD* dtd) noexcept {
    return SExceptionResult::Guard([&] { return SRptLegacyDtdFiller::FillVersion(version, dtd); });
}
}  // namespace

HRESULT Fill_Rpt_DTD_7_0_0(SRepMetaDTD* dtd) { return FillGuarded("7.0.0", dtd); }
HRESULT Fill_Rpt_DTD_7_0_3(SRepMetaDTD* dtd) { return FillGuarded("7.0.3", dtd); }
HRESULT Fill_Rpt_DTD_7_5_0(SRepMetaDTD* dtd) { return FillGuarded("7.5.0", dtd); }
HRESULT Fill_Rpt_DTD_8_0_0(SRepMetaDTD* dtd) { return FillGuarded("8.0.0", dtd); }
HRESULT Fill_Rpt_DTD_8_0_1(SRepMetaDTD* dtd) { return FillGuarded("8.0.1", dtd); }
