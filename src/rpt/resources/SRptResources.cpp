#include "rpt/resources/SRptResources.h"

#include "rpt/resources/SRptCommandResources.h"
#include "rpt/resources/SRptDialogResources.h"
#include "rpt/resources/SRptDialogResourcesMM.h"
#include "rpt/resources/SRptFormatPageResources1.h"
#include "rpt/resources/SRptFormatResources.h"
#include "rpt/resources/SRptFormatPageResources2.h"
#include "rpt/resources/SRptMetadata.h"
#include "rpt/resources/SRptStringTable.h"

void SRptResources::Install(SModuleState& state) {
    SRptStringTable::Install(state);
    SRptCommandResources::Install(state);
    SRptDialogResources::Install(state);
    SRptDialogResourcesMM::Install(state);
    SRptFormatResources::Install(state);
    SRptFormatPageResources1::Install(state);
    SRptFormatPageResources2::Install(state);
    state.AddResource(SRptMetadata::kResourceType, SRptMetadata::kResourceId, SRptMetadata::GetData(),
                      SRptMetadata::GetSize());
}
