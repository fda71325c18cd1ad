#include "rpt/dialogs/SRptDlgPageBreakPage.h"

#include "platform/com/SComWrap.h"
#include "rpt/dialogs/SRptDlgMultiPages.h"
#include "varod9/ISRptPara.h"
#include "varod9/RptParaFormat.h"

const SClassInfo SRptDlgPageBreakPage::classSRptDlgPageBreakPage = {"SRptDlgPageBreakPage", &SRptDlgFormatPage::classSRptDlgFormatPage};

S_BEGIN_MESSAGE_MAP(SRptDlgPageBreakPage, SRptDlgFormatPage)
    SMsgEntry::Control(BN_CLICKED, SRptDlgPageBreakPage::IDC_WIDOW_ORPHAN, &SRptDlgPageBreakPage::OnOrphanClick),
    SMsgEntry::Control(BN_CLICKED, SRptDlgPageBreakPage::IDC_KEEP_LINES, &SRptDlgPageBreakPage::OnLinesClick),
    SMsgEntry::Control(BN_CLICKED, SRptDlgPageBreakPage::IDC_KEEP_NEXT, &SRptDlgPageBreakPage::OnNextClick),
    SMsgEntry::Control(BN_CLICKED, SRptDlgPageBreakPage::IDC_PAGE_BREAK_BEFORE, &SRptDlgPageBreakPage::OnPageBreakClick),
S_END_MESSAGE_MAP()

namespace {
// The boxes in the order of the page's members, and the Flow bit each one stands for.
constexpr int32_t kBoxIds[SRptDlgPageBreakPage::kBoxCount] = {
    SRptDlgPageBreakPage::IDC_WIDOW_ORPHAN, SRptDlgPageBreakPage::IDC_KEEP_LINES,
    SRptDlgPageBreakPage::IDC_KEEP_NEXT, SRptDlgPageBreakPage::IDC_PAGE_BREAK_BEFORE};
constexpr int16_t kBoxBits[SRptDlgPageBreakPage::kBoxCount] = {
    RPT_PARA_FLOW_WIDOWCONTROL, RPT_PARA_FLOW_KEEP, RPT_PARA_FLOW_KEEPNEXT, RPT_PARA_FLOW_PAGEBREAKBEFORE};
}  // namespace

int32_t SRptDlgPageBreakPage::OnInitDialog() {
    for (int32_t i = 0; i < kBoxCount; ++i) AttachDlgItem(kBoxIds[i], m_boxes[i]);
    return SRptDlgFormatPage::OnInitDialog();
}

int32_t SRptDlgPageBreakPage::OnSetActive() {
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!m_hWnd || !sheet || sheet->GetSelectedParas().IsEmpty()) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    const int16_t first = SComWrap<ISRptPara>(paras[0])->GetFlow();
    for (int32_t i = 0; i < kBoxCount; ++i) m_boxes[i].SetCheck((first & kBoxBits[i]) ? BST_CHECKED : BST_UNCHECKED);
    for (int32_t p = 1; p < paras.GetSize(); ++p) {
        const int16_t flow = SComWrap<ISRptPara>(paras[p])->GetFlow();
        for (int32_t i = 0; i < kBoxCount; ++i)
            if ((flow & kBoxBits[i]) != (first & kBoxBits[i])) m_boxes[i].SetCheck(BST_INDETERMINATE);
    }
    return 1;
}

int32_t SRptDlgPageBreakPage::OnKillActive() {
    // A page that was never made shows nothing that could be written.
    SRptDlgMultiPages* sheet = GetFormatSheet();
    if (!m_hWnd || !sheet) return 1;
    const SComTable<ISRptPara>& paras = sheet->GetSelectedParas();
    for (int32_t p = 0; p < paras.GetSize(); ++p) {
        SComWrap<ISRptPara> para(paras[p]);
        const int16_t own = para->GetFlow();
        // Only the four pagination flags are kept; an undecided box keeps the paragraph's own.
        int16_t flow = 0;
        for (int32_t i = 0; i < kBoxCount; ++i) {
            const int32_t check = m_boxes[i].GetCheck();
            if (check == BST_CHECKED || (check == BST_INDETERMINATE && (own & kBoxBits[i]))) flow |= kBoxBits[i];
        }
        para->PutFlow(flow);
    }
    return 1;
}

void SRptDlgPageBreakPage::ClickThreeState(SButtonCtrl& box) {
    box.SetCheck(box.GetCheck() == BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED);
}

void SRptDlgPageBreakPage::OnOrphanClick() { ClickThreeState(m_boxes[0]); }
void SRptDlgPageBreakPage::OnLinesClick() { ClickThreeState(m_boxes[1]); }
void SRptDlgPageBreakPage::OnNextClick() { ClickThreeState(m_boxes[2]); }
void SRptDlgPageBreakPage::OnPageBreakClick() { ClickThreeState(m_boxes[3]); }
