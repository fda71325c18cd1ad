#include "rpt/devices/SRptGenerationNodeUserGraphic.h"

// The user-graphic procedures share the shape of every kind's procedures.
static constexpr GUID kUserGraphicProcsIID = MakeGUID("{E5E95602-B72F-11D1-8898-00A02455633B}");

const GUID& SRptGenerationNodeUserGraphic::GetProcsIID() const { return kUserGraphicProcsIID; }
