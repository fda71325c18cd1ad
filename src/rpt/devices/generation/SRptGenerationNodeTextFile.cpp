#include "rpt/devices/generation/SRptGenerationNodeTextFile.h"

#include "rpt/devices/helpers/SRptOutputHelperTextFile.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTextFile::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTextFile>(this);
}
