#include "rpt/objs/reports/SRptPageSetupPrompt.h"

#include <charconv>
#include <cstring>

#include "platform/gdi/SPrinterCache.h"
#include "varod9/SInteraction.h"

namespace {

// The whole value of a control as a number; false when it is missing or is no number.
bool NumberOf(const SAnswer& answer, int32_t controlId, int32_t* value) {
    const auto it = answer.controlValues.find(controlId);
    if (it == answer.controlValues.end()) return false;
    const char* text = it->second.c_str();
    const char* end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, *value);
    return error == std::errc() && stop == end && stop != text;
}

bool IsChecked(const SAnswer& answer, int32_t controlId) {
    int32_t value = 0;
    return NumberOf(answer, controlId, &value) && value != 0;
}

}  // namespace

int32_t SRptPageSetupPrompt::DoPageSetupDialog() {
    SPrompt prompt;
    prompt.kind = SPrompt::PageSetupDialog;
    prompt.caption = "Page Setup";
    prompt.text = m_cache.GetPrinterName();
    const SAnswer answer = SInteraction::Ask(prompt);
    if (answer.button != IDOK) return 0;
    TakePaper(answer);
    TakeMargins(answer);
    return 1;
}

void SRptPageSetupPrompt::TakePaper(const SAnswer& answer) {
    int32_t paper = 0;
    if (NumberOf(answer, IDC_PAPER, &paper)) m_cache.SetPaperSize(paper);
    if (IsChecked(answer, IDC_PORTRAIT))
        m_cache.SetOrientation(DMORIENT_PORTRAIT);
    else if (IsChecked(answer, IDC_LANDSCAPE))
        m_cache.SetOrientation(DMORIENT_LANDSCAPE);
}

void SRptPageSetupPrompt::TakeMargins(const SAnswer& answer) {
    RECT margins = m_cache.GetMargins();
    const struct {
        int32_t controlId;
        int32_t* side;
    } sides[] = {{IDC_MARGIN_LEFT, &margins.left},
                 {IDC_MARGIN_TOP, &margins.top},
                 {IDC_MARGIN_RIGHT, &margins.right},
                 {IDC_MARGIN_BOTTOM, &margins.bottom}};
    for (const auto& side : sides) {
        int32_t value = 0;
        if (NumberOf(answer, side.controlId, &value) && value >= 0) *side.side = value;
    }
    // Margins that meet or cross leave nothing to print on.
    const POINT page = m_cache.GetPageSize();
    const int64_t width = int64_t{page.x} - margins.left - margins.right;
    const int64_t height = int64_t{page.y} - margins.top - margins.bottom;
    if (width > 0 && height > 0) m_cache.SetMargins(margins);
}
