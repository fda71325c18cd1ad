#include "platform/repo/SRepValueCodec.h"

#include <charconv>
#include <cstring>
#include <vector>

#include "platform/base/SUtf8.h"
#include "platform/repo/SRepFormatException.h"

namespace {

[[noreturn]] void Refuse(const char* what, uint64_t offset) {
    throw SRepFormatException(SString("Malformed value: ") + what, offset);
}

// A whole decimal number of 64 bits at most, checked against the range of its type.
int64_t ParseNumber(std::string_view text, int64_t low, int64_t high, uint64_t offset) {
    int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high) Refuse("number", offset);
    return value;
}

std::vector<int32_t> ParseNumbers(std::string_view text, size_t count, uint64_t offset) {
    std::vector<int32_t> numbers;
    size_t pos = 0;
    while (numbers.size() < count) {
        size_t space = text.find(' ', pos);
        std::string_view part = text.substr(pos, space == std::string_view::npos ? std::string_view::npos : space - pos);
        numbers.push_back(static_cast<int32_t>(ParseNumber(part, INT32_MIN, INT32_MAX, offset)));
        if (space == std::string_view::npos) break;
        pos = space + 1;
    }
    if (numbers.size() != count || pos > text.size()) Refuse("list of numbers", offset);
    if (text.find(' ', pos) != std::string_view::npos) Refuse("list of numbers", offset);
    return numbers;
}

std::string ToHex(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(bytes.size() * 2);
    for (unsigned char c : bytes) {
        hex.push_back(digits[c >> 4]);
        hex.push_back(digits[c & 15]);
    }
    return hex;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

std::string FromHex(std::string_view hex, uint64_t offset) {
    if (hex.size() % 2) Refuse("hexadecimal text", offset);
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (size_t i = 0; i < hex.size(); i += 2) {
        const int high = HexDigit(hex[i]);
        const int low = HexDigit(hex[i + 1]);
        if (high < 0 || low < 0) Refuse("hexadecimal text", offset);
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

void PutWord(std::string& out, uint32_t word) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((word >> (8 * i)) & 0xFF));
}

uint32_t GetWord(std::string_view bytes, size_t pos) {
    uint32_t word = 0;
    for (int i = 0; i < 4; ++i) word |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[pos + i])) << (8 * i);
    return word;
}

}  // namespace

bool SRepValueCodec::IsXmlSafe(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        // A carriage return would come back as a line feed, and XML has no other control
        // characters than tab and line feed.
        if (c < 0x20 && c != '\t' && c != '\n') return false;
        const size_t length = SUtf8::SequenceLength(text, pos);
        if (length == 0) return false;
        if (length == 3) {
            // U+FFFE and U+FFFF are no characters for XML.
            const unsigned char b1 = static_cast<unsigned char>(text[pos + 1]);
            const unsigned char b2 = static_cast<unsigned char>(text[pos + 2]);
            if (c == 0xEF && b1 == 0xBF && (b2 == 0xBE || b2 == 0xBF)) return false;
        }
        pos += length;
    }
    return true;
}

SRepVariant SRepValueCodec::MakeText(uint32_t type, std::string text) {
    SRepVariant value;
    if ((type & 0xFFFF0000u) == SREP_VT_CHAR)
        value.SetChar(SString(std::move(text)), static_cast<int32_t>(type & 0xFFFF));
    else
        value.SetText(SString(std::move(text)));
    return value;
}

std::string SRepValueCodec::ToText(uint32_t type, const SRepVariant& value, bool& hex) {
    hex = false;
    switch (type & 0xFFFF0000u) {
        case SREP_VT_OID: return GUIDToString(value.GetOID());
        case SREP_VT_SHORT: return std::to_string(value.GetShort());
        case SREP_VT_INT: return std::to_string(value.GetInt());
        case SREP_VT_BOOL: return value.GetBool() ? "1" : "0";
        case SREP_VT_DATE: return std::to_string(value.GetDATE());
        case SREP_VT_POINT: {
            const POINT p = value.GetPOINT();
            return std::to_string(p.x) + " " + std::to_string(p.y);
        }
        case SREP_VT_RECT: {
            const RECT r = value.GetRECT();
            return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) + " " +
                   std::to_string(r.bottom);
        }
        default: {
            std::string text = value.GetText().str();
            if (IsXmlSafe(text)) return text;
            hex = true;
            return ToHex(text);
        }
    }
}

SRepVariant SRepValueCodec::FromText(uint32_t type, std::string_view text, bool hex, uint64_t offset) {
    SRepVariant value;
    switch (type & 0xFFFF0000u) {
        case SREP_VT_OID: {
            GUID oid;
            if (!GUIDFromString(text, oid)) Refuse("object id", offset);
            value.SetOID(oid);
            return value;
        }
        case SREP_VT_SHORT: value.SetShort(static_cast<int16_t>(ParseNumber(text, INT16_MIN, INT16_MAX, offset))); return value;
        case SREP_VT_INT: value.SetInt(static_cast<int32_t>(ParseNumber(text, INT32_MIN, INT32_MAX, offset))); return value;
        case SREP_VT_BOOL: value.SetBool(ParseNumber(text, 0, 1, offset) != 0); return value;
        case SREP_VT_DATE: value.SetDATE(static_cast<int32_t>(ParseNumber(text, INT32_MIN, INT32_MAX, offset))); return value;
        case SREP_VT_POINT: {
            const std::vector<int32_t> n = ParseNumbers(text, 2, offset);
            value.SetPOINT(POINT{n[0], n[1]});
            return value;
        }
        case SREP_VT_RECT: {
            const std::vector<int32_t> n = ParseNumbers(text, 4, offset);
            value.SetRECT(RECT{n[0], n[1], n[2], n[3]});
            return value;
        }
        case SREP_VT_CHAR:
        case SREP_VT_TEXT: return MakeText(type, hex ? FromHex(text, offset) : std::string(text));
        default: Refuse("type", offset);
    }
}

std::string SRepValueCodec::ToBytes(uint32_t type, const SRepVariant& value) {
    std::string bytes;
    switch (type & 0xFFFF0000u) {
        case SREP_VT_OID: {
            uint8_t raw[16];
            GUIDToBytes(value.GetOID(), raw);
            bytes.assign(reinterpret_cast<const char*>(raw), sizeof raw);
            break;
        }
        case SREP_VT_SHORT: {
            const uint16_t word = static_cast<uint16_t>(value.GetShort());
            bytes.push_back(static_cast<char>(word & 0xFF));
            bytes.push_back(static_cast<char>(word >> 8));
            break;
        }
        case SREP_VT_INT: PutWord(bytes, static_cast<uint32_t>(value.GetInt())); break;
        case SREP_VT_BOOL: PutWord(bytes, value.GetBool() ? 1u : 0u); break;
        case SREP_VT_DATE: PutWord(bytes, static_cast<uint32_t>(value.GetDATE())); break;
        case SREP_VT_POINT: {
            const POINT p = value.GetPOINT();
            PutWord(bytes, static_cast<uint32_t>(p.x));
            PutWord(bytes, static_cast<uint32_t>(p.y));
            break;
        }
        case SREP_VT_RECT: {
            const RECT r = value.GetRECT();
            for (int32_t word : {r.left, r.top, r.right, r.bottom}) PutWord(bytes, static_cast<uint32_t>(word));
            break;
        }
        default: bytes = value.GetText().str(); break;
    }
    return bytes;
}

SRepVariant SRepValueCodec::FromBytes(uint32_t type, std::string_view bytes, uint64_t offset) {
    SRepVariant value;
    auto expect = [&](size_t size) {
        if (bytes.size() != size) Refuse("length", offset);
    };
    switch (type & 0xFFFF0000u) {
        case SREP_VT_OID: {
            expect(16);
            uint8_t raw[16];
            std::memcpy(raw, bytes.data(), sizeof raw);
            value.SetOID(GUIDFromBytes(raw));
            return value;
        }
        case SREP_VT_SHORT:
            expect(2);
            value.SetShort(static_cast<int16_t>(static_cast<unsigned char>(bytes[0]) |
                                                (static_cast<unsigned char>(bytes[1]) << 8)));
            return value;
        case SREP_VT_INT: expect(4); value.SetInt(static_cast<int32_t>(GetWord(bytes, 0))); return value;
        case SREP_VT_BOOL: {
            expect(4);
            const uint32_t word = GetWord(bytes, 0);
            if (word > 1) Refuse("switch", offset);
            value.SetBool(word != 0);
            return value;
        }
        case SREP_VT_DATE: expect(4); value.SetDATE(static_cast<int32_t>(GetWord(bytes, 0))); return value;
        case SREP_VT_POINT:
            expect(8);
            value.SetPOINT(POINT{static_cast<int32_t>(GetWord(bytes, 0)), static_cast<int32_t>(GetWord(bytes, 4))});
            return value;
        case SREP_VT_RECT:
            expect(16);
            value.SetRECT(RECT{static_cast<int32_t>(GetWord(bytes, 0)), static_cast<int32_t>(GetWord(bytes, 4)),
                               static_cast<int32_t>(GetWord(bytes, 8)), static_cast<int32_t>(GetWord(bytes, 12))});
            return value;
        case SREP_VT_CHAR:
        case SREP_VT_TEXT: return MakeText(type, std::string(bytes));
        default: Refuse("type", offset);
    }
}
