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
    // A host that gave no room takes no text: the flag would promise one that is not there.
    if (!m_buffer || m_length <= 0) return;
    SCmdUI::SetText(text);
    SetFlag(kText, true);
    CopyToHostBuffer(SString(text), m_buffer, static_cast<uint32_t>(m_length));
}
