#include "rpt/devices/generation/SRptGenerationNodeGrpTitle.h"

#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelperGrpTitle.h"
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

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeGrpTitle::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperGrpTitle>(this);
}
