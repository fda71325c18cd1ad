#pragma once
// A font as a paragraph or a report font kind describes it: face, size in points, style bits,
// family, pitch and character set, in the order of the paragraph's font attributes. It converts
// itself into a logical font for a device context.
#include <cstdint>

#include "platform/base/SString.h"
#include "platform/gdi/LOGFONTA.h"

class SDC;

struct SRptFontDesc {
    SString faceName;
    int32_t size = 0;     // points
    int32_t style = 0;    // RPT_FONT_STYLE_... bits
    int32_t family = 0;   // FF_... (high nibble)
    int32_t pitch = 0;    // DEFAULT_PITCH, FIXED_PITCH, VARIABLE_PITCH
    int32_t charSet = 0;  // kept, but the conversion always asks for DEFAULT_CHARSET

    SRptFontDesc() = default;
    SRptFontDesc(SString faceName, int32_t size, int32_t style, int32_t family, int32_t pitch, int32_t charSet);

    // The logical font for `dc` (null: the library's screen): a character height of `size`
    // points at the context's logical resolution, so never a positive height; the weight, italic,
    // underline and strike-out of the style bits; a face name of at most 31 characters.
    LOGFONTA ToLogFont(SDC* dc) const;
};
