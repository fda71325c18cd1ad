#pragma once
// A result code as rpthost's messages show it: "0x" and eight upper-case hexadecimal digits.
#include <cstdint>
#include <cstdio>
#include <string>

#include "platform/com/HRESULT.h"

inline std::string HresultText(HRESULT hr) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<uint32_t>(hr));
    return text;
}
