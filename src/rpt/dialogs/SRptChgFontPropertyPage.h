#pragma once
// The "Font" page of the change-fonts dialog. It shows the default font of one font kind, the one
// at the caret of the dialog's list, and hands the user's choice back to the dialog's working
// copy when it is left. It keeps the format sheets' font page for its controls and check boxes;
// only what it reads and writes differs, so neither override runs the format page's own.
#include <cstdint>

#include "rpt/dialogs/SRptFontPropertyPage.h"

class SRptDlgChangeFonts;

class SRptChgFontPropertyPage : public SRptFontPropertyPage {
public:
    static constexpr uint32_t kHelpContext = 10006;

    SRptChgFontPropertyPage(uint32_t templateId, uint32_t captionId);

    // Shows the font of the kind at the list's caret and makes it the dialog's current kind; a
    // caret on no kind leaves page and dialog as they are. 1.
    int32_t OnSetActive() override;
    // Copies the font shown into the current kind's entry of the dialog's fonts. 1.
    int32_t OnKillActive() override;

private:
    // The dialog whose fonts the page edits; null outside one.
    SRptDlgChangeFonts* GetChangeFontsSheet() const;
};
