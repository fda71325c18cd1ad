#include "platform/ui/SFontPropertyPage.h"

#include "platform/ui/SComboBoxCtrl.h"

namespace {
const char* const kFaces[] = {"Arial", "Courier New", "Times New Roman"};
const int32_t kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};
constexpr int32_t kFW_BOLD = 700;
constexpr int32_t kFW_NORMAL = 400;
}  // namespace

const char* const SFontPropertyPage::kStyles[4] = {"Regular", "Italic", "Bold", "Bold Italic"};
const SClassInfo SFontPropertyPage::classSFontPropertyPage = {"SFontPropertyPage", &SPropertyPage::classSPropertyPage};

void SFontPropertyPage::SetCurrentFont(const LOGFONTA& font) {
    m_font = font;
    if (m_hWnd) ShowCurrentFont();
}

int32_t SFontPropertyPage::OnInitDialog() {
    SPropertyPage::OnInitDialog();
    if (HWND face = FindControlHandle(IDC_FONT_FACE))
        for (const char* name : kFaces) SendMessageA(face, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (HWND style = FindControlHandle(IDC_FONT_STYLE))
        for (const char* name : kStyles) SendMessageA(style, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    if (HWND size = FindControlHandle(IDC_FONT_SIZE))
        for (int32_t points : kSizes) SendMessageA(size, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(SString::FromInt(points).c_str()));
    ShowCurrentFont();
    return 1;
}

void SFontPropertyPage::ShowCurrentFont() {
    auto select = [&](int32_t id, const SString& text) {
        HWND control = FindControlHandle(id);
        if (!control) return;
        if (SendMessageA(control, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str())) < 0)
            SendMessageA(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    };
    select(IDC_FONT_FACE, m_font.GetFaceName());
    const int32_t style = (m_font.lfWeight >= kFW_BOLD ? 2 : 0) + (m_font.lfItalic ? 1 : 0);
    select(IDC_FONT_STYLE, kStyles[style]);
    select(IDC_FONT_SIZE, SString::FromInt((-m_font.lfHeight * 72 + 48) / 96));
    if (HWND box = FindControlHandle(IDC_FONT_STRIKEOUT)) SendMessageA(box, BM_SETCHECK, m_font.lfStrikeOut ? 1 : 0);
    if (HWND box = FindControlHandle(IDC_FONT_UNDERLINE)) SendMessageA(box, BM_SETCHECK, m_font.lfUnderline ? 1 : 0);
    if (SWnd* preview = FindControl(IDC_FONT_PREVIEW)) preview->SetWindowText(m_font.GetFaceName());
}

void SFontPropertyPage::UpdateCurrentFont() {
    if (SWnd* face = FindControl(IDC_FONT_FACE); face && !face->GetWindowText().IsEmpty())
        m_font.SetFaceName(face->GetWindowText().view());
    if (SWnd* style = FindControl(IDC_FONT_STYLE)) {
        const SString text = style->GetWindowText();
        for (int32_t i = 0; i < 4; ++i) {
            if (text != kStyles[i]) continue;
            m_font.lfItalic = (i & 1) ? 1 : 0;
            m_font.lfWeight = (i & 2) ? kFW_BOLD : kFW_NORMAL;
        }
    }
    if (SWnd* size = FindControl(IDC_FONT_SIZE)) {
        const int32_t points = size->GetWindowText().ToInt();
        if (points > 0) m_font.lfHeight = -(points * 96 + 36) / 72;
    }
    if (HWND box = FindControlHandle(IDC_FONT_STRIKEOUT)) m_font.lfStrikeOut = SendMessageA(box, BM_GETCHECK) ? 1 : 0;
    if (HWND box = FindControlHandle(IDC_FONT_UNDERLINE)) m_font.lfUnderline = SendMessageA(box, BM_GETCHECK) ? 1 : 0;
}

int32_t SFontPropertyPage::OnKillActive() {
    UpdateCurrentFont();
    return SPropertyPage::OnKillActive();
}
