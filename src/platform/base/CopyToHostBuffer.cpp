#include "platform/base/CopyToHostBuffer.h"

namespace {
bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
}  // namespace

std::u16string FitToHostBuffer(std::u16string_view text, uint32_t size) {
    if (size == 0) return {};
    size_t room = size - 1;
    if (text.size() <= room) return std::u16string(text);
    // A pair cut in two would leave the host half a character.
    if (room > 0 && IsHighSurrogate(text[room - 1])) --room;
    return std::u16string(text.substr(0, room));
}

int32_t CopyToHostBuffer(const SString& text, char16_t* buffer, uint32_t size) {
    if (!buffer || size == 0) return 0;
    const std::u16string fitted = FitToHostBuffer(text.ToU16(), size);
    fitted.copy(buffer, fitted.size());
    buffer[fitted.size()] = u'\0';
    return 1;
}
