#include "rpt/devices/SRptGenerationNodePageBreak.h"

#include "rpt/devices/SRptOutputHelperPageBreak.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodePageBreak::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperPageBreak>(this);
}
