#pragma once
// The "Text" page of the format sheets: the text of the item being formatted (a free text, a
// title, a group title or a folder), shown in the font of the first selected paragraph and written
// back when the page is left. A group text shows its displayed title, which is computed, so
// leaving the page writes nothing for it; other items show nothing and keep their text. Every
// sheet builds one; none shows it among its tabs, but a sheet of this family may add it.
#include "platform/gdi/SFontOld.h"
#include "platform/ui/SRichEditCtrl.h"
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgTextPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 226;
    static constexpr int32_t IDC_TEXT = 1005;

    SRptDlgTextPage() : SRptDlgFormatPage(IDD, 0) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTextPage; }
    static const SClassInfo classSRptDlgTextPage;

    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;

    // The font the text is shown in: the first selected paragraph's, made when the page was last
    // shown; null before.
    const SFontOld* GetTextFont() const { return m_font.get(); }

private:
    SRichEditCtrl m_text;
    // The box shows its text in this font as long as the page lives.
    SFontOldPtr m_font;
};
