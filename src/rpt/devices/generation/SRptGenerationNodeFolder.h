#pragma once
// The node of one member of a folder; its helper is SRptOutputHelperFolder.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

class SRptGenerationNodeFolder : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeFolder(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
};
