#pragma once
// The node of one member of a group title; its helper is SRptOutputHelperGrpTitle.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

class SRptGenerationNodeGrpTitle : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeGrpTitle(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
};
