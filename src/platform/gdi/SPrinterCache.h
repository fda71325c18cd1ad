#pragma once
// The library's printer: a virtual printer whose name, resolution and page set-up live in the
// settings store, under the user's key RegistryKey(). Lengths are hundredths of a millimetre;
// the page size is the paper as the page is oriented (wider than high in landscape).
//
// The setters store what they are given, in any order, as a template loads its page set-up into
// the cache; only values read from the settings store are checked, and the device capabilities
// keep the printable area at least one dot whatever the values. The print and page set-up
// dialogs of the interaction layer carry the printer's device settings and make its device
// contexts, whose print jobs write PDF files (SPdfBackEnd.h).
#include <cstdint>
#include <memory>

#include "platform/base/SString.h"
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/SDeviceCaps.h"
#include "platform/gdi/SPAGESETUPDLG.h"

class SDCBackEnd;
class SRegistry;

class SPrinterCache {
public:
    // The device settings that the print and page set-up dialogs carry: which printer, its paper
    // (code, and size as the page is oriented), orientation and resolution. Empty (no name, 0s)
    // until a printer's settings are taken.
    struct SDevSettings {
        SString printerName;
        int32_t paperSize = 0;
        int32_t orientation = 0;
        POINT pageSize;
        int32_t resolution = 0;
    };

    // What the printer needs of a dialog that shows its settings: the settings it carries and
    // its modal run (IDOK 1 or IDCANCEL 2).
    class ISDialog {
    public:
        virtual ~ISDialog() = default;
        virtual int32_t DoModal() = 0;
        virtual const SDevSettings& GetDevSettings() const = 0;
        virtual void SetDevSettings(const SDevSettings& settings) = 0;
    };

    // The application root followed by "Printer".
    static SString RegistryKey();
    // The folder where print jobs not printed to a file are written: the settings store's
    // "Output Folder" under RegistryKey(), else the system's folder for temporary files.
    static SString GetOutputFolder();
    static const char* const kDefaultPrinterName;
    static constexpr int32_t kDefaultResolution = 600;
    // Limits of the values accepted from the settings store.
    static constexpr int32_t kMinResolution = 72;
    static constexpr int32_t kMaxResolution = 4800;
    static constexpr int32_t kMaxPaperLength = 1000000;  // 10 m

    // `cacheSize` and `defaults` are kept as given; the defaults are the page set-up before the
    // settings store is read. Reads the settings store.
    SPrinterCache(int32_t cacheSize, const SPAGESETUPDLG& defaults);

    int32_t GetCacheSize() const { return m_cacheSize; }
    const SPAGESETUPDLG& GetDefaults() const { return m_defaults; }

    // Back to the defaults, then the values the settings store holds, each group (name,
    // resolution, paper, orientation, margins, minimum margins) kept at its default when what
    // is stored is missing or makes no page.
    void LoadSettings();
    void ResetToDefaults();
    // Writes every value; false when the store refused one.
    bool SaveSettings() const;

    RECT GetMargins() const { return m_margins; }
    void SetMargins(const RECT& margins) { m_margins = margins; }
    RECT GetMinMargins() const { return m_minMargins; }
    void SetMinMargins(const RECT& margins) { m_minMargins = margins; }
    POINT GetPageSize() const { return m_pageSize; }
    // Also names the paper: the code of a known paper of that size either way, else DMPAPER_USER.
    void SetPageSize(const POINT& size);
    // DMORIENT_PORTRAIT or DMORIENT_LANDSCAPE (0 would mean the printer has none to report).
    int32_t GetOrientation() const { return m_orientation; }
    // Turns the page size to match; false (nothing changes) for another value.
    bool SetOrientation(int32_t orientation);
    // DMPAPER_A4 ... (0 would mean the printer has none to report).
    int32_t GetPaperSize() const { return m_paperSize; }
    // A known paper also sets the page size, in the current orientation; another positive code
    // is kept as it is and leaves the size alone; false for 0 or less.
    bool SetPaperSize(int32_t paper);

    SDevSettings GetDevSettings() const { return {m_printerName, m_paperSize, m_orientation, m_pageSize, m_resolution}; }
    // Takes what the settings give (a name, a resolution, a page size or else a known paper, an
    // orientation), leaving the rest as it is.
    void SetDevSettings(const SDevSettings& settings);
    // Gives a dialog this printer's settings. The virtual printer is always there: false only
    // without a dialog.
    bool GetPrinterDeviceDefaults(ISDialog* dialog) const;
    // Runs a print dialog that starts from this printer's settings; at OK the settings chosen
    // become the printer's. The dialog's answer; IDCANCEL (2) without a dialog.
    int32_t DoPrintDialog(ISDialog* dialog);
    // A device context of the printer with these settings, the rest as the settings store holds
    // it: the back end of its print jobs (SDC::Attach takes it).
    static std::unique_ptr<SDCBackEnd> CreatePrinterDC(const SDevSettings& settings);

    const SString& GetPrinterName() const { return m_printerName; }
    bool SetPrinterName(const SString& name);  // false for an empty name
    // Dots per inch, both ways.
    int32_t GetResolution() const { return m_resolution; }
    bool SetResolution(int32_t dotsPerInch);  // false outside kMinResolution to kMaxResolution

    // The printer's capabilities for a device context: the paper in dots, the printable area
    // inside the minimum margins and its offset.
    SDeviceCaps GetDeviceCaps() const;

    // The portrait size of a known paper; false for another code.
    static bool GetPaperDimensions(int32_t paper, POINT* size);

private:
    void ReadPaper(const SRegistry& key);
    void ReadMargins(const SRegistry& key, const char* prefix, RECT* margins) const;

    int32_t m_cacheSize;
    SPAGESETUPDLG m_defaults;
    SString m_printerName;
    int32_t m_resolution = kDefaultResolution;
    POINT m_pageSize;
    int32_t m_orientation = DMORIENT_PORTRAIT;
    int32_t m_paperSize = DMPAPER_A4;
    RECT m_margins;
    RECT m_minMargins;
};
