#pragma once
// The "Border" page of the format sheets: which sides of the selected paragraphs have a rule,
// whether they are boxed, the widths of the rules and of the box (chosen among fixed steps) and
// the distances between the text and the border, in points. A value on which the paragraphs
// differ is shown mixed (a check box in its third state, a list without choice, an empty edit)
// and is left alone unless the user sets it. Leaving the page checks every changed distance
// before it writes anything, and writes only the values the user changed.
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SEditCtrl.h"
#include "rpt/dialogs/SRptDlgFormatPage.h"
#include "rpt/dialogs/SRptDlgShownValues.h"
#include "rpt/dialogs/SRptDlgSpinCtrl.h"

class ISRptPara;

class SRptDlgBorderPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 224;

    static constexpr int32_t IDC_LEFT = 1062;
    static constexpr int32_t IDC_TOP = 1060;
    static constexpr int32_t IDC_RIGHT = 1063;
    static constexpr int32_t IDC_BOTTOM = 1061;
    static constexpr int32_t IDC_BOX = 1157;
    static constexpr int32_t IDC_WIDTH = 1084;
    static constexpr int32_t IDC_BOX_WIDTH = 1086;
    static constexpr int32_t IDC_FROM_TOP = 1095;
    static constexpr int32_t IDC_FROM_BOTTOM = 1096;
    static constexpr int32_t IDC_FROM_LEFT = 1097;
    static constexpr int32_t IDC_FROM_RIGHT = 1098;
    static constexpr int32_t IDC_PREVIEW = 1016;

    // The widths offered by both lists: the entry's text, the width it writes, and a second
    // stored width that it also stands for (0: none).
    struct Width {
        const char* text;
        int16_t value;
        int16_t alsoShown;
    };
    static const Width kWidths[9];
    // The entry that shows a stored width; -1 when none does.
    static int32_t FindWidth(int16_t width);

    SRptDlgBorderPage() : SRptDlgFormatPage(IDD, 10003) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgBorderPage; }
    static const SClassInfo classSRptDlgBorderPage;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;
    virtual void OnLeftClick() { Toggle(IDC_LEFT); }
    virtual void OnTopClick() { Toggle(IDC_TOP); }
    virtual void OnRightClick() { Toggle(IDC_RIGHT); }
    virtual void OnBottomClick() { Toggle(IDC_BOTTOM); }
    virtual void OnBoxClick() { Toggle(IDC_BOX); }

    // The up-down control of a distance edit (IDC_FROM_TOP ... IDC_FROM_RIGHT); null otherwise.
    SRptDlgSpinCtrl* GetSpin(int32_t editId);

private:
    struct Side;
    struct Distance;
    static const Side kSides[4];
    static const Distance kDistances[4];

    void OnSpinLeft(NMHDR* notify, LRESULT* result) { OnSpin(0, notify, result); }
    void OnSpinRight(NMHDR* notify, LRESULT* result) { OnSpin(1, notify, result); }
    void OnSpinTop(NMHDR* notify, LRESULT* result) { OnSpin(2, notify, result); }
    void OnSpinBottom(NMHDR* notify, LRESULT* result) { OnSpin(3, notify, result); }
    void OnEditChangedLeft() { OnEditChanged(0); }
    void OnEditChangedRight() { OnEditChanged(1); }
    void OnEditChangedTop() { OnEditChanged(2); }
    void OnEditChangedBottom() { OnEditChanged(3); }

    void OnSpin(int32_t index, NMHDR* notify, LRESULT* result);
    void OnEditChanged(int32_t index);
    // Unchecked becomes checked; checked and mixed become unchecked.
    void Toggle(int32_t id);
    SButtonCtrl& Check(int32_t id);
    void ShowWidth(SComboBoxCtrl& list, int16_t width);
    // Whether every selected paragraph may be boxed, as its container says.
    bool BoxSupported(ISRptPara* first);
    // The width that a list's entry writes; nothing for no entry or a width the user left.
    bool ChosenWidth(SComboBoxCtrl& list, int32_t id, int16_t* width);
    // The state a check box gives a flag that is `own` in a paragraph: its own when the box
    // is mixed or was not changed.
    bool Flag(int32_t id, bool own);

    SButtonCtrl m_sides[4];
    SButtonCtrl m_box;
    SComboBoxCtrl m_width;
    SComboBoxCtrl m_boxWidth;
    SEditCtrl m_edits[4];
    SRptDlgSpinCtrl m_spins[4];
    SRptDlgShownValues m_shown;
};
