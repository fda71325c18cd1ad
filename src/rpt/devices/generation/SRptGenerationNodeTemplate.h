#pragma once
// The node of a template. Entering and leaving it gives the run's client the same begin and end
// of the template as the generation passes do; its helper is SRptOutputHelperTemplate.
#include "rpt/devices/generation/SRptGenerationNode.h"

class SRptGenerationNodeTemplate : public SRptGenerationNode {
public:
    SRptGenerationNodeTemplate(SRptGenerationTree* tree, IUnknown* item) : SRptGenerationNode(tree, item) {}

    HRESULT Prepare(IUnknown* client) override;
    HRESULT Leave(IUnknown* client) override;

    // The template's position among its report's templates; the count when the report no
    // longer holds it, 0 without a report.
    int32_t GetTemplatePosition() const;

protected:
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;
};
