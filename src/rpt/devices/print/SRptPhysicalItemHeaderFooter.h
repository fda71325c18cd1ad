#pragma once
// The header or the footer of a template's pages: the template's expanded header or footer text,
// with "%PAGE%" standing for the number of the page being laid out, in the template's header or
// footer paragraph, placed in the frame's header or footer band.
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItemFlow.h"

class SRptPhysicalItemHeaderFooter : public SRptPhysicalItemFlow {
public:
    // The number printed while no page is set: as wide as any page number is expected to be.
    static constexpr int32_t kNoPage = 9999;

    SRptPhysicalItemHeaderFooter(SRptPhysicalLayer* owner, SRptGenerationNode* node, SRptPageFrame* frame,
                                 int32_t isHeader)
        : SRptPhysicalItemFlow(owner, node, frame), m_isHeader(isHeader) {}

    // The top-left corner of the frame's band.
    POINT GetStartPosition(SRptPhysicalPage* page) override;
    HRESULT End() override;
    HRESULT GetPara(ISRptPara** para) override;
    HRESULT GetText(SString* text) override;

    void SetPageNumber(int32_t number) { m_pageNumber = number; }
    int32_t GetPageNumber() const { return m_pageNumber; }

private:
    int32_t m_isHeader;
    int32_t m_pageNumber = kNoPage;
};
