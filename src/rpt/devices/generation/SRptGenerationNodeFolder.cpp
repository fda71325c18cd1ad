#include "rpt/devices/generation/SRptGenerationNodeFolder.h"

#include "platform/com/SComWrap.h"
#include "rpt/devices/helpers/SRptOutputHelperFolder.h"
#include "varod9/ISRptFolder.h"
#include "varod9/ISRptFolderProcs.h"

const GUID& SRptGenerationNodeFolder::GetProcsIID() const { return ISRptFolderProcs::iid; }

void SRptGenerationNodeFolder::FillKindFields(RPTPROCCONTEXT& record) {
    SComWrap<ISRptFolder> folder;
    folder = GetItem();
    FillDisplayedTitle(record);
    record.EmptyText = SString();
    // The whole limit: a depth above 255 must not wrap to a small one.
    record.NbMaxLevels = folder->GetNbMaxLevels();
}

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeFolder::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperFolder>(this);
}
