#pragma once
// The generation tree's own root: no item, no helper; it only keeps its state.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationRootNode : public SRptGenerationNode {
public:
    explicit SRptGenerationRootNode(SRptGenerationTree* tree) : SRptGenerationNode(tree, nullptr) {}

    HRESULT Prepare(IUnknown* client) override;
    HRESULT Reselect(IUnknown* client) override;
    HRESULT Enter(IUnknown* client) override;
    HRESULT Leave(IUnknown* client) override;
    HRESULT CreateOutputHelper(IUnknown* client) override;
};
