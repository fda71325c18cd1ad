#include "rpt/devices/SRptGenerationNodeForm.h"

#include "varod9/ISRptFormProcs.h"

const GUID& SRptGenerationNodeForm::GetProcsIID() const { return ISRptFormProcs::iid; }
