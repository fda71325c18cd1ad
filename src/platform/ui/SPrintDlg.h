#pragma once
// The print dialog's data: its flags, the page range offered and chosen, the number of copies and
// the printer's device settings it starts from. Showing the dialog comes with the printing work;
// until then it carries what a device prepares for it.
#include <cstdint>

#include "platform/gdi/SPrinterCache.h"

class SWnd;

inline constexpr uint32_t PD_ALLPAGES = 0x00000000;
inline constexpr uint32_t PD_PAGENUMS = 0x00000002;
inline constexpr uint32_t PD_NOSELECTION = 0x00000004;
inline constexpr uint32_t PD_PRINTSETUP = 0x00000040;
inline constexpr uint32_t PD_USEDEVMODECOPIESANDCOLLATE = 0x00040000;
inline constexpr uint32_t PD_HIDEPRINTTOFILE = 0x00100000;

class SPrintDlg {
public:
    // A set-up-only dialog chooses the printer and its settings and no pages; it carries
    // PD_PRINTSETUP besides `flags`. The page range starts empty, with one copy.
    SPrintDlg(bool printSetupOnly, uint32_t flags, SWnd* parent = nullptr);

    bool IsPrintSetupOnly() const { return (m_flags & PD_PRINTSETUP) != 0; }
    uint32_t GetFlags() const { return m_flags; }
    void SetFlags(uint32_t flags) { m_flags = flags; }

    uint16_t GetFromPage() const { return m_fromPage; }
    uint16_t GetToPage() const { return m_toPage; }
    // The pages chosen, first and last.
    void SetPageRange(uint16_t fromPage, uint16_t toPage) {
        m_fromPage = fromPage;
        m_toPage = toPage;
    }
    uint16_t GetMinPage() const { return m_minPage; }
    uint16_t GetMaxPage() const { return m_maxPage; }
    // The pages that may be chosen.
    void SetPageLimits(uint16_t minPage, uint16_t maxPage) {
        m_minPage = minPage;
        m_maxPage = maxPage;
    }
    uint16_t GetCopies() const { return m_copies; }
    void SetCopies(uint16_t copies) { m_copies = copies; }

    const SPrinterCache::SDevSettings& GetDevSettings() const { return m_devSettings; }
    void SetDevSettings(const SPrinterCache::SDevSettings& settings) { m_devSettings = settings; }
    SWnd* GetParent() const { return m_parent; }

private:
    uint32_t m_flags;
    uint16_t m_fromPage = 0;
    uint16_t m_toPage = 0;
    uint16_t m_minPage = 0;
    uint16_t m_maxPage = 0;
    uint16_t m_copies = 1;
    SPrinterCache::SDevSettings m_devSettings;
    SWnd* m_parent;
};
