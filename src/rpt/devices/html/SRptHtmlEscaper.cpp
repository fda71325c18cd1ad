#include "rpt/devices/html/SRptHtmlEscaper.h"

#include <cstring>
#include <string>

#include "platform/base/SUtf8.h"

namespace {

constexpr uint32_t kAnyEscape = 0x7F;
constexpr uint32_t kLineBreaks = 0x02;
constexpr uint32_t kQuotes = 0x64;
constexpr uint32_t kAmpersands = 0x32;
constexpr uint32_t kLessThan = 0x08;
constexpr uint32_t kGreaterThan = 0x16;

// The bytes an href keeps as they are: letters, digits and the few marks that mean nothing to
// a URL or an HTML attribute.
bool IsUrlPlain(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("-._~/", c) != nullptr);
}

}  // namespace

bool SRptHtmlEscaper::AppendEscaped(char c, uint32_t mask, std::string& out) {
    switch (c) {
        case '\t': out += "&nbsp;&nbsp;&nbsp;"; return true;
        case '\n': out += (mask & kLineBreaks) ? "<br />\r\n" : "\n"; return true;
        case '\r': return true;
        case '"': out += (mask & kQuotes) ? "&quot;" : "\""; return true;
        case '&': out += (mask & kAmpersands) ? "&amp;" : "&"; return true;
        case '<': out += (mask & kLessThan) ? "&lt;" : "<"; return true;
        case '>': out += (mask & kGreaterThan) ? "&gt;" : ">"; return true;
        default: return false;
    }
}

SString SRptHtmlEscaper::Escape(std::string_view text, uint32_t mask) {
    std::string out;
    out.reserve(text.size());
    for (size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) >= 0x80) {
            out += "&#" + std::to_string(SUtf8::Decode(text, pos)) + ";";
            continue;
        }
        const char c = text[pos++];
        // A NUL is no text, and browsers and parsers stop at it or refuse it.
        if (c == '\0') continue;
        if (!(mask & kAnyEscape) || !AppendEscaped(c, mask, out)) out += c;
    }
    return SString(std::move(out));
}

SString SRptHtmlEscaper::EncodeUrl(std::string_view name) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url;
    url.reserve(name.size());
    for (char c : name) {
        const auto u = static_cast<unsigned char>(c);
        if (IsUrlPlain(u)) {
            url += c;
            continue;
        }
        url += '%';
        url += kHex[u >> 4];
        url += kHex[u & 15];
    }
    return SString(std::move(url));
}
