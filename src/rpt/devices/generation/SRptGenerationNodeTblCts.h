#pragma once
// The node of a table of contents; its helper is SRptOutputHelperTblCts.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeTblCts : public SRptGenerationNode {
public:
    SRptGenerationNodeTblCts(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
