#pragma once
// The node of a text file item; its helper is SRptOutputHelperTextFile.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeTextFile : public SRptGenerationNode {
public:
    SRptGenerationNodeTextFile(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
