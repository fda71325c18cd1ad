#include "rpt/devices/SRptGenerationNodeTextFile.h"

#include "rpt/devices/SRptOutputHelperTextFile.h"

std::unique_ptr<SRptOutputHelper> SRptGenerationNodeTextFile::NewOutputHelper() {
    return std::make_unique<SRptOutputHelperTextFile>(this);
}
