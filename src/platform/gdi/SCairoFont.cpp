#include "platform/gdi/SCairoFont.h"

#include <cairo.h>

#include <algorithm>

#include "platform/gdi/MulDiv.h"

SCairoFont::SCairoFont(std::shared_ptr<const SCairoFace> face, const SFontRequest& request, int32_t em)
    : m_face(std::move(face)), m_em(em), m_metrics(SFontEngine::CommonMetrics(request)) {
    const SCairoDesignMetrics& design = m_face->GetDesignMetrics();
    m_metrics.tmAscent = Scale(design.ascent);
    m_metrics.tmDescent = Scale(design.descent);
    m_metrics.tmHeight = m_metrics.tmAscent + m_metrics.tmDescent;
    m_metrics.tmInternalLeading = std::max(0, m_metrics.tmHeight - em);
    m_metrics.tmExternalLeading = Scale(design.externalLeading);
    m_metrics.tmAveCharWidth = Scale(design.aveCharWidth);
    m_metrics.tmMaxCharWidth = Scale(design.maxCharWidth);
    // A synthetic bold reports the weight that was asked for, as the face itself has none.
    m_metrics.tmWeight = design.emboldened ? std::max(request.logFont.lfWeight, FW_BOLD) : design.weight;
    m_metrics.tmPitchAndFamily = design.family | TMPF_VECTOR | TMPF_TRUETYPE | (design.fixedPitch ? 0 : TMPF_FIXED_PITCH);
}

int32_t SCairoFont::EmForRequest(const SCairoFace& face, const SFontRequest& request) {
    if (request.deviceHeight == 0) return SFontEngine::DefaultEm(request);
    const int64_t height = request.deviceHeight;
    if (height < 0) return SFontEngine::ClampEm(-height);
    // A cell height: the em that makes the face's cell that high.
    const SCairoDesignMetrics& design = face.GetDesignMetrics();
    const int64_t cell = std::max(1, design.ascent + design.descent);
    return SFontEngine::ClampEm((height * design.unitsPerEm * 2 + cell) / (cell * 2));
}

int32_t SCairoFont::Scale(int32_t designUnits) const {
    return MulDiv(designUnits, m_em, m_face->GetDesignMetrics().unitsPerEm);
}

std::vector<int32_t> SCairoFont::GetAdvances(std::string_view text) const {
    std::vector<int32_t> advances;
    for (const SCairoFace::Glyph& glyph : m_face->GetGlyphs(text)) advances.push_back(Scale(glyph.advance));
    return advances;
}

void SCairoFont::Paint(cairo_t* cr, double x, double baseline, std::string_view text,
                       const std::vector<int32_t>& advances) const {
    const std::vector<SCairoFace::Glyph> glyphs = m_face->GetGlyphs(text);
    std::vector<cairo_glyph_t> run;
    run.reserve(glyphs.size());
    double pen = x;
    for (size_t i = 0; i < glyphs.size() && i < advances.size(); ++i) {
        run.push_back({glyphs[i].index, pen, baseline});
        pen += advances[i];
    }
    cairo_save(cr);
    cairo_set_font_face(cr, m_face->GetFontFace());
    cairo_set_font_size(cr, m_em);
    // The glyphs go where the measured advances put them; cairo must not round them again.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    if (!run.empty()) cairo_show_glyphs(cr, run.data(), static_cast<int>(run.size()));

    const SCairoDesignMetrics& design = m_face->GetDesignMetrics();
    if (m_metrics.tmUnderlined) {
        const double thickness = std::max(1, Scale(design.underlineThickness));
        cairo_rectangle(cr, x, baseline - Scale(design.underlinePosition) - thickness / 2, pen - x, thickness);
    }
    if (m_metrics.tmStruckOut) {
        const double thickness = std::max(1, Scale(design.strikeoutSize));
        cairo_rectangle(cr, x, baseline - Scale(design.strikeoutPosition) - thickness, pen - x, thickness);
    }
    cairo_fill(cr);
    cairo_restore(cr);
}
