#include "rpt/devices/SRptGenerationNodeForm.h"

// The form procedures share the shape of every kind's procedures.
static constexpr GUID kFormProcsIID = MakeGUID("{E5E95600-B72F-11D1-8898-00A02455633B}");

const GUID& SRptGenerationNodeForm::GetProcsIID() const { return kFormProcsIID; }
