#pragma once
// A tab window: tabs that each show one child window under a label; one tab is active and its
// window alone is visible. A change of the active tab by the user calls OnTabChanged, which a
// derived window extends.
#include <vector>

#include "platform/ui/SWnd.h"

class STabWnd : public SWnd {
public:
    const SClassInfo* GetClassInfo() const override { return &classSTabWnd; }
    static const SClassInfo classSTabWnd;

    using SWnd::Create;
    int32_t Create(SWnd* parent, const RECT& rect, uint32_t id, uint32_t style = WS_CHILD | WS_VISIBLE) {
        return SWnd::Create("STABWND", "", style, rect, parent, id);
    }
    // Appends a tab; its index. The first tab becomes active.
    int32_t AddTab(SWnd* wnd, const SString& label);
    int32_t DeleteTab(int32_t index);
    int32_t GetTabCount() const { return static_cast<int32_t>(m_tabs.size()); }
    // Makes a tab active (no notification); 0 for an index out of range.
    int32_t ActivateTab(int32_t index);
    int32_t GetActiveTabIndex() const { return m_active; }
    SWnd* GetActiveTab() const;
    SWnd* GetTab(int32_t index) const;
    // The index of the tab that shows `wnd`, -1 when none does.
    int32_t GetTabIndex(SWnd* wnd) const;
    SString GetTabText(int32_t index) const;
    int32_t SetTabText(int32_t index, const SString& label);
    // A user's click on a tab: the tab becomes active, then OnTabChanged.
    void ClickTab(int32_t index);

    // Commands go to the active tab's window first, then to the tab window's own map.
    int32_t OnCmdMsg(uint32_t id, int32_t code, void* extra, SCmdHandlerInfo* info) override;

protected:
    virtual void OnTabChanged(NMHDR* header, LRESULT* result);

private:
    struct Tab {
        SWnd* wnd;
        SString label;
    };
    void ShowActive();
    std::vector<Tab> m_tabs;
    int32_t m_active = -1;
};
