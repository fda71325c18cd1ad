#pragma once
// The page set-up dialog's data: the page set-up record (paper size, minimum margins, margins)
// and the printer's device settings it starts from. Showing the dialog comes with the printing
// work; until then it carries what a device prepares for it.
#include <cstdint>

#include "platform/gdi/SPAGESETUPDLG.h"
#include "platform/gdi/SPrinterCache.h"

class SWnd;

class SPageSetupDlg {
public:
    // The record takes `flags` as its flags, with no paper size and no margins yet.
    explicit SPageSetupDlg(uint32_t flags = PSD_MARGINS | PSD_INHUNDREDTHSOFMILLIMETERS, SWnd* parent = nullptr);

    SPAGESETUPDLG& GetRecord() { return m_psd; }
    const SPAGESETUPDLG& GetRecord() const { return m_psd; }
    const SPrinterCache::SDevSettings& GetDevSettings() const { return m_devSettings; }
    void SetDevSettings(const SPrinterCache::SDevSettings& settings) { m_devSettings = settings; }
    SWnd* GetParent() const { return m_parent; }

private:
    SPAGESETUPDLG m_psd;
    SPrinterCache::SDevSettings m_devSettings;
    SWnd* m_parent;
};
