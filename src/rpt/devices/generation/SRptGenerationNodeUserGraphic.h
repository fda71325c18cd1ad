#pragma once
// The node of a user graphic; its helper is SRptOutputHelperUserGraphic. When the node is
// prepared it keeps the picture size and the four layout words that the module answers to Begin,
// which the helper reads when it records the drawing.
#include "rpt/devices/generation/SRptGenerationCustomNode.h"

class SRptGenerationNodeUserGraphic : public SRptGenerationCustomNode {
public:
    SRptGenerationNodeUserGraphic(SRptGenerationTree* tree, IUnknown* item, int32_t occurrence)
        : SRptGenerationCustomNode(tree, item, occurrence) {}

    HRESULT Prepare(IUnknown* client) override;

    int32_t GetPictureWidth() const { return m_width; }
    int32_t GetPictureHeight() const { return m_height; }
    const int32_t* GetPictureWords() const { return m_words; }

protected:
    const GUID& GetProcsIID() const override;
    void FillKindFields(RPTPROCCONTEXT& record) override;
    std::unique_ptr<SRptOutputHelper> NewOutputHelper() override;

private:
    int32_t m_width = 0;
    int32_t m_height = 0;
    int32_t m_words[4]{};
};
