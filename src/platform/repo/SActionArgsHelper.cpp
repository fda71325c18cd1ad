#include "platform/repo/SActionArgsHelper.h"

void SActionArgsHelper::SetPath(const char16_t* path) {
    m_path = path ? SString::FromU16(path) : SString();
}
