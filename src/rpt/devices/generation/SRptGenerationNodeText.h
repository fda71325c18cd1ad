#pragma once
// The node of a free text; its helper is SRptOutputHelperText.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeText : public SRptGenerationNode {
public:
    SRptGenerationNodeText(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
