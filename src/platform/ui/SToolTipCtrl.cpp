#include "platform/ui/SToolTipCtrl.h"

int32_t SToolTipCtrl::Create(SWnd* parent, uint32_t style) {
    return CreateEx("TOOLTIPS_CLASS32", "", WS_POPUP | style, RECT{}, nullptr, 0, parent);
}

SString SToolTipCtrl::GetToolText(SWnd* wnd, uint32_t id) const {
    auto it = m_tools.find({wnd ? wnd->m_hWnd : 0, id});
    return it == m_tools.end() ? SString() : it->second;
}
