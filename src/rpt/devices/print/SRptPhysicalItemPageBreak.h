#pragma once
// A page break, or the break a paragraph asks for before its item: it places nothing and makes
// the next item start on a new page.
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItem.h"

class SRptPhysicalItemPageBreak : public SRptPhysicalItem {
public:
    using SRptPhysicalItem::SRptPhysicalItem;

    // No element: S_OK with null.
    HRESULT CreateElement(SRptPhysicalPage* page, std::unique_ptr<SRptPageElement>* element) override;
    // First call: another page; later calls: complete. Nothing is placed (1); E_INVALIDARG for a
    // null status.
    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    HRESULT Begin() override;
    HRESULT End() override;

private:
    int32_t m_breakDone = 0;
};
