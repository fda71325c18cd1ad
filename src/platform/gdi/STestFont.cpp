#include "platform/gdi/STestFont.h"

#include <cairo.h>

#include <algorithm>

#include "platform/base/SUtf8.h"

namespace {

uint8_t FamilyOf(const LOGFONTA& font, const SString& face) {
    const uint8_t requested = font.lfPitchAndFamily & 0xF0;
    if (requested != FF_DONTCARE) return requested;
    if (face == "Times New Roman") return FF_ROMAN;
    if (face == "Courier New") return FF_MODERN;
    return FF_SWISS;
}

}  // namespace

STestFont::STestFont(const SFontRequest& request, int32_t em)
    : m_em(em), m_metrics(SFontEngine::CommonMetrics(request)), m_faceName(SFontEngine::FaceForRequest(request.logFont)) {
    const LOGFONTA& font = request.logFont;
    const bool bold = font.lfWeight >= FW_SEMIBOLD;
    // Heights stay far below 2^31 / 3: the device height came through a 32-bit conversion.
    const int64_t e = em;
    m_advance = static_cast<int32_t>(bold ? (e * 3 + 2) / 5 : (e + 1) / 2);
    m_metrics.tmAscent = em;
    m_metrics.tmDescent = static_cast<int32_t>((e + 2) / 4);
    m_metrics.tmHeight = static_cast<int32_t>(e + m_metrics.tmDescent);
    m_metrics.tmInternalLeading = m_metrics.tmDescent;
    m_metrics.tmExternalLeading = em / 8;
    m_metrics.tmAveCharWidth = m_advance;
    m_metrics.tmMaxCharWidth = m_advance;
    m_metrics.tmWeight = font.lfWeight ? font.lfWeight : FW_NORMAL;
    const uint8_t family = FamilyOf(font, m_faceName);
    const bool fixed = family == FF_MODERN || (font.lfPitchAndFamily & 0x03) == FIXED_PITCH;
    m_metrics.tmPitchAndFamily = family | TMPF_VECTOR | TMPF_TRUETYPE | (fixed ? 0 : TMPF_FIXED_PITCH);
}

std::vector<int32_t> STestFont::GetAdvances(std::string_view text) const {
    return std::vector<int32_t>(SUtf8::CountChars(text), m_advance);
}

void STestFont::Paint(cairo_t* cr, double x, double baseline, std::string_view text,
                      const std::vector<int32_t>& advances) const {
    cairo_save(cr);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    const double boxHeight = (static_cast<int64_t>(m_em) * 7 + 5) / 10;
    double pen = x;
    size_t index = 0;
    for (size_t pos = 0; pos < text.size() && index < advances.size(); ++index) {
        const size_t length = SUtf8::SequenceLength(text, pos);
        const bool blank = text[pos] == ' ';
        pos += length ? length : 1;
        if (!blank && advances[index] > 2) cairo_rectangle(cr, pen + 1, baseline - boxHeight, advances[index] - 2, boxHeight);
        pen += advances[index];
    }
    const double thickness = std::max(1, m_em / 12);
    if (m_metrics.tmUnderlined) cairo_rectangle(cr, x, baseline + 1, pen - x, thickness);
    if (m_metrics.tmStruckOut) cairo_rectangle(cr, x, baseline - m_em / 3, pen - x, thickness);
    cairo_fill(cr);
    cairo_restore(cr);
}
