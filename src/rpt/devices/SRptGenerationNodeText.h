#pragma once
// The node of a free text. Its output helper comes with the helpers of its kind; until then the node has none.
#include "rpt/devices/SRptGenerationNode.h"

class SRptGenerationNodeText : public SRptGenerationNode {
public:
    SRptGenerationNodeText(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}
};
