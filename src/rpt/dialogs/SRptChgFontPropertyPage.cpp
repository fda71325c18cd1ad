#include "rpt/dialogs/SRptChgFontPropertyPage.h"

#include "rpt/dialogs/SRptDlgChangeFonts.h"

SRptChgFontPropertyPage::SRptChgFontPropertyPage(uint32_t templateId, uint32_t captionId)
    : SRptFontPropertyPage(templateId, captionId) {
    // The inherited initialisation sets the format pages' context once the page's window is made,
    // and that is the one Help shows.
    SetHelpContext(kHelpContext);
}

SRptDlgChangeFonts* SRptChgFontPropertyPage::GetChangeFontsSheet() const {
    return dynamic_cast<SRptDlgChangeFonts*>(GetParent());
}

int32_t SRptChgFontPropertyPage::OnSetActive() {
    SRptDlgChangeFonts* sheet = GetChangeFontsSheet();
    if (!sheet || !sheet->GetFonts() || !sheet->GetListBox().GetSafeHwnd()) return 1;
    const int32_t kind = sheet->GetListBox().GetCaretIndex();
    // A caret on no entry (an empty list, a caret moved past the end) names no font to show.
    if (kind < 0 || kind >= sheet->GetKindCount()) return 1;
    const LOGFONTA font = sheet->GetFonts()[kind];
    SetCurrentFont(font);
    sheet->SetCurrentKind(kind);
    return 1;
}

int32_t SRptChgFontPropertyPage::OnKillActive() {
    SRptDlgChangeFonts* sheet = GetChangeFontsSheet();
    if (!sheet || !sheet->GetFonts()) return 1;
    UpdateCurrentFont();
    const int32_t kind = sheet->GetCurrentKind();
    if (kind >= 0 && kind < sheet->GetKindCount()) sheet->GetFonts()[kind] = GetCurrentFont();
    return 1;
}
