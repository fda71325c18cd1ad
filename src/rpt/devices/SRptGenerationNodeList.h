#pragma once
// The node of a list; its helper comes with the helpers of its kind.
#include "rpt/devices/SRptGenerationCustomNode.h"

class SRptGenerationNodeList : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeList(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    const GUID& GetProcsIID() const override;

};
