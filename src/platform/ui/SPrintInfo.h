#pragma once
// What a print run and a print preview carry from step to step: the print dialog (owned, with
// the device context it holds), whether it is a preview or a direct print, whether to go on
// printing, the page being printed, the number of pages a preview shows side by side, the
// page description, the caller's data and the rectangle to draw a page in.
#include <cstdint>
#include <memory>

#include "platform/base/SString.h"
#include "platform/ui/SPrintDlg.h"

class SPrintInfo {
public:
    // A print dialog with all pages, copies taken from the device settings and no selection
    // (flags 0x40004), pages 1 to 65535 to choose from; page 1, printing goes on, neither
    // preview nor direct. A failed allocation throws SEOutOfMemory.
    SPrintInfo();
    ~SPrintInfo();
    SPrintInfo(const SPrintInfo&) = delete;
    SPrintInfo& operator=(const SPrintInfo&) = delete;

    void SetMinPage(uint32_t page) { m_pPD->SetPageLimits(static_cast<uint16_t>(page), m_pPD->GetMaxPage()); }
    void SetMaxPage(uint32_t page) { m_pPD->SetPageLimits(m_pPD->GetMinPage(), static_cast<uint16_t>(page)); }
    uint32_t GetMinPage() const { return m_pPD->GetMinPage(); }
    uint32_t GetMaxPage() const { return m_pPD->GetMaxPage(); }
    uint32_t GetFromPage() const { return m_pPD->GetFromPage(); }
    uint32_t GetToPage() const { return m_pPD->GetToPage(); }

    std::unique_ptr<SPrintDlg> m_pPD;
    int32_t m_bPreview = 0;
    int32_t m_bDirect = 0;
    int32_t m_bContinuePrinting = 1;
    uint32_t m_nCurPage = 1;
    uint32_t m_nNumPreviewPages = 0;
    SString m_strPageDesc;
    void* m_lpUserData = nullptr;
    RECT m_rectDraw;
};
