#pragma once
// The node of a graphic file item; its helper is SRptOutputHelperGraphicFile.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeGraphicFile : public SRptGenerationNode {
public:
    SRptGenerationNodeGraphicFile(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
