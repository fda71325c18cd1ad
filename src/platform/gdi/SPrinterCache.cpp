#include "platform/gdi/SPrinterCache.h"

#include <stdlib.h>

#include <algorithm>

#include "platform/base/SRegistry.h"
#include "platform/base/SUserRegistry.h"
#include "platform/gdi/SPdfBackEnd.h"

const char* const SPrinterCache::kDefaultPrinterName = "Virtual Printer";

namespace {

struct SPaper {
    int32_t code;
    POINT size;  // portrait
};

constexpr SPaper kPapers[] = {
    {DMPAPER_LETTER, {21590, 27940}}, {DMPAPER_LEGAL, {21590, 35560}}, {DMPAPER_EXECUTIVE, {18415, 26670}},
    {DMPAPER_A3, {29700, 42000}},     {DMPAPER_A4, {21000, 29700}},    {DMPAPER_A5, {14800, 21000}},
    {DMPAPER_B5, {18200, 25700}},
};

const char* const kMarginNames[] = {"Left", "Top", "Right", "Bottom"};

int32_t PaperOfSize(const POINT& size) {
    for (const SPaper& paper : kPapers) {
        if ((size.x == paper.size.x && size.y == paper.size.y) || (size.x == paper.size.y && size.y == paper.size.x))
            return paper.code;
    }
    return DMPAPER_USER;
}

// Margins that leave some page inside the paper.
bool MarginsFit(const RECT& margins, const POINT& page) {
    if (margins.left < 0 || margins.top < 0 || margins.right < 0 || margins.bottom < 0) return false;
    return static_cast<int64_t>(margins.left) + margins.right < page.x &&
           static_cast<int64_t>(margins.top) + margins.bottom < page.y;
}

// Never negative, and small enough that sums and differences of a few stay in 32 bits.
int32_t Dots(int32_t hundredthsOfMillimetre, int32_t dotsPerInch) {
    const int64_t length = std::max(0, hundredthsOfMillimetre);
    return static_cast<int32_t>(std::min<int64_t>((length * dotsPerInch + 1270) / 2540, int64_t(1) << 28));
}

}  // namespace

SString SPrinterCache::RegistryKey() {
    return SString(SUserRegistry::sApplicationRoot) + "Printer";
}

SString SPrinterCache::GetOutputFolder() {
    SRegistry key(HKEY_CURRENT_USER, RegistryKey(), 0);
    SString folder;
    if (key.IsOpen() && key.GetProfile("Output Folder", &folder, "") && !folder.IsEmpty()) return folder;
    const char* temporary = ::getenv("TMPDIR");
    return temporary && *temporary ? SString(temporary) : SString("/tmp");
}

SPrinterCache::SPrinterCache(int32_t cacheSize, const SPAGESETUPDLG& defaults)
    : m_cacheSize(cacheSize), m_defaults(defaults) {
    LoadSettings();
}

void SPrinterCache::ResetToDefaults() {
    m_printerName = kDefaultPrinterName;
    m_resolution = kDefaultResolution;
    SetPageSize(m_defaults.ptPaperSize);
    m_orientation = m_pageSize.x > m_pageSize.y ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    m_margins = m_defaults.rtMargin;
    m_minMargins = m_defaults.rtMinMargin;
}

void SPrinterCache::LoadSettings() {
    ResetToDefaults();
    SRegistry key(HKEY_CURRENT_USER, RegistryKey(), 0);
    if (!key.IsOpen()) return;
    SString name;
    if (key.GetProfile("Printer Name", &name, "")) SetPrinterName(name);
    int32_t resolution = 0;
    if (key.GetProfile("Resolution", &resolution, 0)) SetResolution(resolution);
    ReadPaper(key);
    ReadMargins(key, "Margin", &m_margins);
    ReadMargins(key, "Min Margin", &m_minMargins);
}

void SPrinterCache::ReadPaper(const SRegistry& key) {
    POINT size;
    if (key.GetProfile("Paper Width", &size.x, 0) && key.GetProfile("Paper Height", &size.y, 0) && size.x > 0 &&
        size.y > 0 && size.x <= kMaxPaperLength && size.y <= kMaxPaperLength)
        SetPageSize(size);
    int32_t orientation = 0;
    if (key.GetProfile("Orientation", &orientation, 0)) SetOrientation(orientation);
}

void SPrinterCache::ReadMargins(const SRegistry& key, const char* prefix, RECT* margins) const {
    int32_t values[4] = {};
    for (int32_t i = 0; i < 4; ++i) {
        if (!key.GetProfile(SString(prefix) + " " + kMarginNames[i], &values[i], 0)) return;
    }
    const RECT stored{values[0], values[1], values[2], values[3]};
    if (MarginsFit(stored, m_pageSize)) *margins = stored;
}

bool SPrinterCache::SaveSettings() const {
    SRegistry key(HKEY_CURRENT_USER, RegistryKey(), 1);
    bool ok = key.WriteProfile("Printer Name", m_printerName);
    ok = key.WriteProfile("Resolution", m_resolution) && ok;
    ok = key.WriteProfile("Paper Width", m_pageSize.x) && ok;
    ok = key.WriteProfile("Paper Height", m_pageSize.y) && ok;
    ok = key.WriteProfile("Orientation", m_orientation) && ok;
    const int32_t margins[4] = {m_margins.left, m_margins.top, m_margins.right, m_margins.bottom};
    const int32_t minMargins[4] = {m_minMargins.left, m_minMargins.top, m_minMargins.right, m_minMargins.bottom};
    for (int32_t i = 0; i < 4; ++i) {
        ok = key.WriteProfile(SString("Margin ") + kMarginNames[i], margins[i]) && ok;
        ok = key.WriteProfile(SString("Min Margin ") + kMarginNames[i], minMargins[i]) && ok;
    }
    return ok;
}

void SPrinterCache::SetPageSize(const POINT& size) {
    m_pageSize = size;
    m_paperSize = PaperOfSize(size);
}

bool SPrinterCache::SetOrientation(int32_t orientation) {
    if (orientation != DMORIENT_PORTRAIT && orientation != DMORIENT_LANDSCAPE) return false;
    m_orientation = orientation;
    const bool wide = m_pageSize.x > m_pageSize.y;
    if (wide != (orientation == DMORIENT_LANDSCAPE)) std::swap(m_pageSize.x, m_pageSize.y);
    return true;
}

bool SPrinterCache::SetPaperSize(int32_t paper) {
    if (paper <= 0) return false;
    m_paperSize = paper;
    POINT size;
    if (GetPaperDimensions(paper, &size)) {
        if (m_orientation == DMORIENT_LANDSCAPE) std::swap(size.x, size.y);
        m_pageSize = size;
    }
    return true;
}

bool SPrinterCache::SetPrinterName(const SString& name) {
    if (name.IsEmpty()) return false;
    m_printerName = name;
    return true;
}

bool SPrinterCache::SetResolution(int32_t dotsPerInch) {
    if (dotsPerInch < kMinResolution || dotsPerInch > kMaxResolution) return false;
    m_resolution = dotsPerInch;
    return true;
}

SDeviceCaps SPrinterCache::GetDeviceCaps() const {
    const int32_t dpi = m_resolution;
    const int32_t width = std::max(1, Dots(m_pageSize.x, dpi));
    const int32_t height = std::max(1, Dots(m_pageSize.y, dpi));
    const int32_t left = std::min(Dots(m_minMargins.left, dpi), width - 1);
    const int32_t top = std::min(Dots(m_minMargins.top, dpi), height - 1);
    const int32_t right = Dots(m_minMargins.right, dpi);
    const int32_t bottom = Dots(m_minMargins.bottom, dpi);
    SDeviceCaps caps = SDeviceCaps::ForRaster(std::max(1, width - left - right), std::max(1, height - top - bottom),
                                              dpi, dpi, DT_RASPRINTER);
    caps.physicalWidth = width;
    caps.physicalHeight = height;
    caps.physicalOffsetX = left;
    caps.physicalOffsetY = top;
    return caps;
}

void SPrinterCache::SetDevSettings(const SDevSettings& settings) {
    SetPrinterName(settings.printerName);
    SetResolution(settings.resolution);
    if (settings.pageSize.x > 0 && settings.pageSize.y > 0 && settings.pageSize.x <= kMaxPaperLength &&
        settings.pageSize.y <= kMaxPaperLength)
        SetPageSize(settings.pageSize);
    else
        SetPaperSize(settings.paperSize);
    SetOrientation(settings.orientation);
}

bool SPrinterCache::GetPrinterDeviceDefaults(ISDialog* dialog) const {
    if (!dialog) return false;
    dialog->SetDevSettings(GetDevSettings());
    return true;
}

int32_t SPrinterCache::DoPrintDialog(ISDialog* dialog) {
    constexpr int32_t kOk = 1;
    constexpr int32_t kCancel = 2;
    if (!dialog) return kCancel;
    dialog->SetDevSettings(GetDevSettings());
    const int32_t result = dialog->DoModal();
    if (result == kOk) SetDevSettings(dialog->GetDevSettings());
    return result;
}

std::unique_ptr<SDCBackEnd> SPrinterCache::CreatePrinterDC(const SDevSettings& settings) {
    SPrinterCache printer(8, SPAGESETUPDLG::m_Default);
    printer.SetDevSettings(settings);
    return std::make_unique<SPdfBackEnd>(printer.GetDeviceCaps());
}

bool SPrinterCache::GetPaperDimensions(int32_t paper, POINT* size) {
    for (const SPaper& known : kPapers) {
        if (known.code == paper) {
            if (size) *size = known.size;
            return true;
        }
    }
    return false;
}
