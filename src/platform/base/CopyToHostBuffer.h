#pragma once
// Texts handed into a host's buffer: the buffer's size is its capacity in UTF-16 units, the
// terminator included. A longer text is cut to fit, never between the two halves of a surrogate
// pair, and the buffer is always terminated.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/SString.h"

// `text` cut to at most `size` - 1 units at a character boundary; empty for a size of 0.
std::u16string FitToHostBuffer(std::u16string_view text, uint32_t size);
// Writes the fitted text and its terminator into `buffer`; nothing for a null buffer or a size
// of 0. 1 when it wrote, else 0.
int32_t CopyToHostBuffer(const SString& text, char16_t* buffer, uint32_t size);
