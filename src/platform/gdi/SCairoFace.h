#pragma once
// One face chosen by fontconfig, opened through cairo, with the design metrics that the real
// engine scales to each size. Metrics are read from the face's own tables (OS/2, hhea, post)
// and its unhinted advances, so they depend on the font file only, not on the FreeType version
// or the hinting settings:
//   cell ascent and descent: usWinAscent and usWinDescent (hhea's when the face has no OS/2);
//   external leading: what hhea's line gap adds beyond the cell, never negative;
//   average width: the weighted average of the widths of a to z and the blank with the
//   classic OS/2 weights (so that a face metric-compatible with another gives that face's
//   number); xAvgCharWidth when one of those characters is missing;
//   maximum width: hhea's advanceWidthMax; weight: usWeightClass;
//   family: FF_MODERN for a fixed pitch, else from PANOSE, else from the IBM family class.
#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/base/SString.h"

typedef struct _cairo_font_face cairo_font_face_t;
typedef struct _cairo_scaled_font cairo_scaled_font_t;
typedef struct _FcPattern FcPattern;

struct SCairoDesignMetrics {
    int32_t unitsPerEm = 2048;
    int32_t ascent = 0;
    int32_t descent = 0;
    int32_t externalLeading = 0;
    int32_t aveCharWidth = 0;
    int32_t maxCharWidth = 0;
    int32_t weight = 400;
    uint8_t family = 0;  // FF_ROMAN ...
    bool fixedPitch = false;
    bool emboldened = false;  // fontconfig asked for a synthetic bold
    int32_t underlinePosition = 0;  // centre of the line, above the baseline (negative: below)
    int32_t underlineThickness = 0;
    int32_t strikeoutPosition = 0;  // bottom of the line, above the baseline
    int32_t strikeoutSize = 0;
};

class SCairoFace {
public:
    // Opens the face of a fontconfig match; null when cairo or FreeType cannot open it.
    static std::shared_ptr<const SCairoFace> Create(FcPattern* match);
    ~SCairoFace();
    SCairoFace(const SCairoFace&) = delete;
    SCairoFace& operator=(const SCairoFace&) = delete;

    cairo_font_face_t* GetFontFace() const { return m_fontFace; }
    const SString& GetFamilyName() const { return m_familyName; }
    const SCairoDesignMetrics& GetDesignMetrics() const { return m_design; }

    struct Glyph {
        uint32_t index = 0;   // 0: the face has no glyph for the character
        int32_t advance = 0;  // design units
    };
    // One entry per character of UTF-8 text (an ill-formed byte is one character, U+FFFD).
    std::vector<Glyph> GetGlyphs(std::string_view text) const;

private:
    SCairoFace() = default;
    bool ReadDesignMetrics();

    cairo_font_face_t* m_fontFace = nullptr;
    // A scaled font kept only to reach the FreeType face (cairo lends it through a lock).
    cairo_scaled_font_t* m_lockFont = nullptr;
    SString m_familyName;
    SCairoDesignMetrics m_design;
    // Glyphs looked up so far, by code point.
    mutable std::unordered_map<uint32_t, Glyph> m_glyphs;
};
