#include "rpt/devices/print/SRptPhysicalItemHeaderFooter.h"

#include "rpt/devices/helpers/SRptOutputHelperTemplate.h"
#include "rpt/devices/print/SRptPageFrame.h"
#include "varod9/ISRptTemplate.h"

namespace {

// The template's paragraphs of its header and its footer.
constexpr int32_t kHeaderPara = 0;
constexpr int32_t kFooterPara = 1;

}  // namespace

POINT SRptPhysicalItemHeaderFooter::GetStartPosition(SRptPhysicalPage*) {
    const SRptPageFrame* frame = GetFrame();
    if (!frame) return POINT{0, 0};
    const RECT& band = m_isHeader ? frame->GetHeaderRect() : frame->GetFooterRect();
    return POINT{band.left, band.top};
}

HRESULT SRptPhysicalItemHeaderFooter::End() {
    m_pageNumber = kNoPage;
    return SRptPhysicalItemFlow::End();
}

HRESULT SRptPhysicalItemHeaderFooter::GetPara(ISRptPara** para) {
    if (!para) return E_POINTER;
    SComWrap<ISRptTemplate> reportTemplate;
    reportTemplate = GetNodeItem();
    if (!reportTemplate) SComThrow(E_POINTER);
    *para = ParaAt(reportTemplate.Get(), m_isHeader ? kHeaderPara : kFooterPara).Detach();
    return S_OK;
}

HRESULT SRptPhysicalItemHeaderFooter::GetText(SString* text) {
    if (!text) return E_POINTER;
    auto* helper = dynamic_cast<SRptOutputHelperTemplate*>(GetOutputHelper());
    if (!helper) return S_OK;
    SString number;
    number.Format("%ld", m_pageNumber);
    std::string expanded = (m_isHeader ? helper->GetExpHeader() : helper->GetExpFooter()).str();
    static const std::string kToken = "%PAGE%";
    for (size_t at = expanded.find(kToken); at != std::string::npos; at = expanded.find(kToken, at + number.str().size()))
        expanded.replace(at, kToken.size(), number.str());
    *text = SString(expanded.c_str());
    return S_OK;
}
