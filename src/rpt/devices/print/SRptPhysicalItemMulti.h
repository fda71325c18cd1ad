#pragma once
// The items of several paragraphs (group texts, tables of contents, the template's title page):
// each paragraph flows into a block of its own in the element, one after the other, page after
// page; a paragraph finished on an earlier page is not laid out again.
#include <cstdint>
#include <memory>
#include <vector>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptDrawableParagraphList;

class SRptPhysicalItemMulti : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;
    ~SRptPhysicalItemMulti() override;

    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    // One flow per paragraph; E_OUTOFMEMORY.
    HRESULT Begin() override;
    HRESULT End() override;

    using SRptPhysicalItem::GetPara;
    using SRptPhysicalItem::GetText;
    virtual int32_t GetCount() = 0;
    virtual HRESULT GetPara(int32_t index, ISRptPara** para) = 0;
    virtual HRESULT GetText(int32_t index, SString* text) = 0;

protected:
    // Flowing paragraphs into the element; what the kinds add to Layout goes around it.
    HRESULT LayoutParagraphs(int32_t width, int32_t available, int32_t pageHeight, SRptPageElement* element,
                             int32_t* status);
    SRptTextFlow* GetFlow(int32_t index) const;

private:
    std::vector<std::unique_ptr<SRptTextFlow>> m_flows;
};
