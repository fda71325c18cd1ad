#pragma once
// The node of one occurrence of a group text; its helper is SRptOutputHelperGrpText.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

class SRptGenerationNodeGrpText : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeGrpText(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
};
