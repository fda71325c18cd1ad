#pragma once
// The "Font" page of the format sheets, on the class library's font page: the face, style, size,
// strike-out and underline of the paragraphs selected in the sheet. A property on which they
// differ is shown undecided (an empty box, a check box in its third state) and is left alone
// unless the user sets it; leaving the page writes only what the user changed.
#include "platform/ui/SFontPropertyPage.h"
#include "rpt/dialogs/SRptDlgShownValues.h"

class SRptDlgMultiPages;

class SRptFontPropertyPage : public SFontPropertyPage {
public:
    static constexpr uint32_t IDD = 211;

    // The second value is the class library's; the format sheets give 0.
    explicit SRptFontPropertyPage(uint32_t templateId = IDD, uint32_t secondValue = 0)
        : SFontPropertyPage(templateId), m_secondValue(secondValue) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptFontPropertyPage; }
    static const SClassInfo classSRptFontPropertyPage;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;
    // The sheet whose paragraphs the page edits; null outside such a sheet.
    SRptDlgMultiPages* GetFormatSheet() const;
    uint32_t GetSecondValue() const { return m_secondValue; }

protected:
    // Reached through the map, so a derived page's own handling replaces them.
    virtual void OnStrikeOutClick() { OnEffectClick(IDC_FONT_STRIKEOUT); }
    virtual void OnUnderlineClick() { OnEffectClick(IDC_FONT_UNDERLINE); }

private:
    // Unchecked becomes checked; checked and undecided become unchecked.
    void OnEffectClick(int32_t id);
    int32_t GetCheck(int32_t id) const;
    void SetCheck(int32_t id, int32_t state);
    // Makes a combo box undecided: no text, no selection.
    void ClearCombo(int32_t id);
    // The new style of a paragraph whose style is `own`, from the boxes the user changed.
    int16_t NewStyle(int16_t own);
    // The text of the size box's selected entry, or its own text.
    SString SizeText();

    uint32_t m_secondValue;
    SRptDlgShownValues m_shown;
};
