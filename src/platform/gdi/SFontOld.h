#pragma once
// A font object: owns a font handle made from a LOGFONTA. Callers that receive a font by pointer
// (a paragraph's font for a device context) own it and release it with DeleteFont, or hold it in
// an SFontOldPtr.
#include <memory>

#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SGdiObject.h"

class SFontOld : public SGdiObject {
public:
    SFontOld() = default;

    // Makes the font; false when the wrapper already holds a handle or `logFont` is null.
    bool CreateFontIndirect(const LOGFONTA* logFont);
    HFONT GetSafeHandle() const { return static_cast<HFONT>(m_hObject); }
    operator HFONT() const { return GetSafeHandle(); }
    // The font's description as it was created; false without a font.
    bool GetLogFont(LOGFONTA* logFont) const;

    // A new font object made from `logFont`, or null when it cannot be made.
    static SFontOld* CreateFontA(const LOGFONTA& logFont);
    // Deletes the font's handle and the object; null does nothing.
    static void DeleteFont(SFontOld* font);

    struct Deleter {
        void operator()(SFontOld* font) const { DeleteFont(font); }
    };
};

using SFontOldPtr = std::unique_ptr<SFontOld, SFontOld::Deleter>;
