#pragma once
// The node of a title; its helper is SRptOutputHelperTitle.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeTitle : public SRptGenerationNode {
public:
    SRptGenerationNodeTitle(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
