#pragma once
// A push button with a drop-down arrow: pressing the arrow tells the parent (WM_NOTIFY with
// BXN_DROPDOWN), which shows a menu under the button. A user's press of the arrow is what the
// interaction script's value for the button does (any value other than 0).
#include "platform/ui/SButtonCtrl.h"

inline constexpr int32_t BXN_DROPDOWN = -10000;

class SButtonExCtrl : public SButtonCtrl {
public:
    // The user opens the drop-down; a hidden or disabled button cannot be reached.
    void DropDown() {
        if (!m_hWnd || !IsWindowVisible() || !IsWindowEnabled()) return;
        SWnd* parent = GetParent();
        if (!parent) return;
        NMHDR header{m_hWnd, static_cast<uintptr_t>(GetDlgCtrlID()), BXN_DROPDOWN};
        parent->SendMessage(WM_NOTIFY, static_cast<WPARAM>(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&header));
    }

    LRESULT WindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override {
        if (message != SWM_USERVALUE) return SButtonCtrl::WindowProc(message, wParam, lParam);
        const char* value = reinterpret_cast<const char*>(lParam);
        if (value && SString(value).ToInt() != 0) DropDown();
        return 1;
    }
};
