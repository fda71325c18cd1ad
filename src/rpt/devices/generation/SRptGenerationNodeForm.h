#pragma once
// The node of a form; its helper is SRptOutputHelperForm.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

class SRptGenerationNodeForm : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeForm(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
    const GUID& GetProcsIID() const override;
};
