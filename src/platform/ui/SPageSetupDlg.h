#pragma once
// The page set-up dialog: the page set-up record (paper size, minimum margins, margins) and the
// printer's device settings it starts from. DoModal puts it to the interaction script as a
// PageSetupDialog prompt captioned "Page Setup" whose text is the printer's name; at OK the
// answer's control values, those of the system's page set-up dialog, are what the user left in
// it: the paper code, the orientation (a "1" on either button) and the four margins in
// hundredths of a millimetre. Values the dialog would refuse are not taken: a paper the printer
// does not know, a negative margin, margins that leave no page.
#include <cstdint>
#include <memory>

#include "platform/gdi/SPAGESETUPDLG.h"
#include "platform/gdi/SPrinterCache.h"

class SDCBackEnd;
class SWnd;
struct SAnswer;

class SPageSetupDlg : public SPrinterCache::ISDialog {
public:
    // Controls of the system's page set-up dialog.
    static constexpr int32_t IDC_PAPER = 0x0471;
    static constexpr int32_t IDC_PORTRAIT = 0x0420;
    static constexpr int32_t IDC_LANDSCAPE = 0x0421;
    static constexpr int32_t IDC_MARGIN_LEFT = 0x0483;
    static constexpr int32_t IDC_MARGIN_TOP = 0x0484;
    static constexpr int32_t IDC_MARGIN_RIGHT = 0x0485;
    static constexpr int32_t IDC_MARGIN_BOTTOM = 0x0486;

    // The record takes `flags` as its flags, with no paper size and no margins yet.
    explicit SPageSetupDlg(uint32_t flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS, SWnd* parent = nullptr);

    // IDOK or IDCANCEL; the record and the device settings change only at OK.
    int32_t DoModal() override;

    SPAGESETUPDLG& GetRecord() { return m_psd; }
    const SPAGESETUPDLG& GetRecord() const { return m_psd; }
    const SPrinterCache::SDevSettings& GetDevSettings() const override { return m_devSettings; }
    void SetDevSettings(const SPrinterCache::SDevSettings& settings) override { m_devSettings = settings; }
    SWnd* GetParent() const { return m_parent; }

    // A device context of the printer for the settings the dialog carries (the record's paper
    // size when the settings name none); the caller owns it (SDC::Attach takes it).
    std::unique_ptr<SDCBackEnd> CreatePrinterDC() const;

private:
    void TakePaper(const SAnswer& answer);
    void TakeMargins(const SAnswer& answer);

    SPAGESETUPDLG m_psd;
    SPrinterCache::SDevSettings m_devSettings;
    SWnd* m_parent;
};
