#include "rpt/devices/SRptGenerationNodeTblCts.h"

#include "rpt/devices/SRptOutputHelperTblCts.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTblCts::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTblCts>(this);
}
