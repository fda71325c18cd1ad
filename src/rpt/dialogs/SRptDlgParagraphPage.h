#pragma once
// The "Paragraph" page of the format sheets: indents, spacing, line spacing and alignment of the
// paragraphs selected in the sheet, all at once. Indents are shown in centimetres or inches,
// spacing in points, multiple line spacing in lines; a value on which the paragraphs differ is
// shown empty (or with no choice) and is left alone unless the user sets it. Leaving the page
// checks every value the user changed before it writes any, so a refused value leaves every
// paragraph as it was; only the values the user changed are written.
//
// The texts of its line-spacing and alignment choices are loaded once when the library starts and
// freed when it stops; a text missing from the string table stays empty.
#include "platform/base/SString.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SEditCtrl.h"
#include "rpt/dialogs/SRptDlgFormatPage.h"
#include "rpt/dialogs/SRptDlgShownValues.h"
#include "rpt/dialogs/SRptDlgSpinCtrl.h"

class SRptDlgParagraphPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 221;
    // The choices' texts, line spacing first, then alignment.
    static constexpr uint32_t IDS_SPACING_SINGLE = 5545;
    static constexpr int32_t kSpacingChoices = 5;
    static constexpr uint32_t IDS_ALIGN_LEFT = 5550;
    static constexpr int32_t kAlignmentChoices = 4;
    // Indices of the choices.
    enum Spacing : int32_t { SpacingSingle, SpacingOneAndHalf, SpacingDouble, SpacingExactly, SpacingMultiple };
    enum Align : int32_t { AlignLeft, AlignCenter, AlignRight, AlignJustified };

    // Controls.
    static constexpr int32_t IDC_LEFT = 1005;
    static constexpr int32_t IDC_RIGHT = 1007;
    static constexpr int32_t IDC_FIRST = 1008;
    static constexpr int32_t IDC_BEFORE = 1010;
    static constexpr int32_t IDC_AFTER = 1011;
    static constexpr int32_t IDC_BETWEEN = 1012;
    static constexpr int32_t IDC_SPACING = 1085;
    static constexpr int32_t IDC_ALIGNMENT = 1064;
    // The up-down controls of the six edits, in the same order.
    static constexpr int32_t IDC_SPIN_LEFT = 1115;
    static constexpr int32_t IDC_SPIN_RIGHT = 1116;
    static constexpr int32_t IDC_SPIN_FIRST = 1117;
    static constexpr int32_t IDC_SPIN_BEFORE = 1118;
    static constexpr int32_t IDC_SPIN_AFTER = 1119;
    static constexpr int32_t IDC_SPIN_BETWEEN = 1120;
    static constexpr int32_t IDC_PREVIEW = 1016;

    SRptDlgParagraphPage() : SRptDlgFormatPage(IDD, 10002) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgParagraphPage; }
    static const SClassInfo classSRptDlgParagraphPage;
    S_DECLARE_MESSAGE_MAP()

public:
    // "Single", "1.5 lines", "Double", "Exactly", "Multiple" by index; empty outside.
    static const SString& GetSpacingText(int32_t index);
    // "Left", "Center", "Right", "Justified" by index; empty outside.
    static const SString& GetAlignmentText(int32_t index);

    // Start-up and shut-down of the library.
    static void LoadChoiceTexts();
    static void FreeChoiceTexts();

    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;
    virtual void OnSpTypeChanged();

    // The up-down control of an edit (IDC_LEFT ... IDC_BETWEEN); null for another id.
    SRptDlgSpinCtrl* GetSpin(int32_t editId);

private:
    // The five lengths that share one handling (indents and spacing); line spacing has its own.
    struct Field;
    static const Field kFields[5];
    static const Field* FindField(int32_t editId);
    int32_t FieldIndex(const Field& field) const;

    void OnSpinLeft(NMHDR* notify, LRESULT* result) { OnSpin(0, notify, result); }
    void OnSpinRight(NMHDR* notify, LRESULT* result) { OnSpin(1, notify, result); }
    void OnSpinFirst(NMHDR* notify, LRESULT* result) { OnSpin(2, notify, result); }
    void OnSpinBefore(NMHDR* notify, LRESULT* result) { OnSpin(3, notify, result); }
    void OnSpinAfter(NMHDR* notify, LRESULT* result) { OnSpin(4, notify, result); }
    void OnSpinBetween(NMHDR* notify, LRESULT* result);
    void OnEditChangedLeft() { OnEditChanged(0); }
    void OnEditChangedRight() { OnEditChanged(1); }
    void OnEditChangedFirst() { OnEditChanged(2); }
    void OnEditChangedBefore() { OnEditChanged(3); }
    void OnEditChangedAfter() { OnEditChanged(4); }
    void OnEditChangedBetween();
    void OnSpTypeSelChange() { OnSpTypeChanged(); }

    void OnSpin(int32_t index, NMHDR* notify, LRESULT* result);
    void OnEditChanged(int32_t index);
    // A field's value in its up-down control's unit, and that value as text and as stored.
    int32_t ReadField(const Field& field, const SString& text) const;
    SString FieldText(const Field& field, int32_t value) const;
    int32_t StoredValue(const Field& field, int32_t value) const;
    // The line spacing value of the kind shown, in its up-down control's unit.
    bool IsExactShown();
    int32_t ReadBetween(const SString& text);
    SString BetweenText(int32_t value);
    void SetBetweenRange(bool exact);
    void SelectSpacing(int32_t index);
    void ShowLineSpacing(int16_t type, int16_t between);
    void ShowAlignment(int16_t alignment);
    void SetBetweenText(const SString& text);
    // Warns about the value of an edit and gives it the focus; 0, the page stays.
    int32_t Refuse(int32_t editId, bool exact);

    SEditCtrl m_edits[6];
    SRptDlgSpinCtrl m_spins[6];
    SComboBoxCtrl m_spacing;
    SComboBoxCtrl m_alignment;
    bool m_metric = true;
    int32_t m_programmaticText = 0;
    int32_t m_programmaticKind = 0;
    SRptDlgShownValues m_shown;
};
