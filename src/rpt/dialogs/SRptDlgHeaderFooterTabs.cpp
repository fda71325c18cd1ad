#include "rpt/dialogs/SRptDlgHeaderFooterTabs.h"

const SClassInfo SRptDlgHeaderFooterTabs::classSRptDlgHeaderFooterTabs = {"SRptDlgHeaderFooterTabs",
                                                                          &STabWnd::classSTabWnd};

void SRptDlgHeaderFooterTabs::TurnTo(int32_t index) {
    if (index < 0 || index >= GetTabCount() || index == GetActiveTabIndex()) return;
    if (SWnd* parent = GetParent()) {
        NMHDR header{m_hWnd, static_cast<uintptr_t>(GetDlgCtrlID()), STN_KILLACTIVE};
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&header));
    }
    ClickTab(index);
}

LRESULT SRptDlgHeaderFooterTabs::WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) {
    if (message != SWM_USERVALUE) return STabWnd::WindowProc(message, wParam, lParam);
    if (const char* value = reinterpret_cast<const char*>(lParam)) TurnTo(SString(value).ToInt());
    return 1;
}
