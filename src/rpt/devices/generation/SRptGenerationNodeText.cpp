#include "rpt/devices/generation/SRptGenerationNodeText.h"

#include "rpt/devices/helpers/SRptOutputHelperText.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeText::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperText>(this);
}
