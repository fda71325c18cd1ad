#include "platform/ui/SSysCmdUI.h"

#include "platform/base/SMbcs.h"

namespace {
bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
}  // namespace

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
    if (!m_buffer || m_length <= 0) return;
    std::u16string wide = SString(text).ToU16();
    size_t room = static_cast<size_t>(m_length - 1);
    if (wide.size() > room) {
        // Half of a surrogate pair is no character: a pair that does not fit is left out whole.
        if (room > 0 && IsHighSurrogate(wide[room - 1])) --room;
        wide.resize(room);
    }
    wide.copy(m_buffer, wide.size());
    m_buffer[wide.size()] = u'\0';
}
