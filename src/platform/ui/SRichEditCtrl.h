#pragma once
// A rich edit box: an edit box whose text the editor reads and writes whole.
#include "platform/ui/SEditCtrl.h"

class SRichEditCtrl : public SEditCtrl {
public:
    int32_t Create(uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("RICHEDIT", "", style, rect, parent, id);
    }
    SString GetText() const { return GetWindowText(); }
    void SetText(const SString& text) { SetWindowText(text); }
};
