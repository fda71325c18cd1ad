#include "rpt/devices/SRptGenerationNodeFolder.h"

// The folder procedures share the shape of every kind's procedures.
static constexpr GUID kFolderProcsIID = MakeGUID("{E5E955FF-B72F-11D1-8898-00A02455633B}");

const GUID& SRptGenerationNodeFolder::GetProcsIID() const { return kFolderProcsIID; }

void SRptGenerationNodeFolder::FillKindFields(RPTPROCCONTEXT& record) {
    FillDisplayedTitle(record);
}
