#pragma once
// The "Line and Page Breaks" page of the format sheets: the pagination flags of the paragraphs
// (bits of their Flow), one three-state box per flag. A box whose flag differs among the selected
// paragraphs shows the third state, and leaving it there keeps each paragraph's own flag.
#include "platform/ui/SButtonCtrl.h"
#include "rpt/dialogs/SRptDlgFormatPage.h"

class SRptDlgPageBreakPage : public SRptDlgFormatPage {
public:
    static constexpr uint32_t IDD = 225;
    static constexpr int32_t IDC_WIDOW_ORPHAN = 1099;
    static constexpr int32_t IDC_KEEP_LINES = 1100;
    static constexpr int32_t IDC_KEEP_NEXT = 1101;
    static constexpr int32_t IDC_PAGE_BREAK_BEFORE = 1102;
    static constexpr int32_t IDC_PREVIEW = 1016;
    static constexpr int32_t kBoxCount = 4;

    SRptDlgPageBreakPage() : SRptDlgFormatPage(IDD, 10004) {}

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgPageBreakPage; }
    static const SClassInfo classSRptDlgPageBreakPage;
    S_DECLARE_MESSAGE_MAP()

public:
    int32_t OnInitDialog() override;
    int32_t OnSetActive() override;
    int32_t OnKillActive() override;

    virtual void OnOrphanClick();
    virtual void OnLinesClick();
    virtual void OnNextClick();
    virtual void OnPageBreakClick();

    // A user's click on a box that is not automatic: a clear box becomes checked; a checked or
    // undecided one becomes clear.
    static void ClickThreeState(SButtonCtrl& box);

private:
    SButtonCtrl m_boxes[kBoxCount];
};
