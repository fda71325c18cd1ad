#include "platform/gdi/LOGFONTA.h"

#include <cstring>

#include "platform/base/SUtf8.h"

void LOGFONTA::SetFaceName(std::string_view name) {
    // Characters first, then bytes: 31 multibyte characters would overrun the field.
    std::string cut = SUtf8::TruncateBytes(SUtf8::Truncate(name, LF_FACESIZE - 1), LF_FACESIZE - 1);
    std::memset(lfFaceName, 0, sizeof(lfFaceName));
    std::memcpy(lfFaceName, cut.data(), cut.size());
}

SString LOGFONTA::GetFaceName() const {
    size_t length = 0;
    while (length < sizeof(lfFaceName) && lfFaceName[length] != '\0') ++length;
    return SString(lfFaceName, length);
}
