#include "platform/ui/SCmdUI.h"

#include "platform/ui/SCmdTarget.h"

void SCmdUI::Enable(int32_t on) {
    m_enabled = on ? 1 : 0;
    m_bEnableChanged = true;
}

void SCmdUI::SetCheck(int32_t check) {
    m_check = check;
}

void SCmdUI::SetRadio(int32_t on) {
    m_radio = on ? 1 : 0;
}

void SCmdUI::SetText(const char* text) {
    m_text = text;
    m_textSet = true;
}

int32_t SCmdUI::DoUpdate(SCmdTarget* target, int32_t disableIfNoHandler) {
    if (!target) return 0;
    m_bEnableChanged = false;
    if (target->OnCmdMsg(m_nID, CN_UPDATE_COMMAND_UI, this, nullptr)) return 1;
    SCmdHandlerInfo info;
    const bool handled = target->OnCmdMsg(m_nID, CN_COMMAND, nullptr, &info) != 0;
    if (disableIfNoHandler && !m_bEnableChanged) Enable(handled ? 1 : 0);
    return handled ? 1 : 0;
}
