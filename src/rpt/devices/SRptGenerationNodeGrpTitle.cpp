#include "rpt/devices/SRptGenerationNodeGrpTitle.h"

#include "platform/com/SComWrap.h"
#include "varod9/ISRptGrpTitle.h"
#include "varod9/ISRptGrpTitleProcs.h"

const GUID& SRptGenerationNodeGrpTitle::GetProcsIID() const { return ISRptGrpTitleProcs::iid; }

void SRptGenerationNodeGrpTitle::FillKindFields(RPTPROCCONTEXT& record) {
    SComWrap<ISRptGrpTitle> grpTitle;
    grpTitle = GetItem();
    FillDisplayedTitle(record);
    record.EmptyText = SString();
    record.UserOrder = grpTitle->GetUserOrder() ? 1 : 0;
}
