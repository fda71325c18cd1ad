#pragma once
// The command-update query the shell views hand the host: the state as flags (1 enabled,
// 2 checked, 4 radio on, 8 text given) and a new text in the host's UTF-16 buffer, bounded by the
// buffer's size in units, terminated, and never ending in half a surrogate pair.
#include <cstdint>

#include "platform/ui/SSysCmdUI.h"

class SRptSysCmdUI final : public SSysCmdUI {
public:
    // `buffer` holds `length` UTF-16 units, the terminator included; null or 0 takes no text.
    SRptSysCmdUI(char16_t* buffer, int32_t length) : SSysCmdUI(buffer, length) {}
};
