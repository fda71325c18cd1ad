#pragma once
// The resource behind a font handle: the logical font it was created from. It is realised
// against a device (size in pixels, face chosen by the font engine) only when a device context
// measures or draws with it.
#include "platform/gdi/GdiDefs.h"
#include "platform/gdi/LOGFONTA.h"
#include "platform/gdi/SGdiResource.h"

class SLogicalFont : public SGdiResource {
public:
    explicit SLogicalFont(const LOGFONTA& logFont) : m_logFont(logFont) {}
    uint32_t GetObjectType() const override { return OBJ_FONT; }
    const LOGFONTA& GetLogFont() const { return m_logFont; }

private:
    const LOGFONTA m_logFont;
};
