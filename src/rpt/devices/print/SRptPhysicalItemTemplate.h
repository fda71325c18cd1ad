#pragma once
// A template laid out on the pages: the report's first template opens with the report's title
// page (seventeen lines, the title and the optional fields at their places, the others blank)
// when the report has one, and its items start on the next page; every other template starts on
// a new page.
#include <cstdint>

#include "rpt/devices/print/SRptPhysicalItemMulti.h"

class SRptPhysicalItemTemplate : public SRptPhysicalItemMulti {
public:
    using SRptPhysicalItemMulti::SRptPhysicalItemMulti;

    // The lines of the title page, and where its texts stand among them.
    static constexpr int32_t kTitlePageLines = 17;
    static constexpr int32_t kTitleLine = 9;
    static constexpr int32_t kAuthorLine = 12;
    static constexpr int32_t kDateLine = 13;
    static constexpr int32_t kVersionLine = 14;
    static constexpr int32_t kSummaryLine = 15;

    HRESULT Layout(SRptPhysicalPage* page, int32_t width, int32_t available, int32_t pageHeight,
                   SRptPageElement* element, int32_t* status) override;
    HRESULT Begin() override;
    int32_t GetCount() override { return kTitlePageLines; }
    HRESULT GetPara(int32_t index, ISRptPara** para) override;
    HRESULT GetText(int32_t index, SString* text) override;

private:
    int32_t m_breakDone = 0;
    int32_t m_titleDone = 0;
};
