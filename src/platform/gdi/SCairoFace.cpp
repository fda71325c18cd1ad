#include "platform/gdi/SCairoFace.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

#include "platform/base/SUtf8.h"
#include "platform/gdi/LOGFONTA.h"

namespace {

// cairo lends the FreeType face only between a lock and an unlock.
class SLockedFace {
public:
    explicit SLockedFace(cairo_scaled_font_t* font) : m_font(font), m_face(cairo_ft_scaled_font_lock_face(font)) {}
    ~SLockedFace() {
        if (m_face) cairo_ft_scaled_font_unlock_face(m_font);
    }
    SLockedFace(const SLockedFace&) = delete;
    SLockedFace& operator=(const SLockedFace&) = delete;
    FT_Face Get() const { return m_face; }

private:
    cairo_scaled_font_t* m_font;
    FT_Face m_face;
};

SCairoFace::Glyph LookUp(FT_Face face, uint32_t codePoint) {
    SCairoFace::Glyph glyph;
    glyph.index = FT_Get_Char_Index(face, codePoint);
    FT_Fixed advance = 0;
    // Unscaled: design units, the same whatever the hinting.
    if (FT_Get_Advance(face, glyph.index, FT_LOAD_NO_SCALE, &advance) == 0) glyph.advance = static_cast<int32_t>(advance);
    return glyph;
}

// The classic OS/2 weights of the lower-case letters a to z and the blank; they add up to 1000.
constexpr int32_t kLetterWeights[26] = {64, 14, 27, 35, 100, 20, 14, 42, 63, 3, 6, 35, 20,
                                        56, 56, 17, 4, 49, 56, 71, 31, 10, 18, 3, 18, 2};
constexpr int32_t kBlankWeight = 166;

// 0 when one of the characters is missing.
int32_t WeightedAverageWidth(FT_Face face) {
    int64_t sum = 0;
    for (int32_t i = 0; i <= 26; ++i) {
        const uint32_t codePoint = i < 26 ? static_cast<uint32_t>('a' + i) : ' ';
        const SCairoFace::Glyph glyph = LookUp(face, codePoint);
        if (glyph.index == 0) return 0;
        sum += static_cast<int64_t>(glyph.advance) * (i < 26 ? kLetterWeights[i] : kBlankWeight);
    }
    return static_cast<int32_t>(sum / 1000);
}

uint8_t FamilyFromClass(int16_t familyClass) {
    switch ((familyClass >> 8) & 0xFF) {
    case 1: case 2: case 3: case 4: case 5: case 7:
        return FF_ROMAN;
    case 8:
        return FF_SWISS;
    case 9: case 12:
        return FF_DECORATIVE;
    case 10:
        return FF_SCRIPT;
    default:
        return FF_DONTCARE;
    }
}

uint8_t FamilyOf(const TT_OS2* os2, bool fixedPitch) {
    if (fixedPitch) return FF_MODERN;
    if (!os2) return FF_DONTCARE;
    switch (os2->panose[0]) {
    case 2: {  // Latin text: the serif style decides
        const uint8_t serif = os2->panose[1];
        if (serif >= 2 && serif <= 10) return FF_ROMAN;
        if (serif >= 11 && serif <= 15) return FF_SWISS;
        break;
    }
    case 3:
        return FF_SCRIPT;
    case 4: case 5:
        return FF_DECORATIVE;
    default:
        break;
    }
    return FamilyFromClass(os2->sFamilyClass);
}

}  // namespace

std::shared_ptr<const SCairoFace> SCairoFace::Create(FcPattern* match) {
    if (!match) return nullptr;
    std::shared_ptr<SCairoFace> face(new SCairoFace);
    face->m_fontFace = cairo_ft_font_face_create_for_pattern(match);
    if (cairo_font_face_status(face->m_fontFace) != CAIRO_STATUS_SUCCESS) return nullptr;

    cairo_matrix_t size;
    cairo_matrix_t identity;
    cairo_matrix_init_scale(&size, 16, 16);
    cairo_matrix_init_identity(&identity);
    cairo_font_options_t* options = cairo_font_options_create();
    face->m_lockFont = cairo_scaled_font_create(face->m_fontFace, &size, &identity, options);
    cairo_font_options_destroy(options);
    if (cairo_scaled_font_status(face->m_lockFont) != CAIRO_STATUS_SUCCESS) return nullptr;

    FcChar8* family = nullptr;
    if (FcPatternGetString(match, FC_FAMILY, 0, &family) == FcResultMatch && family)
        face->m_familyName = reinterpret_cast<const char*>(family);
    FcBool emboldened = FcFalse;
    FcPatternGetBool(match, FC_EMBOLDEN, 0, &emboldened);
    face->m_design.emboldened = emboldened == FcTrue;

    if (!face->ReadDesignMetrics()) return nullptr;
    return face;
}

SCairoFace::~SCairoFace() {
    if (m_lockFont) cairo_scaled_font_destroy(m_lockFont);
    if (m_fontFace) cairo_font_face_destroy(m_fontFace);
}

bool SCairoFace::ReadDesignMetrics() {
    SLockedFace locked(m_lockFont);
    FT_Face face = locked.Get();
    if (!face || face->units_per_EM == 0) return false;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
    SCairoDesignMetrics& m = m_design;
    m.unitsPerEm = face->units_per_EM;
    const int32_t lineAscent = hhea ? hhea->Ascender : face->ascender;
    const int32_t lineDescent = hhea ? -hhea->Descender : -face->descender;
    const int32_t lineGap = hhea ? hhea->Line_Gap : 0;
    const bool hasWinMetrics = os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent);
    m.ascent = hasWinMetrics ? os2->usWinAscent : lineAscent;
    m.descent = hasWinMetrics ? os2->usWinDescent : lineDescent;
    m.externalLeading = std::max(0, lineGap - ((m.ascent + m.descent) - (lineAscent + lineDescent)));
    m.fixedPitch = FT_IS_FIXED_WIDTH(face);
    m.aveCharWidth = WeightedAverageWidth(face);
    if (m.aveCharWidth == 0 && os2 && os2->version != 0xFFFF) m.aveCharWidth = os2->xAvgCharWidth;
    m.maxCharWidth = hhea ? hhea->advance_Width_Max : face->max_advance_width;
    m.weight = os2 && os2->version != 0xFFFF && os2->usWeightClass ? os2->usWeightClass : 400;
    m.family = FamilyOf(os2 && os2->version != 0xFFFF ? os2 : nullptr, m.fixedPitch);
    m.underlinePosition = face->underline_position;
    m.underlineThickness = face->underline_thickness;
    if (os2 && os2->version != 0xFFFF) {
        m.strikeoutPosition = os2->yStrikeoutPosition;
        m.strikeoutSize = os2->yStrikeoutSize;
    }
    if (m.strikeoutSize <= 0) {
        m.strikeoutSize = m.underlineThickness;
        m.strikeoutPosition = m.ascent / 4;
    }
    return true;
}

std::vector<SCairoFace::Glyph> SCairoFace::GetGlyphs(std::string_view text) const {
    std::vector<Glyph> glyphs;
    glyphs.reserve(text.size());
    std::unique_ptr<SLockedFace> locked;  // only when a character is not looked up yet
    for (size_t pos = 0; pos < text.size();) {
        const uint32_t codePoint = SUtf8::Decode(text, pos);
        auto known = m_glyphs.find(codePoint);
        if (known == m_glyphs.end()) {
            if (!locked) locked = std::make_unique<SLockedFace>(m_lockFont);
            if (!locked->Get()) {
                glyphs.push_back(Glyph());
                continue;
            }
            known = m_glyphs.emplace(codePoint, LookUp(locked->Get(), codePoint)).first;
        }
        glyphs.push_back(known->second);
    }
    return glyphs;
}
