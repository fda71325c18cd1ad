#pragma once
// The node of a graphic file item. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodeGraphicFile : public SRptGenerationNode {
public:
    SRptGenerationNodeGraphicFile(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
