#include "platform/ui/SSysCmdUI.h"

#include "platform/base/CopyToHostBuffer.h"

void SSysCmdUI::Enable(int32_t on) {
    SCmdUI::Enable(on);
    SetFlag(kEnabled, on != 0);
}

void SSysCmdUI::SetCheck(int32_t check) {
    SCmdUI::SetCheck(check);
    SetFlag(kChecked, check != 0);
}

void SSysCmdUI::SetRadio(int32_t on) {
    SCmdUI::SetRadio(on);
    SetFlag(kRadio, on != 0);
}

void SSysCmdUI::SetText(const char* text) {
    SCmdUI::SetText(text);
    SetFlag(kText, true);
    if (m_length > 0) CopyToHostBuffer(SString(text), m_buffer, static_cast<uint32_t>(m_length));
}
