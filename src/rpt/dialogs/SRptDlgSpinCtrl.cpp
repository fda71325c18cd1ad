#include "rpt/dialogs/SRptDlgSpinCtrl.h"

#include <algorithm>

const SClassInfo SRptDlgSpinCtrl::classSRptDlgSpinCtrl = {"SRptDlgSpinCtrl", &SWnd::classSWnd};

int32_t SRptDlgSpinCtrl::Clamp(int32_t value) const {
    return std::clamp(value, std::min(m_lower, m_upper), std::max(m_lower, m_upper));
}

void SRptDlgSpinCtrl::Click(int32_t direction) {
    NMUPDOWN notify;
    notify.hdr.hwndFrom = m_hWnd;
    notify.hdr.idFrom = static_cast<uintptr_t>(GetDlgCtrlID());
    notify.hdr.code = UDN_DELTAPOS;
    notify.iPos = m_position;
    notify.iDelta = direction * m_step;
    LRESULT handled = 0;
    if (SWnd* parent = GetParent())
        handled = parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(notify.hdr.idFrom), reinterpret_cast<LPARAM>(&notify));
    if (!handled) SetPos(Clamp(m_position + notify.iDelta));
}
