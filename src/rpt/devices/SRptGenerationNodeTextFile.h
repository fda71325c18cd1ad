#pragma once
// The node of a text file item. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodeTextFile : public SRptGenerationNode {
public:
    SRptGenerationNodeTextFile(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
