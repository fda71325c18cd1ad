#pragma once
// The deterministic font engine for unit tests: no font files, the same numbers on every
// machine. With em the character height in device pixels (SFontEngine.h; for a cell height c,
// em = round(c × 4 / 5)), all divisions rounding halves up:
//   tmAscent = em                 tmDescent = round(em / 4)
//   tmHeight = em + tmDescent     tmInternalLeading = tmDescent
//   tmExternalLeading = em / 8, truncated
//   advance of every character = round(em × 0.6) when lfWeight >= 600, else round(em / 2);
//   tmAveCharWidth = tmMaxCharWidth = that advance; a text's width = characters × advance,
//   a character being a code point (an ill-formed byte counts as one)
//   tmWeight = lfWeight, 400 for 0
//   family: the requested one, else FF_ROMAN for "Times New Roman", FF_MODERN (fixed pitch) for
//   "Courier New", FF_SWISS otherwise; tmPitchAndFamily = family | TMPF_VECTOR | TMPF_TRUETYPE,
//   with TMPF_FIXED_PITCH (variable pitch) unless fixed
//   the face name is the one requested
// Italic changes no number. So 10 points on a 96-dpi screen (em 13): height 16, ascent 13,
// descent 3, internal leading 3, external leading 1, advance 7 (8 in bold).
// Painting fills one box per character other than a blank (from x + 1 to x + advance - 1, from
// the baseline up by round(em × 7 / 10)), without antialiasing; an underline from the baseline
// + 1 down, a strike-out from em / 3 above the baseline down, each max(1, em / 12) thick.
#include "platform/gdi/SFontEngine.h"

class STestFontEngine : public SFontEngine {
public:
    std::shared_ptr<const SRealisedFont> Realise(const SFontRequest& request) override;

    static int32_t EmForRequest(const SFontRequest& request);
};
