#include "platform/com/GUID.h"

#include <cstdio>

bool GUIDFromString(std::string_view text, GUID& out) {
    return guid_detail::Parse(text, out);
}

std::string GUIDToString(const GUID& g) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", g.Data1,
                  g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2], g.Data4[3], g.Data4[4], g.Data4[5],
                  g.Data4[6], g.Data4[7]);
    return buffer;
}

void GUIDToBytes(const GUID& g, uint8_t out[16]) {
    out[0] = static_cast<uint8_t>(g.Data1);
    out[1] = static_cast<uint8_t>(g.Data1 >> 8);
    out[2] = static_cast<uint8_t>(g.Data1 >> 16);
    out[3] = static_cast<uint8_t>(g.Data1 >> 24);
    out[4] = static_cast<uint8_t>(g.Data2);
    out[5] = static_cast<uint8_t>(g.Data2 >> 8);
    out[6] = static_cast<uint8_t>(g.Data3);
    out[7] = static_cast<uint8_t>(g.Data3 >> 8);
    for (int i = 0; i < 8; ++i) out[8 + i] = g.Data4[i];
}

GUID GUIDFromBytes(const uint8_t in[16]) {
    GUID g;
    g.Data1 = uint32_t(in[0]) | (uint32_t(in[1]) << 8) | (uint32_t(in[2]) << 16) | (uint32_t(in[3]) << 24);
    g.Data2 = static_cast<uint16_t>(in[4] | (in[5] << 8));
    g.Data3 = static_cast<uint16_t>(in[6] | (in[7] << 8));
    for (int i = 0; i < 8; ++i) g.Data4[i] = in[8 + i];
    return g;
}
