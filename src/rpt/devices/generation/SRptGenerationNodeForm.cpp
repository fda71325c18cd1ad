#include "rpt/devices/generation/SRptGenerationNodeForm.h"

#include "rpt/devices/helpers/SRptOutputHelperForm.h"
#include "varod9/ISRptFormProcs.h"

const GUID& SRptGenerationNodeForm::GetProcsIID() const { return ISRptFormProcs::iid; }

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeForm::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperForm>(this);
}
