#include "rpt/devices/SRptGenerationNodeTitle.h"

#include "rpt/devices/SRptOutputHelperTitle.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTitle::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTitle>(this);
}
