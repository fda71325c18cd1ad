#include "platform/gdi/SFontOld.h"

#include "platform/gdi/SGdiHandleTable.h"

bool SFontOld::CreateFontIndirect(const LOGFONTA* logFont) {
    if (m_hObject || !logFont) return false;
    m_hObject = CreateFontIndirectA(logFont);
    return m_hObject != nullptr;
}

bool SFontOld::GetLogFont(LOGFONTA* logFont) const {
    if (!logFont || !m_hObject) return false;
    return GetObjectA(m_hObject, static_cast<int32_t>(sizeof(LOGFONTA)), logFont) != 0;
}

SFontOld* SFontOld::CreateFontA(const LOGFONTA& logFont) {
    auto font = std::make_unique<SFontOld>();
    if (!font->CreateFontIndirect(&logFont)) return nullptr;
    return font.release();
}

void SFontOld::DeleteFont(SFontOld* font) {
    if (!font) return;
    font->DeleteObject();
    delete font;
}
