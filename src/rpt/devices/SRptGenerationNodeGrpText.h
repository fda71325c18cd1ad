#pragma once
// The node of one occurrence of a group text; its helper comes with the helpers of its kind.
#include "rpt/devices/SRptGenerationCustomNode.h"

class SRptGenerationNodeGrpText : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeGrpText(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
};
