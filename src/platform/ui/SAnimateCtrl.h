#pragma once
// An animation control (window class "SysAnimate32"). There is nothing to play on this
// platform's screen: opening a clip only records which one the control shows.
#include <cstdint>

#include "platform/ui/SWnd.h"

inline constexpr uint32_t ACM_OPENA = WM_USER + 100;

class SAnimateCtrl : public SWnd {
public:
    // Opens the clip of resource `resourceId`; true when the control is a window.
    bool Open(uint32_t resourceId) {
        if (!GetSafeHwnd()) return false;
        SendMessage(ACM_OPENA, 0, static_cast<LPARAM>(resourceId));
        m_clip = resourceId;
        return true;
    }
    // The clip opened last; 0 for none.
    uint32_t GetClip() const { return m_clip; }

private:
    uint32_t m_clip = 0;
};
