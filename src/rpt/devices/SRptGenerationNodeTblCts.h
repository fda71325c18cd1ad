#pragma once
// The node of a table of contents. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodeTblCts : public SRptGenerationNode {
public:
    SRptGenerationNodeTblCts(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
