#pragma once
// A font realised by the real engine: a face at a whole number of pixels per em. Every metric
// is the face's design value scaled by em / units per em and rounded (halves away from zero);
// tmHeight is the sum of the rounded ascent and descent; each character advances by its own
// rounded advance, so that measuring and painting agree to the pixel.
#include <memory>

#include "platform/gdi/SCairoFace.h"
#include "platform/gdi/SFontEngine.h"

class SCairoFont : public SRealisedFont {
public:
    SCairoFont(std::shared_ptr<const SCairoFace> face, const SFontRequest& request, int32_t em);

    const TEXTMETRICA& GetMetrics() const override { return m_metrics; }
    const SString& GetFaceName() const override { return m_face->GetFamilyName(); }
    std::vector<int32_t> GetAdvances(std::string_view text) const override;
    void Paint(cairo_t* cr, double x, double baseline, std::string_view text,
               const std::vector<int32_t>& advances) const override;

    // The character height in pixels that a device height asks for of this face.
    static int32_t EmForRequest(const SCairoFace& face, const SFontRequest& request);

private:
    int32_t Scale(int32_t designUnits) const;

    std::shared_ptr<const SCairoFace> m_face;
    int32_t m_em;
    TEXTMETRICA m_metrics;
};
