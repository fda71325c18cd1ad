#include "rpt/resources/SRptResources.h"

#include "rpt/resources/SRptStringTable.h"

void SRptResources::Install(SModuleState& state) {
    SRptStringTable::Install(state);
}
