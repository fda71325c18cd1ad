#include "rpt/devices/generation/SRptGenerationNodeGrpText.h"

#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelperGrpText.h"
#include "varod9/ISRptGrpText.h"
#include "varod9/ISRptGrpTextProcs.h"

const GUID& SRptGenerationNodeGrpText::GetProcsIID() const { return ISRptGrpTextProcs::iid; }

void SRptGenerationNodeGrpText::FillKindFields(RPTPROCCONTEXT& record) {
    SComWrap<ISRptGrpText> grpText;
    grpText = GetItem();
    record.DisplayIfEmpty = grpText->GetDisplayIfEmpty() ? 1 : 0;
    record.EmptyText = SString();
}

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeGrpText::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperGrpText>(this);
}
