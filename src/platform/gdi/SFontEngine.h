#pragma once
// Where text metrics come from. A device context hands the engine a logical font and the height
// it asks for in device pixels; the engine chooses a face and gives a realised font. Two engines
// stand behind this interface: the real one (fontconfig chooses the face, FreeType's tables give
// the metrics, cairo paints), and a test engine whose numbers follow a fixed formula on every
// machine.
//
// What both engines share:
// - The character height (em) in whole device pixels: for lfHeight < 0 it is -lfHeight; for
//   lfHeight > 0 (a cell height) the engine derives it from the face's cell; for 0 it is
//   12 points at the device's vertical resolution. The result is kept between 1 and 2^20 pixels,
//   so that no metric overflows 32 bits.
// - lfWidth, lfEscapement and lfOrientation are kept in the logical font but not applied.
// - tmCharSet is ANSI_CHARSET for a request of DEFAULT_CHARSET, else the requested set;
//   tmItalic, tmUnderlined and tmStruckOut are 0xFF when the request sets them;
//   tmDigitizedAspectX/Y are the device's resolution; tmOverhang is 0; tmFirstChar 0x20,
//   tmLastChar 0xFF, tmDefaultChar 0x1F, tmBreakChar 0x20.
// - A face name left empty asks for the engine's face of the requested family: Times New Roman
//   for FF_ROMAN, Courier New for FF_MODERN or a fixed pitch, Arial otherwise.
#include <cstdint>
#include <memory>

#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SRealisedFont.h"

struct SFontRequest {
    LOGFONTA logFont;
    int32_t deviceHeight = 0;  // lfHeight converted to device pixels, sign kept
    int32_t logPixelsX = 96;
    int32_t logPixelsY = 96;
};

class SFontEngine {
public:
    virtual ~SFontEngine() = default;
    // Null when no face can be found at all.
    virtual std::shared_ptr<const SRealisedFont> Realise(const SFontRequest& request) = 0;

    // The process's engine; the real engine unless a test chose another.
    static std::shared_ptr<SFontEngine> GetCurrent();
    // Makes `engine` the process's engine (null goes back to the real engine) and returns the
    // previous one. Fonts already realised keep what they hold; device contexts realise their
    // fonts again with the new engine at their next use.
    static std::shared_ptr<SFontEngine> SetCurrent(std::shared_ptr<SFontEngine> engine);

    // Helpers for the engines.
    static SString FaceForRequest(const LOGFONTA& logFont);
    static TEXTMETRICA CommonMetrics(const SFontRequest& request);
    static int32_t DefaultEm(const SFontRequest& request);
    static int32_t ClampEm(int64_t em);

    // Drops the process's engine and releases what cairo and fontconfig keep for the life of the
    // process. Both libraries are shared with anything else in the process, so only the owner of
    // the process may call this, at its very end, once every device context is gone (the test
    // main does, so that leak detection sees a clean exit).
    static void ReleaseSharedCaches();
};
