#include "rpt/dialogs/SRptFontPropertyPage.h"

#include <string>

#include "platform/com/SComWrap.h"
#include "platform/gdi/SFontOld.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "varod9/ISRptPara.h"

const SClassInfo SRptFontPropertyPage::classSRptFontPropertyPage = {"SRptFontPropertyPage",
                                                                    &SFontPropertyPage::classSFontPropertyPage};

namespace {
constexpr int16_t kBold = 1;
constexpr int16_t kItalic = 2;
constexpr int16_t kUnderline = 4;
constexpr int16_t kStrikeOut = 8;
// The page shows a regular weight as the thinnest, as the paragraphs always did.
constexpr int32_t kRegularWeight = 100;
constexpr int32_t kBoldWeight = 700;
}  // namespace

S_BEGIN_MESSAGE_MAP(SRptFontPropertyPage, SFontPropertyPage)
    SMsgEntry::Control(BN_CLICKED, IDC_FONT_STRIKEOUT, &SRptFontPropertyPage::OnStrikeOutClick),
    SMsgEntry::Control(BN_CLICKED, IDC_FONT_UNDERLINE, &SRptFontPropertyPage::OnUnderlineClick),
S_END_MESSAGE_MAP()

int32_t SRptFontPropertyPage::OnInitDialog() {
    SetHelpContext(10001);
    return SFontPropertyPage::OnInitDialog();
}

SRptDlgMultiPages* SRptFontPropertyPage::GetFormatSheet() const {
    return dynamic_cast<SRptDlgMultiPages*>(GetParent());
}

void SRptFontPropertyPage::ClearCombo(int32_t id) {
    if (SWnd* combo = FindControl(id)) {
        combo->SetWindowText(SString());
        combo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(-1));
    }
}

int32_t SRptFontPropertyPage::OnSetActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    SComWrap<ISRptPara> first(paras[0]);
    const SString name = first->GetFontName();
    const int32_t height = first->GetFontHeight();
    const int16_t style = first->GetFontStyle();
    LOGFONTA font;
    if (SFontOldPtr object = first->GetFont(nullptr)) object->GetLogFont(&font);
    font.lfWeight = (style & kBold) ? kBoldWeight : kRegularWeight;
    font.lfItalic = (style & kItalic) ? 1 : 0;
    font.lfUnderline = (style & kUnderline) ? 1 : 0;
    font.lfStrikeOut = (style & kStrikeOut) ? 1 : 0;
    SetCurrentFont(font);

    for (int32_t i = 1; i < paras.GetSize(); ++i) {
        SComWrap<ISRptPara> para(paras[i]);
        if (para->GetFontName() != name) ClearCombo(IDC_FONT_FACE);
        if (para->GetFontHeight() != height) ClearCombo(IDC_FONT_SIZE);
        const int16_t other = para->GetFontStyle();
        if ((other ^ style) & (kBold | kItalic)) ClearCombo(IDC_FONT_STYLE);
        if ((other ^ style) & kStrikeOut) SetCheck(IDC_FONT_STRIKEOUT, BST_INDETERMINATE);
        if ((other ^ style) & kUnderline) SetCheck(IDC_FONT_UNDERLINE, BST_INDETERMINATE);
    }
    m_shown.Record(*this, {IDC_FONT_FACE, IDC_FONT_STYLE, IDC_FONT_SIZE, IDC_FONT_STRIKEOUT, IDC_FONT_UNDERLINE});
    return 1;
}

int32_t SRptFontPropertyPage::GetCheck(int32_t id) const {
    SWnd* box = FindControl(id);
    return box ? static_cast<int32_t>(box->SendMessage(BM_GETCHECK)) : BST_UNCHECKED;
}

void SRptFontPropertyPage::SetCheck(int32_t id, int32_t state) {
    if (SWnd* box = FindControl(id)) box->SendMessage(BM_SETCHECK, static_cast<WPARAM>(state));
}

void SRptFontPropertyPage::OnEffectClick(int32_t id) {
    SetCheck(id, GetCheck(id) == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
    UpdateCurrentFont();
}

SString SRptFontPropertyPage::SizeText() {
    SWnd* size = FindControl(IDC_FONT_SIZE);
    if (!size) return SString();
    const auto selected = static_cast<int32_t>(size->SendMessage(CB_GETCURSEL));
    if (selected < 0) return size->GetWindowText();
    const auto length = static_cast<int32_t>(size->SendMessage(CB_GETLBTEXTLEN, static_cast<WPARAM>(selected)));
    std::string text(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    size->SendMessage(CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(text.data()));
    return SString(text.c_str());
}

int16_t SRptFontPropertyPage::NewStyle(int16_t own) {
    int16_t style = 0;
    SWnd* styles = FindControl(IDC_FONT_STYLE);
    const SString text = styles ? styles->GetWindowText() : SString();
    if (text.IsEmpty() || !m_shown.Changed(*this, IDC_FONT_STYLE)) {
        style = static_cast<int16_t>(own & (kBold | kItalic));
    } else {
        auto entry = static_cast<int32_t>(styles->SendMessage(CB_GETCURSEL));
        for (int32_t i = 0; entry < 0 && i < 4; ++i)
            if (text == kStyles[i]) entry = i;
        if (entry == 2 || entry == 3) style |= kBold;
        if (entry == 1 || entry == 3) style |= kItalic;
    }
    auto effect = [&](int32_t id, int16_t flag) {
        const int32_t state = GetCheck(id);
        if (state == BST_INDETERMINATE || !m_shown.Changed(*this, id)) return static_cast<int16_t>(own & flag);
        return state == BST_CHECKED ? flag : static_cast<int16_t>(0);
    };
    style = static_cast<int16_t>(style | effect(IDC_FONT_STRIKEOUT, kStrikeOut) | effect(IDC_FONT_UNDERLINE, kUnderline));
    return style;
}

int32_t SRptFontPropertyPage::OnKillActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!sheet || sheet->GetSelectedParas().IsEmpty() || !m_hWnd) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    if (paras.GetSize() == 1) {
        const int32_t valid = SFontPropertyPage::OnKillActive();
        if (valid != 1) return valid;
    }
    SWnd* face = FindControl(IDC_FONT_FACE);
    const SString name = face ? face->GetWindowText() : SString();
    const bool writeName = !name.IsEmpty() && m_shown.Changed(*this, IDC_FONT_FACE);
    const int32_t height = SizeText().ToInt();
    const bool writeHeight = height > 0 && m_shown.Changed(*this, IDC_FONT_SIZE);
    const bool writeStyle = m_shown.Changed(*this, IDC_FONT_STYLE) || m_shown.Changed(*this, IDC_FONT_STRIKEOUT) ||
                            m_shown.Changed(*this, IDC_FONT_UNDERLINE);
    for (int32_t i = 0; i < paras.GetSize(); ++i) {
        SComWrap<ISRptPara> para(paras[i]);
        if (writeName) para->PutFontName(name);
        if (writeHeight) para->PutFontHeight(height);
        if (writeStyle) para->PutFontStyle(NewStyle(para->GetFontStyle()));
    }
    m_shown.Record(*this, {IDC_FONT_FACE, IDC_FONT_STYLE, IDC_FONT_SIZE, IDC_FONT_STRIKEOUT, IDC_FONT_UNDERLINE});
    return 1;
}
