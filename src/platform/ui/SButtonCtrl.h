#pragma once
// A button: push button, check box (two or three states) or radio button.
#include "platform/ui/SWnd.h"

class SButtonCtrl : public SWnd {
public:
    using SWnd::Create;
    int32_t Create(const char* text, uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("BUTTON", text, style, rect, parent, id);
    }
    int32_t GetCheck() { return static_cast<int32_t>(SendMessage(BM_GETCHECK)); }
    void SetCheck(int32_t check) { SendMessage(BM_SETCHECK, static_cast<WPARAM>(check)); }
    // A user's click: automatic boxes change their state, the parent hears BN_CLICKED.
    void Click() { SendMessage(BM_CLICK); }
};
