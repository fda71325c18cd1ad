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
    explicit SRptPageSetupPrompt(SPrinterCache& cache) : m_cache(cache) {}

    // Non-zero on OK, the cache then holding what the user chose; 0 on Cancel, the cache as it was.
    int32_t DoPageSetupDialog();

private:
    void TakePaper(const SAnswer& answer);
    void TakeMargins(const SAnswer& answer);

    SPrinterCache& m_cache;
};
