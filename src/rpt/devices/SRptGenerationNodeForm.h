#pragma once
// The node of a form; its helper comes with the helpers of its kind.
#include "rpt/devices/SRptGenerationCustomNode.h"

class SRptGenerationNodeForm : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeForm(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    const GUID& GetProcsIID() const override;

};
