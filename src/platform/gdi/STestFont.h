#pragma once
// A font realised by the test engine (formula in STestFontEngine.h).
#include "platform/gdi/SFontEngine.h"

class STestFont : public SRealisedFont {
public:
    STestFont(const SFontRequest& request, int32_t em);

    const TEXTMETRICA& GetMetrics() const override { return m_metrics; }
    const SString& GetFaceName() const override { return m_faceName; }
    std::vector<int32_t> GetAdvances(std::string_view text) const override;
    void Paint(cairo_t* cr, double x, double baseline, std::string_view text,
               const std::vector<int32_t>& advances) const override;

private:
    int32_t m_em;
    int32_t m_advance;
    TEXTMETRICA m_metrics;
    SString m_faceName;
};
