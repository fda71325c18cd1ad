#include "rpt/module/SRptFontDesc.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <optional>
#include <utility>

#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SWindowDC.h"
#include "rpt/module/SRptFont.h"
#include "varod9/RptParaFormat.h"

SRptFontDesc::SRptFontDesc(SString faceName_, int32_t size_, int32_t style_, int32_t family_, int32_t pitch_,
                           int32_t charSet_)
    : faceName(std::move(faceName_)), size(size_), style(style_), family(family_), pitch(pitch_), charSet(charSet_) {}

LOGFONTA SRptFontDesc::ToLogFont(SDC* dc) const {
    std::optional<SWindowDC> ownScreen;
    SDC* target = dc ? dc : SRptFont::GetScreenDC(ownScreen);
    const int32_t pixelsPerInch = SRptFont::GetLogPixelsPerInch(target);

    // |INT32_MIN| does not fit: the size is taken at most INT32_MAX points.
    const int64_t points = std::llabs(static_cast<int64_t>(size));
    const int32_t magnitude = static_cast<int32_t>(std::min<int64_t>(points, std::numeric_limits<int32_t>::max()));

    LOGFONTA logFont;
    logFont.lfHeight = MulDiv(-magnitude, pixelsPerInch, 72);
    logFont.lfWidth = 0;
    logFont.lfEscapement = 0;
    logFont.lfOrientation = 0;
    logFont.lfWeight = (style & RPT_FONT_STYLE_BOLD) ? FW_BOLD : FW_NORMAL;
    logFont.lfItalic = (style & RPT_FONT_STYLE_ITALIC) ? 1 : 0;
    logFont.lfUnderline = (style & RPT_FONT_STYLE_UNDERLINE) ? 1 : 0;
    logFont.lfStrikeOut = (style & RPT_FONT_STYLE_STRIKEOUT) ? 1 : 0;
    // The description's own character set is not asked for: the mapper picks the face's.
    logFont.lfCharSet = DEFAULT_CHARSET;
    logFont.lfOutPrecision = OUT_DEVICE_PRECIS;
    logFont.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    logFont.lfQuality = PROOF_QUALITY;
    logFont.lfPitchAndFamily = static_cast<uint8_t>((family | pitch) & 0xFF);
    // A face name from the registry may be longer than the field: it is cut on a character.
    logFont.SetFaceName(faceName.view());
    return logFont;
}
