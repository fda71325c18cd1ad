#include "rpt/devices/SRptGenerationNodeGraphicFile.h"

#include "rpt/devices/SRptOutputHelperGraphicFile.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeGraphicFile::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperGraphicFile>(this);
}
