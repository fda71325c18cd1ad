#pragma once
// The "Change Fonts" dialog: the default font of each of the report's font kinds. The list on the
// left names the kinds (list position = kind); the single font page on the right shows the font
// of the kind last chosen. The dialog edits a working copy of the defaults; OK makes the copy the
// defaults and stores it in the user's settings, and the opener then gives the paragraphs of the
// edited report their kinds' new fonts. Cancel changes nothing.
#include <cstdint>
#include <memory>

#include "platform/gdi/LOGFONTA.h"
#include "rpt/dialogs/SRptChgFontPropertyPage.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"

class SRptViewBase;

class SRptDlgChangeFonts : public SRptDlgMultiPages {
public:
    static constexpr uint32_t IDS_CHANGE_FONTS_TITLE = 6009;

    SRptDlgChangeFonts();
    ~SRptDlgChangeFonts() override;

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgChangeFonts; }
    static const SClassInfo classSRptDlgChangeFonts;

    // Runs the dialog for the editor `view` and, on OK, gives its report the new fonts: what the
    // browsers' "Change Fonts" command does. The button that ended the dialog.
    static int32_t Open(SRptViewBase* view);
    // Sets the fonts of the paragraphs of the view's report, its templates and its available
    // items from the default font of each paragraph's kind. 1, also without a view or a report.
    static int32_t ChangeAllFonts(SRptViewBase* view);

    int32_t OnInitDialog() override;
    // Takes the page's font into the current kind first; a page that refuses keeps the dialog open.
    void OnOK() override;
    // The active page's OnKillActive; 0 (no change) when no page is active.
    int32_t OnItemsSelChanging() override;
    // The page shows the kind at the caret, and that kind alone stays selected.
    void OnItemsSelChanged() override;
    // Loads the defaults into the working fonts and lists the kinds' names. 0 without fonts.
    int32_t AddAvaibleParagraphs() override;

    // The working fonts, indexed by kind (null when they could not be made), and their count.
    LOGFONTA* GetFonts() const { return m_fonts.get(); }
    int32_t GetKindCount() const { return m_nKindCount; }
    int32_t GetCurrentKind() const { return m_nCurrentKind; }
    void SetCurrentKind(int32_t kind) { m_nCurrentKind = kind; }
    SRptChgFontPropertyPage& GetChangeFontPage() { return m_chgFontPage; }

private:
    // Leaves exactly the current kind selected.
    void SelectCurrentKind();

    SRptChgFontPropertyPage m_chgFontPage;
    int32_t m_nKindCount = 0;
    std::unique_ptr<LOGFONTA[]> m_fonts;
    int32_t m_nCurrentKind = 0;
};
