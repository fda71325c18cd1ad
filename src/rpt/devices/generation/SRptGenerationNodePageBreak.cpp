#include "rpt/devices/generation/SRptGenerationNodePageBreak.h"

#include "rpt/devices/helpers/SRptOutputHelperPageBreak.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodePageBreak::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperPageBreak>(this);
}
