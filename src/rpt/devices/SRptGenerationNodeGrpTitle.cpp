#include "rpt/devices/SRptGenerationNodeGrpTitle.h"

#include "varod9/ISRptGrpTitleProcs.h"
const GUID& SRptGenerationNodeGrpTitle::GetProcsIID() const { return ISRptGrpTitleProcs::iid; }

void SRptGenerationNodeGrpTitle::FillKindFields(RPTPROCCONTEXT& record) {
    FillDisplayedTitle(record);
}
