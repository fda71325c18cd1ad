#pragma once
// The up-down control beside an edit of the format pages: a 32-bit range, a position, one step
// (its acceleration) and a buddy edit. The control does not write its buddy's text itself: a
// click on an arrow asks the page (UDN_DELTAPOS with the position and the signed step), and the
// page shows the new value in the edit, whose change handler moves the position.
#include <cstdint>

#include "platform/ui/SWnd.h"

class SRptDlgSpinCtrl : public SWnd {
public:
    static constexpr const char* kClassName = "msctls_updown32";

    const SClassInfo* GetClassInfo() const override { return &classSRptDlgSpinCtrl; }
    static const SClassInfo classSRptDlgSpinCtrl;

    void SetRange32(int32_t lower, int32_t upper) {
        m_lower = lower;
        m_upper = upper;
    }
    int32_t GetLower() const { return m_lower; }
    int32_t GetUpper() const { return m_upper; }
    bool InRange(int32_t value) const { return value >= m_lower && value <= m_upper; }
    int32_t Clamp(int32_t value) const;
    // The position is a 16-bit value, as the control keeps it.
    void SetPos(int32_t position) { m_position = static_cast<int16_t>(position); }
    int32_t GetPos() const { return m_position; }
    // One acceleration entry: `step` from the first moment on.
    void SetStep(int32_t step) { m_step = step; }
    int32_t GetStep() const { return m_step; }
    void SetBuddy(SWnd* buddy) { m_buddy = buddy; }
    SWnd* GetBuddy() const { return m_buddy; }

    // A user's click on the up (+1) or down (-1) arrow: the parent hears UDN_DELTAPOS; when it
    // does not handle it, the position moves by itself within the range.
    void Click(int32_t direction);

private:
    int32_t m_lower = 0;
    int32_t m_upper = 100;
    int16_t m_position = 0;
    int32_t m_step = 1;
    SWnd* m_buddy = nullptr;
};
