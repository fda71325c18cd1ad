#pragma once
// A command-update query for the host: the state goes into a flags word (1 enabled, 2 checked,
// 4 radio on, 8 text given) and a new text into the host's UTF-16 buffer.
#include <cstdint>

#include "platform/ui/SCmdUI.h"

class SSysCmdUI : public SCmdUI {
public:
    // `buffer` holds `length` characters, the terminating zero included; may be null.
    SSysCmdUI(char16_t* buffer, int32_t length) : m_buffer(buffer), m_length(length) {}

    void Enable(int32_t on = 1) override;
    void SetCheck(int32_t check = 1) override;
    void SetRadio(int32_t on = 1) override;
    // A text of as many UTF-16 units as the buffer or more is cut to the buffer's length - 1,
    // or one less where that would split a surrogate pair. Without a buffer (null or length 0)
    // nothing is written and the text flag stays clear.
    void SetText(const char* text) override;

    uint32_t GetFlags() const { return m_flags; }

    static constexpr uint32_t kEnabled = 1;
    static constexpr uint32_t kChecked = 2;
    static constexpr uint32_t kRadio = 4;
    static constexpr uint32_t kText = 8;

private:
    void SetFlag(uint32_t flag, bool on) { m_flags = on ? (m_flags | flag) : (m_flags & ~flag); }

    uint32_t m_flags = 0;
    char16_t* m_buffer;
    int32_t m_length;
};
