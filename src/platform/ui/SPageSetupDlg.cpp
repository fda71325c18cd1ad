#include "platform/ui/SPageSetupDlg.h"

#include <utility>

#include "platform/gdi/SDCBackEnd.h"
#include "platform/ui/SAnswerValues.h"
#include "varod9/SInteraction.h"

SPageSetupDlg::SPageSetupDlg(uint32_t flags, SWnd* parent) : m_parent(parent) {
    m_psd.Flags = flags;
}

int32_t SPageSetupDlg::DoModal() {
    SPrompt prompt;
    prompt.kind = SPrompt::PageSetupDialog;
    prompt.caption = "Page Setup";
    prompt.text = m_devSettings.printerName.IsEmpty() ? SPrinterCache(8, SPAGESETUPDLG::m_Default).GetPrinterName()
                                                      : m_devSettings.printerName;
    prompt.flags = m_psd.Flags;
    const SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK) return IDCANCEL;
    TakePaper(answer);
    TakeMargins(answer);
    return IDOK;
}

void SPageSetupDlg::TakePaper(const SAnswer& answer) {
    POINT size = m_psd.ptPaperSize;
    int32_t paper = 0;
    if (SAnswerValues::Number(answer, IDC_PAPER, &paper) && SPrinterCache::GetPaperDimensions(paper, &size))
        m_devSettings.paperSize = paper;
    // Without an orientation in the settings the record's page tells it.
    int32_t orientation = m_devSettings.orientation;
    if (orientation != DMORIENT_PORTRAIT && orientation != DMORIENT_LANDSCAPE)
        orientation = m_psd.ptPaperSize.x > m_psd.ptPaperSize.y ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    if (SAnswerValues::IsChecked(answer, IDC_PORTRAIT)) orientation = DMORIENT_PORTRAIT;
    else if (SAnswerValues::IsChecked(answer, IDC_LANDSCAPE)) orientation = DMORIENT_LANDSCAPE;
    const bool wide = size.x > size.y;
    if (wide != (orientation == DMORIENT_LANDSCAPE)) std::swap(size.x, size.y);
    m_devSettings.orientation = orientation;
    m_psd.ptPaperSize = size;
    m_devSettings.pageSize = size;
}

void SPageSetupDlg::TakeMargins(const SAnswer& answer) {
    RECT margins = m_psd.rtMargin;
    const struct {
        int32_t controlId;
        int32_t* side;
    } sides[] = {{IDC_MARGIN_LEFT, &margins.left},
                 {IDC_MARGIN_TOP, &margins.top},
                 {IDC_MARGIN_RIGHT, &margins.right},
                 {IDC_MARGIN_BOTTOM, &margins.bottom}};
    for (const auto& side : sides) {
        int32_t value = 0;
        if (SAnswerValues::Number(answer, side.controlId, &value) && value >= 0) *side.side = value;
    }
    // Margins that meet or cross leave nothing to print on.
    const POINT page = m_psd.ptPaperSize;
    const int64_t width = int64_t{page.x} - margins.left - margins.right;
    const int64_t height = int64_t{page.y} - margins.top - margins.bottom;
    if (width > 0 && height > 0) m_psd.rtMargin = margins;
}

std::unique_ptr<SDCBackEnd> SPageSetupDlg::CreatePrinterDC() const {
    SPrinterCache::SDevSettings settings = m_devSettings;
    if (settings.pageSize.x <= 0 || settings.pageSize.y <= 0) settings.pageSize = m_psd.ptPaperSize;
    return SPrinterCache::CreatePrinterDC(settings);
}
