#pragma once
// The node of a title. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodeTitle : public SRptGenerationNode {
public:
    SRptGenerationNodeTitle(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
