#pragma once
// A table of contents laid out on the pages: its title, then one line per contents entry with the
// entry's number and text and, after a tab, the number of the page that shows the entry ("9999"
// until that page is known). It ends its page when an item of the same template follows. Once
// every page is numbered it is laid out again, in the elements it filled, with the real numbers.
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItemMulti.h"

class SRptPhysicalItemTblCts : public SRptPhysicalItemMulti {
public:
    using SRptPhysicalItemMulti::SRptPhysicalItemMulti;

    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    int32_t GetCount() override;
    HRESULT GetPara(int32_t index, ISRptPara** para) override;
    HRESULT GetText(int32_t index, SString* text) override;

    // The second layout, with the page numbers the pagination gave.
    HRESULT Relayout();

private:
    int32_t m_breakDone = 0;
};
