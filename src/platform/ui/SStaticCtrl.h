#pragma once
// A static text control.
#include "platform/ui/SWnd.h"

class SStaticCtrl : public SWnd {
public:
    using SWnd::Create;
    int32_t Create(const char* text, uint32_t style, const RECT& rect, SWnd* parent, uint32_t id) {
        return SWnd::Create("STATIC", text, style, rect, parent, id);
    }
};
