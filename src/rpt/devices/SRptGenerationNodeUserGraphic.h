#pragma once
// The node of a user graphic; its helper comes with the helpers of its kind.
#include "rpt/devices/SRptGenerationCustomNode.h"

class SRptGenerationNodeUserGraphic : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeUserGraphic(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
};
