#pragma once
// The node of a page break; its helper is SRptOutputHelperPageBreak.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodePageBreak : public SRptGenerationNode {
public:
    SRptGenerationNodePageBreak(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
