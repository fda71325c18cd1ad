#include "rpt/devices/generation/SRptGenerationNodeGraphicFile.h"

#include "rpt/devices/helpers/SRptOutputHelperGraphicFile.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeGraphicFile::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperGraphicFile>(this);
}
