#include "rpt/devices/rtf/SRptRtfEscaper.h"

#include <charconv>

#include "platform/base/SCodePage1252.h"
#include "platform/base/SUtf8.h"

namespace {

// The field words a header's expansion inserts.
constexpr std::string_view kFieldWords[] = {"\\chdate ", "\\chtime ", "\\chpgn "};

bool StartsWithFieldWord(std::string_view text, size_t pos) {
    for (std::string_view word : kFieldWords)
        if (text.substr(pos, word.size()) == word) return true;
    return false;
}

}  // namespace

void SRptRtfEscaper::AppendNumber(int32_t value, std::string& out, int minDigits) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    const char* begin = digits;
    if (value < 0) out += *begin++;
    for (auto count = result.ptr - begin; count < minDigits; ++count) out += '0';
    out.append(begin, static_cast<size_t>(result.ptr - begin));
}

void SRptRtfEscaper::AppendHexByte(uint8_t value, std::string& out) {
    static constexpr char kDigits[] = "0123456789abcdef";
    out += "\\'";
    out += kDigits[value >> 4];
    out += kDigits[value & 0x0F];
}

void SRptRtfEscaper::AppendEncoded(uint32_t codePoint, std::string& out) {
    if (const uint8_t byte = SCodePage1252::FromUnicode(codePoint); byte >= 0x80) {
        AppendHexByte(byte, out);
        return;
    }
    // A reader that knows \u skips the one fallback character after it (\uc1). The fallback is
    // "?" written as "\'3f": a reader that skips a character rather than a token then passes
    // over the escape, never over the text that follows.
    auto appendUnit = [&out](uint32_t unit) {
        out += "\\u";
        out += std::to_string(static_cast<int16_t>(static_cast<uint16_t>(unit)));
        out += "\\'3f";
    };
    if (codePoint < 0x10000) {
        appendUnit(codePoint);
        return;
    }
    const uint32_t offset = codePoint - 0x10000;
    appendUnit(0xD800 + (offset >> 10));
    appendUnit(0xDC00 + (offset & 0x3FF));
}

bool SRptRtfEscaper::AppendNonAscii(std::string_view text, size_t& pos, std::string& out) {
    if (static_cast<unsigned char>(text[pos]) < 0x80) return false;
    AppendEncoded(SUtf8::Decode(text, pos), out);
    return true;
}

size_t SRptRtfEscaper::PlainRunEnd(std::string_view text, size_t pos, uint32_t mode) {
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (static_cast<unsigned char>(c) >= 0x80 || c == '\0') break;
        if (mode != RTFTEXT_RAW && (c == '\t' || c == '\n' || c == '\r' || c == '\\' || c == '{' || c == '}')) break;
    }
    return pos;
}

bool SRptRtfEscaper::AppendEscaped(char c, uint32_t mode, std::string& out) {
    switch (c) {
        case '\t': out += "\\tab "; return true;
        case '\n':
            if (mode & RTFTEXT_LINEBREAKS) out += "\\par ";
            return true;
        case '\r': return true;
        case '\\': out += (mode & RTFTEXT_BACKSLASHES) ? "\\\\" : "\\"; return true;
        case '{': out += "\\{"; return true;
        case '}': out += "\\}"; return true;
        default: return false;
    }
}

SString SRptRtfEscaper::Escape(std::string_view text, uint32_t mode) {
    if (mode & RTFTEXT_FIELD) return EscapeFieldText(text);
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        // Most of a document is bytes that stand as they are: they go over at once.
        const size_t plain = PlainRunEnd(text, pos, mode);
        out.append(text.substr(pos, plain - pos));
        pos = plain;
        if (pos >= text.size()) break;
        if (AppendNonAscii(text, pos, out)) continue;
        const char c = text[pos++];
        // A NUL is no RTF: readers stop at it.
        if (c == '\0') continue;
        if (mode == RTFTEXT_RAW || !AppendEscaped(c, mode, out)) out += c;
    }
    return SString(std::move(out));
}

SString SRptRtfEscaper::EscapeFieldText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (AppendNonAscii(text, pos, out)) continue;
        if (text[pos] == '\\' && StartsWithFieldWord(text, pos)) {
            out += '\\';
            ++pos;
            continue;
        }
        const char c = text[pos++];
        if (c == '\0') continue;
        if (!AppendEscaped(c, RTFTEXT_HEADER | RTFTEXT_BACKSLASHES, out)) out += c;
    }
    return SString(std::move(out));
}

SString SRptRtfEscaper::EscapeFaceName(std::string_view text) {
    std::string out;
    for (size_t pos = 0; pos < text.size();) {
        if (AppendNonAscii(text, pos, out)) continue;
        const char c = text[pos++];
        if (c == ';')
            AppendHexByte(static_cast<uint8_t>(c), out);
        else if (c == '\\' || c == '{' || c == '}')
            (out += '\\') += c;
        else if (static_cast<unsigned char>(c) >= 0x20)
            out += c;
    }
    return SString(std::move(out));
}
