#pragma once
// The print dialog: its flags, the page range offered and chosen, the number of copies, whether
// to print to a file, and the printer's device settings it starts from. DoModal puts it to the
// interaction script as a PrintDialog prompt captioned "Print" ("Print Setup" for a set-up-only
// dialog) whose text is the printer's name. At OK the answer's control values, those of the
// system's print dialog, are what the user left in it; a print dialog (not set-up only) then
// makes the printer's device context, which it holds until it is taken, deleted or the dialog
// goes.
#include <cstdint>
#include <memory>

#include "platform/gdi/SPrinterCache.h"

class SDCBackEnd;
class SWnd;
struct SAnswer;

inline constexpr uint32_t PD_ALLPAGES = 0x00000000;
inline constexpr uint32_t PD_PAGENUMS = 0x00000002;
inline constexpr uint32_t PD_NOSELECTION = 0x00000004;
inline constexpr uint32_t PD_PRINTTOFILE = 0x00000020;
inline constexpr uint32_t PD_PRINTSETUP = 0x00000040;
inline constexpr uint32_t PD_USEDEVMODECOPIESANDCOLLATE = 0x00040000;
inline constexpr uint32_t PD_HIDEPRINTTOFILE = 0x00100000;

class SPrintDlg : public SPrinterCache::ISDialog {
public:
    // Controls of the system's print dialog.
    static constexpr int32_t IDC_ALLPAGES = 0x0420;
    static constexpr int32_t IDC_PAGENUMS = 0x0422;
    static constexpr int32_t IDC_FROMPAGE = 0x0480;
    static constexpr int32_t IDC_TOPAGE = 0x0481;
    static constexpr int32_t IDC_COPIES = 0x0482;
    static constexpr int32_t IDC_PRINTTOFILE = 0x0410;
    // And of its print set-up dialog.
    static constexpr int32_t IDC_PAPER = 0x0471;
    static constexpr int32_t IDC_PORTRAIT = 0x0420;
    static constexpr int32_t IDC_LANDSCAPE = 0x0421;
    static constexpr int32_t kMaxCopies = 9999;

    // A set-up-only dialog chooses the printer and its settings and no pages; it carries
    // PD_PRINTSETUP besides `flags`. The page range starts empty, with one copy.
    SPrintDlg(bool printSetupOnly, uint32_t flags, SWnd* parent = nullptr);
    ~SPrintDlg() override;

    // IDOK or IDCANCEL. Values the dialog would refuse are not taken: a page outside the
    // limits, copies outside 1 to kMaxCopies, a paper or orientation the printer does not know.
    int32_t DoModal() override;

    bool IsPrintSetupOnly() const { return (m_flags & PD_PRINTSETUP) != 0; }
    uint32_t GetFlags() const { return m_flags; }
    void SetFlags(uint32_t flags) { m_flags = flags; }
    bool PrintToFile() const { return (m_flags & PD_PRINTTOFILE) != 0; }
    bool PrintRange() const { return (m_flags & PD_PAGENUMS) != 0; }

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

    const SPrinterCache::SDevSettings& GetDevSettings() const override { return m_devSettings; }
    void SetDevSettings(const SPrinterCache::SDevSettings& settings) override { m_devSettings = settings; }
    SWnd* GetParent() const { return m_parent; }

    // The printer's name and port (the folder its jobs are written to): those of the settings
    // the dialog carries, the settings store's when it carries none.
    SString GetDeviceName() const;
    SString GetPortName() const;

    // The printer's device context, made for the settings the dialog carries and held by it
    // (a previous one is deleted); null when none can be made.
    SDCBackEnd* CreatePrinterDC();
    SDCBackEnd* GetPrinterDC() const { return m_printerDC.get(); }
    // Hands the device context over (SDC::Attach takes it); the dialog then holds none.
    std::unique_ptr<SDCBackEnd> DetachPrinterDC();
    // Gives the dialog a device context to hold (one handed over and taken back).
    void AttachPrinterDC(std::unique_ptr<SDCBackEnd> printerDC);
    void DeletePrinterDC();

private:
    void TakePages(const SAnswer& answer);
    void TakeSetup(const SAnswer& answer);

    uint32_t m_flags;
    uint16_t m_fromPage = 0;
    uint16_t m_toPage = 0;
    uint16_t m_minPage = 0;
    uint16_t m_maxPage = 0;
    uint16_t m_copies = 1;
    SPrinterCache::SDevSettings m_devSettings;
    SWnd* m_parent;
    std::unique_ptr<SDCBackEnd> m_printerDC;
};
