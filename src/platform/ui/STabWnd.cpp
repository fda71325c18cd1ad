#include "platform/ui/STabWnd.h"

const SClassInfo STabWnd::classSTabWnd = {"STabWnd", &SWnd::classSWnd};

int32_t STabWnd::AddTab(SWnd* wnd, const SString& label) {
    m_tabs.push_back({wnd, label});
    if (m_active < 0) m_active = 0;
    ShowActive();
    return static_cast<int32_t>(m_tabs.size()) - 1;
}

int32_t STabWnd::DeleteTab(int32_t index) {
    if (index < 0 || index >= GetTabCount()) return 0;
    m_tabs.erase(m_tabs.begin() + index);
    if (m_active >= GetTabCount()) m_active = GetTabCount() - 1;
    else if (index < m_active) --m_active;
    ShowActive();
    return 1;
}

int32_t STabWnd::ActivateTab(int32_t index) {
    if (index < 0 || index >= GetTabCount()) return 0;
    m_active = index;
    ShowActive();
    return 1;
}

SWnd* STabWnd::GetActiveTab() const {
    return GetTab(m_active);
}

SWnd* STabWnd::GetTab(int32_t index) const {
    return index >= 0 && index < GetTabCount() ? m_tabs[index].wnd : nullptr;
}

int32_t STabWnd::GetTabIndex(SWnd* wnd) const {
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].wnd == wnd) return static_cast<int32_t>(i);
    return -1;
}

SString STabWnd::GetTabText(int32_t index) const {
    return index >= 0 && index < GetTabCount() ? m_tabs[index].label : SString();
}

int32_t STabWnd::SetTabText(int32_t index, const SString& label) {
    if (index < 0 || index >= GetTabCount()) return 0;
    m_tabs[index].label = label;
    return 1;
}

void STabWnd::ClickTab(int32_t index) {
    if (!ActivateTab(index)) return;
    NMHDR header{m_hWnd, static_cast<uintptr_t>(GetDlgCtrlID()), TCN_SELCHANGE};
    LRESULT result = 0;
    OnTabChanged(&header, &result);
}

void STabWnd::OnTabChanged(NMHDR*, LRESULT*) {}

int32_t STabWnd::OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) {
    if (SWnd* active = GetActiveTab())
        if (active->OnCmdMsg(id, code, extra, info)) return 1;
    return SWnd::OnCmdMsg(id, code, extra, info);
}

void STabWnd::ShowActive() {
    for (size_t i = 0; i < m_tabs.size(); ++i)
        if (m_tabs[i].wnd && m_tabs[i].wnd->m_hWnd) m_tabs[i].wnd->ShowWindow(static_cast<int32_t>(i) == m_active ? SW_SHOW : SW_HIDE);
}
