#pragma once
// Globally unique identifiers: class ids, interface ids, record kinds.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct GUID {
    uint32_t Data1 = 0;
    uint16_t Data2 = 0;
    uint16_t Data3 = 0;
    uint8_t Data4[8] = {0, 0, 0, 0, 0, 0, 0, 0};

    friend constexpr bool operator==(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i]) return false;
        return true;
    }
    friend constexpr bool operator<(const GUID& a, const GUID& b) {
        if (a.Data1 != b.Data1) return a.Data1 < b.Data1;
        if (a.Data2 != b.Data2) return a.Data2 < b.Data2;
        if (a.Data3 != b.Data3) return a.Data3 < b.Data3;
        for (int i = 0; i < 8; ++i)
            if (a.Data4[i] != b.Data4[i]) return a.Data4[i] < b.Data4[i];
        return false;
    }
};

using IID = GUID;
using CLSID = GUID;
using REFIID = const GUID&;
using REFCLSID = const GUID&;
using REFGUID = const GUID&;

inline constexpr GUID GUID_NULL{};

namespace guid_detail {
constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}
// Parses "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}" (braces optional); false on any other text.
constexpr bool Parse(std::string_view text, GUID& out) {
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}') return false;
        text = text.substr(1, 36);
    }
    if (text.size() != 36) return false;
    if (text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-') return false;
    uint8_t bytes[16] = {};
    int n = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) continue;
        int hi = HexDigit(text[i]);
        int lo = HexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) return false;
        bytes[n++] = static_cast<uint8_t>(hi * 16 + lo);
        ++i;
    }
    GUID g;
    g.Data1 = (uint32_t(bytes[0]) << 24) | (uint32_t(bytes[1]) << 16) | (uint32_t(bytes[2]) << 8) | bytes[3];
    g.Data2 = static_cast<uint16_t>((bytes[4] << 8) | bytes[5]);
    g.Data3 = static_cast<uint16_t>((bytes[6] << 8) | bytes[7]);
    for (int i = 0; i < 8; ++i) g.Data4[i] = bytes[8 + i];
    out = g;
    return true;
}
}  // namespace guid_detail

// A GUID from a literal, checked at compile time: MakeGUID("{96381B60-1253-11D1-83D9-444553540000}").
consteval GUID MakeGUID(const char* text) {
    std::string_view view(text);
    GUID g;
    if (!guid_detail::Parse(view, g)) throw "malformed GUID literal";
    return g;
}

// Parses the braced text form; false (and `out` unchanged) on malformed text.
bool GUIDFromString(std::string_view text, GUID& out);
// The braced, upper-case text form "{A552E368-E3AD-452B-A703-9A2199B008D9}".
std::string GUIDToString(const GUID& guid);

// The 16 bytes of a GUID in memory order: the three first groups little-endian, then Data4.
void GUIDToBytes(const GUID& guid, uint8_t out[16]);
GUID GUIDFromBytes(const uint8_t in[16]);

template <>
struct std::hash<GUID> {
    size_t operator()(const GUID& g) const noexcept {
        uint64_t h = g.Data1;
        h = h * 1000003u ^ g.Data2;
        h = h * 1000003u ^ g.Data3;
        for (uint8_t b : g.Data4) h = h * 131u ^ b;
        return static_cast<size_t>(h);
    }
};
