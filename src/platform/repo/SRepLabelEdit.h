#pragma once
// The edit box of a browser node's label while it is edited in place: its text, a selection and a
// caret, driven by the edit messages as a user's keys drive them.
#include <cstdint>

#include "platform/ui/SEditCtrl.h"

class SRepLabelEdit : public SEditCtrl {
public:
    // The selection as byte offsets [start, end) of the text; the caret stands at its end.
    int32_t GetSelStart() const { return m_start; }
    int32_t GetSelEnd() const { return m_end; }

protected:
    // EM_GETSEL: start and end in the low and high word (and through the two pointers when given);
    // EM_SETSEL: start, end (-1 to the end; a start of -1 clears the selection); EM_LINELENGTH: the
    // length of the one line; EM_REPLACESEL: the selection replaced by the text, the caret after it.
    LRESULT DefWindowProc(uint32_t message, WPARAM wParam, LPARAM lParam) override;

private:
    int32_t Length() const;
    void Clamp();

    int32_t m_start = 0;
    int32_t m_end = 0;
};
