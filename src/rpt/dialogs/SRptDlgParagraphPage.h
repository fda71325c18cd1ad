#pragma once
// The "Paragraph" page of the format sheets: indents, spacing, line spacing and alignment. The
// texts of its line-spacing and alignment choices are loaded once when the library starts and
// freed when it stops; a text missing from the string table stays empty.
#include "rpt/dialogs/SRptDlgFormatPage.h"

#include "platform/base/SString.h"

class SRptDlgParagraphPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 221;
    // The choices' texts, line spacing first, then alignment.
    static constexpr uint32_t IDS_SPACING_SINGLE = 5545;
    static constexpr int32_t kSpacingChoices = 5;
    static constexpr uint32_t IDS_ALIGN_LEFT = 5550;
    static constexpr int32_t kAlignmentChoices = 4;

    SRptDlgParagraphPage() : SRptDlgFormatPage(IDD, 10002) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgParagraphPage; }
    static const SClassInfo classSRptDlgParagraphPage;

    // "Single", "1.5 lines", "Double", "Exactly", "Multiple" by index; empty outside.
    static const SString& GetSpacingText(int32_t index);
    // "Left", "Center", "Right", "Justified" by index; empty outside.
    static const SString& GetAlignmentText(int32_t index);

    // Start-up and shut-down of the library.
    static void LoadChoiceTexts();
    static void FreeChoiceTexts();
};
