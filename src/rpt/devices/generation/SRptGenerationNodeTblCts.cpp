#include "rpt/devices/generation/SRptGenerationNodeTblCts.h"

#include "rpt/devices/helpers/SRptOutputHelperTblCts.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTblCts::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTblCts>(this);
}
