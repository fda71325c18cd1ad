#include "rpt/devices/generation/SRptGenerationNodeTitle.h"

#include "rpt/devices/helpers/SRptOutputHelperTitle.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTitle::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTitle>(this);
}
