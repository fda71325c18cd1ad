#pragma once
// The page set-up dialog over the library's printer cache, as the interaction script answers it:
// a PageSetupDialog prompt captioned "Page Setup" whose text is the printer's name. At OK the
// answer's control values, those of the system's page set-up dialog, are what the user left in
// it: the paper code, the orientation (a "1" on either button) and the four margins in hundredths
// of a millimetre. The cache takes them in that order; a value that is not a number, a negative
// margin, and margins that would leave no printable page are not taken (the dialog refuses them).
#include <cstdint>

class SPrinterCache;
struct SAnswer;

class SRptPageSetupPrompt {
public:
    // Controls of the system's page set-up dialog.
    static constexpr int32_t IDC_PAPER = 0x0471;
    static constexpr int32_t IDC_PORTRAIT = 0x0420;
    static constexpr int32_t IDC_LANDSCAPE = 0x0421;
    static constexpr int32_t IDC_MARGIN_LEFT = 0x0483;
    static constexpr int32_t IDC_MARGIN_TOP = 0x0484;
    static constexpr int32_t IDC_MARGIN_RIGHT = 0x0485;
    static constexpr int32_t IDC_MARGIN_BOTTOM = 0x0486;

    explicit SRptPageSetupPrompt(SPrinterCache& cache) : m_cache(cache) {}

    // Non-zero on OK, the cache then holding what the user chose; 0 on Cancel, the cache as it was.
    int32_t DoPageSetupDialog();

private:
    void TakePaper(const SAnswer& answer);
    void TakeMargins(const SAnswer& answer);

    SPrinterCache& m_cache;
};
