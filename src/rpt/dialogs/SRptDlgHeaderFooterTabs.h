#pragma once
// The tab window of the header and footer dialog. When the user turns to another tab (the
// interaction script's value for the window is the index of the tab to turn to) the dialog hears
// first that the current tab is being left (WM_NOTIFY with STN_KILLACTIVE), then the change.
#include "platform/ui/STabWnd.h"

inline constexpr int32_t STN_KILLACTIVE = -10201;

class SRptDlgHeaderFooterTabs : public STabWnd {
public:
    const SClassInfo* GetClassInfo() const override { return &classSRptDlgHeaderFooterTabs; }
    static const SClassInfo classSRptDlgHeaderFooterTabs;

    // The user's click on tab `index`; a click on the current tab or on none changes nothing.
    void TurnTo(int32_t index);

    LRESULT WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override;
};
