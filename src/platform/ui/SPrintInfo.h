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

    // The pages of the job, 32 bits wide: a report may have more pages than the dialog's 16-bit
    // page fields hold. The dialog is given them as far as its fields go; its highest to-page
    // (65535) stands for the job's last page, so a job is never cut to what the dialog can show.
    void SetMinPage(uint32_t page);
    void SetMaxPage(uint32_t page);
    uint32_t GetMinPage() const { return m_minPage; }
    uint32_t GetMaxPage() const { return m_maxPage; }
    // The pages chosen in the dialog, first and last.
    uint32_t GetFromPage() const;
    uint32_t GetToPage() const;
    void SetPageRange(uint32_t fromPage, uint32_t toPage);

    std::unique_ptr<SPrintDlg> m_pPD;
    int32_t m_bPreview = 0;
    int32_t m_bDirect = 0;
    int32_t m_bContinuePrinting = 1;
    uint32_t m_nCurPage = 1;
    uint32_t m_nNumPreviewPages = 0;
    SString m_strPageDesc;
    void* m_lpUserData = nullptr;
    RECT m_rectDraw;

private:
    uint32_t m_minPage = 1;
    uint32_t m_maxPage = 0xFFFF;
};
