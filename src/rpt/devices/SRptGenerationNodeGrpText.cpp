#include "rpt/devices/SRptGenerationNodeGrpText.h"

// The group-text procedures share the shape of every kind's procedures.
static constexpr GUID kGrpTextProcsIID = MakeGUID("{E5E95603-B72F-11D1-8898-00A02455633B}");

const GUID& SRptGenerationNodeGrpText::GetProcsIID() const { return kGrpTextProcsIID; }
