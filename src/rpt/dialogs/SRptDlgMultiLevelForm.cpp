#include "rpt/dialogs/SRptDlgMultiLevelForm.h"

#include <algorithm>
#include <vector>

#include "varod9/ISRptTblCts.h"

const SClassInfo SRptDlgMultiLevelForm::classSRptDlgMultiLevelForm = {"SRptDlgMultiLevelForm",
                                                                      &SRptDlgMultiFormat::classSRptDlgMultiFormat};

S_BEGIN_MESSAGE_MAP(SRptDlgMultiLevelForm, SRptDlgMultiFormat)
    SMsgEntry::Control(CBN_SELCHANGE, IDC_SHOW_LEVELS, &SRptDlgMultiLevelForm::OnLevelSelChange),
S_END_MESSAGE_MAP()

SRptDlgMultiLevelForm::SRptDlgMultiLevelForm(const SComTable<ISRepObject>& objects, int32_t initialSelection)
    : SRptDlgMultiFormat(objects, initialSelection, IDD_FORMAT_LEVELS) {}

int32_t SRptDlgMultiLevelForm::GetCurrentLevels() const {
    SComWrap<ISRptTblCts> contents;
    contents = static_cast<IUnknown*>(GetCurrentObject());
    return contents->GetNbParagraphs();
}

int32_t SRptDlgMultiLevelForm::AddAvaibleParagraphs() {
    const int32_t result = SRptDlgMultiFormat::AddAvaibleParagraphs();
    for (const SString& name : GetFirstObjectNames()) m_levelBox.AddString(name.c_str());
    return result;
}

int32_t SRptDlgMultiLevelForm::OnInitDialog() {
    AttachDlgItem(IDC_SHOW_LEVELS, m_levelBox);
    const int32_t result = SRptDlgMultiFormat::OnInitDialog();
    if (IsEnded()) return result;
    m_levelBox.SetCurSel(std::min(m_listBox.GetCount() - 1, GetCurrentLevels()));
    OnLevelSelChange();
    return result;
}

void SRptDlgMultiLevelForm::OnLevelSelChange() {
    const int32_t names = static_cast<int32_t>(GetFirstObjectNames().size());
    int32_t levels = m_levelBox.GetCurSel();
    if (levels < 0) {
        // Nothing chosen: the levels the table of contents shows now, as far as it has paragraphs.
        levels = std::clamp(GetCurrentLevels(), 0, std::max(names - 1, 0));
        m_levelBox.SetCurSel(levels);
    }
    const int32_t caret = m_listBox.GetCaretIndex();
    const std::vector<int32_t> before = m_listBox.GetSelItems();
    m_listBox.ResetContent();
    for (const SString& name : GetFirstObjectNames()) m_listBox.AddString(name.c_str());
    // The title and the first `levels` level paragraphs stay.
    while (m_listBox.GetCount() > levels + 1) m_listBox.DeleteString(m_listBox.GetCount() - 1);
    m_listBox.SetSel(caret > levels ? levels : caret, 1);
    // The pages must edit what the list now shows: a selection that lost entries (or was
    // trimmed to the last entry kept) is followed.
    if (m_listBox.GetSelItems() != before) OnItemsSelChanged();
    m_levelCount = levels;
}

void SRptDlgMultiLevelForm::OnOK() {
    // The level count goes with the paragraphs: only once the active page has accepted them.
    if (!OnItemsSelChanging()) return;
    const SComTable<ISRepObject>& objects = GetObjects();
    for (int32_t j = 0; j < objects.GetSize(); ++j) {
        SComWrap<ISRptTblCts> contents;
        contents = static_cast<IUnknown*>(objects.GetAt(j));
        contents->PutNbParagraphs(m_levelCount);
    }
    SRptDlgMultiPages::OnOK();
}
