#include "platform/base/SUtf8.h"

size_t SUtf8::SequenceLength(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    unsigned char lead = byte(pos);
    if (lead < 0x80) return 1;
    size_t length;
    uint32_t min;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        min = 0x10000;
    } else {
        return 0;
    }
    if (pos + length > text.size()) return 0;
    uint32_t cp = lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (byte(pos + i) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return length;
}

bool SUtf8::IsWellFormed(std::string_view text) {
    for (size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const size_t length = SequenceLength(text, pos);
        if (length == 0) return false;
        pos += length;
    }
    return true;
}

size_t SUtf8::CharLength(std::string_view text, size_t pos) {
    if (pos >= text.size()) return 0;
    size_t n = SequenceLength(text, pos);
    return n ? n : 1;
}

bool SUtf8::SetHoldsChar(std::string_view set, std::string_view c) {
    for (size_t pos = 0; pos < set.size();) {
        size_t n = CharLength(set, pos);
        if (set.substr(pos, n) == c) return true;
        pos += n;
    }
    return false;
}

size_t SUtf8::CountChars(std::string_view text) {
    size_t count = 0;
    for (size_t pos = 0; pos < text.size(); ++count) pos += CharLength(text, pos);
    return count;
}

std::string SUtf8::Truncate(std::string_view text, size_t maxChars) {
    size_t pos = 0;
    for (size_t chars = 0; pos < text.size() && chars < maxChars; ++chars) pos += CharLength(text, pos);
    return std::string(text.substr(0, pos));
}

std::string SUtf8::TruncateBytes(std::string_view text, size_t maxBytes) {
    size_t pos = 0;
    while (pos < text.size()) {
        size_t n = CharLength(text, pos);
        if (pos + n > maxBytes) break;
        pos += n;
    }
    return std::string(text.substr(0, pos));
}

uint32_t SUtf8::Decode(std::string_view text, size_t& pos) {
    size_t n = SequenceLength(text, pos);
    if (!n) {
        ++pos;
        return 0xFFFD;
    }
    auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    uint32_t cp = n == 1 ? byte(pos) : (byte(pos) & (0x7F >> n));
    for (size_t i = 1; i < n; ++i) cp = (cp << 6) | (byte(pos + i) & 0x3F);
    pos += n;
    return cp;
}

void SUtf8::Encode(uint32_t cp, std::string& out) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::u16string SUtf8::ToU16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        uint32_t cp = Decode(text, pos);
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out += static_cast<char16_t>(0xD800 + (cp >> 10));
            out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::string SUtf8::FromU16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        Encode(cp, out);
    }
    return out;
}
