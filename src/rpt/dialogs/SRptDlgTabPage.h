#pragma once
// The "Tabs" page of the format sheets: the tab stops and the default tab spacing of the selected
// paragraphs. The list shows the stops that every selected paragraph has (with the first one's
// alignment). Over one paragraph leaving the page gives it the list's stops; over several it
// replays the user's edits (set, clear, clear all) on each paragraph, so that the stops they do
// not share survive. Lengths are shown in centimetres or inches as the international settings say.
#include <vector>

#include "platform/base/SString.h"
#include "platform/ui/SButtonCtrl.h"
#include "platform/ui/SComboBoxCtrl.h"
#include "platform/ui/SEditCtrl.h"
#include "rpt/dialogs/SRptDlgFormatPage.h"
#include "rpt/dialogs/SRptDlgShownValues.h"
#include "rpt/dialogs/SRptDlgSpinCtrl.h"
#include "varod9/RptTabPos.h"

class SRptDlgTabPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 227;
    static constexpr int32_t IDC_SET = 1104;
    static constexpr int32_t IDC_CLEAR = 1105;
    static constexpr int32_t IDC_CLEAR_ALL = 1106;
    static constexpr int32_t IDC_LEFT = 1107;
    static constexpr int32_t IDC_CENTER = 1108;
    static constexpr int32_t IDC_RIGHT = 1109;
    static constexpr int32_t IDC_POSITIONS = 1110;
    static constexpr int32_t IDC_DEFAULT_TAB_SIZE = 1111;
    static constexpr int32_t IDC_DEFAULT_TAB_SPIN = 1121;
    // The default tab spacing's limits, in hundredths of a millimetre, and the spin's step in
    // thousandths of the display unit.
    static constexpr int32_t kMaxDefaultTabSize = 30000;
    static constexpr int32_t kSpinStep = 100;

    SRptDlgTabPage() : SRptDlgFormatPage(IDD, 10005) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgTabPage; }
    static const SClassInfo classSRptDlgTabPage;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;

    virtual void OnSetClick();
    virtual void OnClearClick();
    virtual void OnClearAllClick();
    virtual void OnSelChanged();
    virtual void OnEditChanged();

    void OnSpinDefaultTabSize(NMHDR* header, LRESULT* result);
    void OnEditChangedDefaultTabSize();

    // The default spacing's up-down control: its range and position count thousandths of the
    // display unit.
    SRptDlgSpinCtrl& GetDefaultTabSizeSpin() { return m_spin; }

private:
    // The alignment of the checked radio button, 1 when none is.
    int16_t GetCheckedAlignment();
    void CheckAlignment(int32_t alignment);
    void EnableStopButtons(bool enable);
    void Log(int32_t op, const RPTTABPOS& stop);
    // The stops every selected paragraph has, with the first paragraph's alignment.
    void LoadCommonStops();
    // The default tab spacing typed in the field, in thousandths of the display unit: false when
    // the user left it as it was shown (or empty), so that nothing is written.
    bool ReadChangedDefaultTabSize(int32_t* thousandths);

    SComboBoxCtrl m_positions;
    SEditCtrl m_defaultTabSize;
    SRptDlgSpinCtrl m_spin;
    SButtonCtrl m_alignments[3];
    SButtonCtrl m_set;
    SButtonCtrl m_clear;
    SButtonCtrl m_clearAll;
    // From one activation to the next: the listed stops (ascending position, entry i is the
    // list's text i) and the user's edits since the page was shown, in order.
    std::vector<RPTTABPOS> m_stops;
    std::vector<SRptTabPosOp> m_log;
    // The default spacing as it was shown.
    SRptDlgShownValues m_shown;
    bool m_metric = true;
};
