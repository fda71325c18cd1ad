#pragma once
// The font page: face (1017), style (1018) and size (1019) boxes, Strikeout (1014) and Underline
// (1015) check boxes and a preview (1016). It starts from a current font and reads the user's
// choice back into it.
#include "platform/gdi/LOGFONTA.h"
#include "platform/ui/SPropertyPage.h"

inline constexpr int32_t IDC_FONT_FACE = 1017;
inline constexpr int32_t IDC_FONT_STYLE = 1018;
inline constexpr int32_t IDC_FONT_SIZE = 1019;
inline constexpr int32_t IDC_FONT_STRIKEOUT = 1014;
inline constexpr int32_t IDC_FONT_UNDERLINE = 1015;
inline constexpr int32_t IDC_FONT_PREVIEW = 1016;

class SFontPropertyPage : public SPropertyPage {
public:
    explicit SFontPropertyPage(uint32_t templateId = 211) : SPropertyPage(templateId) {}

    const SClassInfo* GetClassInfo() const override { return &classSFontPropertyPage; }
    static const SClassInfo classSFontPropertyPage;

    // The font shown; its height in points is -lfHeight * 72 / 96 (96 units an inch).
    void SetCurrentFont(const LOGFONTA& font);
    const LOGFONTA& GetCurrentFont() const { return m_font; }
    // Reads the controls into the current font.
    void UpdateCurrentFont();
    int32_t OnInitDialog() override;
    int32_t OnKillActive() override;

    // Style names in the order of the style box.
    static const char* const kStyles[4];

protected:
    // Shows the current font in the controls.
    void ShowCurrentFont();

private:
    LOGFONTA m_font;
};
