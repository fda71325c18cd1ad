#include "rpt/devices/SRptGenerationNodeText.h"

#include "rpt/devices/SRptOutputHelperText.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeText::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperText>(this);
}
