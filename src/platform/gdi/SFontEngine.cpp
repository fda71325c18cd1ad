#include "platform/gdi/SFontEngine.h"

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <algorithm>

#include "platform/gdi/MulDiv.h"
#include "platform/gdi/SCairoFontEngine.h"

namespace {

std::shared_ptr<SFontEngine>& CurrentEngine() {
    // Never destroyed: the library's unload may run after the process's exit handlers.
    static std::shared_ptr<SFontEngine>* engine = new std::shared_ptr<SFontEngine>();
    return *engine;
}

}  // namespace

std::shared_ptr<SFontEngine> SFontEngine::GetCurrent() {
    std::shared_ptr<SFontEngine>& engine = CurrentEngine();
    if (!engine) engine = std::make_shared<SCairoFontEngine>();
    return engine;
}

std::shared_ptr<SFontEngine> SFontEngine::SetCurrent(std::shared_ptr<SFontEngine> engine) {
    std::shared_ptr<SFontEngine> previous = std::move(CurrentEngine());
    CurrentEngine() = std::move(engine);
    return previous;
}

SString SFontEngine::FaceForRequest(const LOGFONTA& logFont) {
    SString face = logFont.GetFaceName();
    if (!face.IsEmpty()) return face;
    const uint8_t family = logFont.lfPitchAndFamily & 0xF0;
    if (family == FF_ROMAN) return "Times New Roman";
    if (family == FF_MODERN || (logFont.lfPitchAndFamily & 0x03) == FIXED_PITCH) return "Courier New";
    return "Arial";
}

TEXTMETRICA SFontEngine::CommonMetrics(const SFontRequest& request) {
    const LOGFONTA& font = request.logFont;
    TEXTMETRICA tm;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = request.logPixelsX;
    tm.tmDigitizedAspectY = request.logPixelsY;
    tm.tmFirstChar = 0x20;
    tm.tmLastChar = 0xFF;
    tm.tmDefaultChar = 0x1F;
    tm.tmBreakChar = 0x20;
    tm.tmItalic = font.lfItalic ? 0xFF : 0;
    tm.tmUnderlined = font.lfUnderline ? 0xFF : 0;
    tm.tmStruckOut = font.lfStrikeOut ? 0xFF : 0;
    tm.tmCharSet = font.lfCharSet == DEFAULT_CHARSET ? ANSI_CHARSET : font.lfCharSet;
    return tm;
}

int32_t SFontEngine::DefaultEm(const SFontRequest& request) {
    return ClampEm(MulDiv(12, request.logPixelsY, 72));
}

int32_t SFontEngine::ClampEm(int64_t em) {
    return static_cast<int32_t>(std::clamp<int64_t>(em, 1, int64_t(1) << 20));
}

void SFontEngine::ReleaseSharedCaches() {
    CurrentEngine().reset();
    // cairo's caches hold fontconfig patterns, so they go first.
    cairo_debug_reset_static_data();
    FcFini();
}
