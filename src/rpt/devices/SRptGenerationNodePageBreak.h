#pragma once
// The node of a page break. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodePageBreak : public SRptGenerationNode {
public:
    SRptGenerationNodePageBreak(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
