#include "rpt/dialogs/SRptDlgShownValues.h"

#include "platform/ui/SDlg.h"

void SRptDlgShownValues::Record(const SDlg& page, std::initializer_list<int32_t> ids) {
    m_values.clear();
    for (int32_t id : ids) m_values[id] = ValueOf(page, id);
}

bool SRptDlgShownValues::Changed(const SDlg& page, int32_t id) const {
    auto it = m_values.find(id);
    return it == m_values.end() || it->second != ValueOf(page, id);
}

SString SRptDlgShownValues::ValueOf(const SDlg& page, int32_t id) {
    SWnd* control = page.FindControl(id);
    if (!control) return SString();
    if (control->GetClassName() == "BUTTON") return SString::FromInt(control->SendMessage(BM_GETCHECK));
    return control->GetWindowText();
}
