#include "rpt/devices/SRptGenerationNodeList.h"
#include "varod9/ISRptListProcs.h"
const GUID& SRptGenerationNodeList::GetProcsIID() const { return ISRptListProcs::iid; }
