#pragma once
// An edit box: its text is the window text; setting it tells the parent EN_UPDATE and EN_CHANGE.
#include "platform/ui/SWnd.h"

class SEditCtrl : public SWnd {
public:
    int32_t Create(uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("EDIT", "", style, rect, parent, id);
    }
};
