#include "rpt/devices/html/SRptHtmlRtfText.h"

#include <charconv>
#include <string>
#include <vector>

#include "platform/base/SCodePage1252.h"
#include "platform/base/SRtfDocument.h"
#include "platform/base/SUtf8.h"

bool SRptHtmlRtfText::IsHiddenDestination(std::string_view word) {
    static constexpr std::string_view kHidden[] = {
        "fonttbl", "colortbl", "stylesheet", "info",    "pict",    "object",   "fldinst", "header",
        "headerl", "headerr",  "headerf",    "footer",  "footerl", "footerr",  "footerf", "listtable",
        "listoverridetable", "generator", "themedata", "datastore", "latentstyles", "rsidtbl", "xmlnstbl",
    };
    for (std::string_view hidden : kHidden)
        if (word == hidden) return true;
    return false;
}

SString SRptHtmlRtfText::ToText(std::string_view rtf) {
    std::string out;
    std::vector<bool> hidden{false};
    bool groupStart = false;
    int32_t fallbackChars = 1;  // what a reader skips after "\u": "\ucN" sets it
    int32_t skip = 0;
    SRtfDocument::Tag tag;
    for (size_t pos = 0; SRtfDocument::GetNextToken(rtf, pos, tag); pos = tag.End()) {
        if (tag.length == 0) break;
        const std::string_view part = rtf.substr(tag.offset, tag.length);
        if (tag.kind == SRtfDocument::Tag::kOpen) {
            hidden.push_back(hidden.back());
            groupStart = true;
            continue;
        }
        if (tag.kind == SRtfDocument::Tag::kClose) {
            if (hidden.size() > 1) hidden.pop_back();
            groupStart = false;
            continue;
        }
        if (groupStart) {
            groupStart = false;
            if (part == "\\*" || (tag.kind == SRtfDocument::Tag::kControlWord && IsHiddenDestination(tag.word)))
                hidden.back() = true;
        }
        if (hidden.back()) continue;
        switch (tag.kind) {
            case SRtfDocument::Tag::kText:
                for (char c : part) {
                    if (c == '\r' || c == '\n') continue;
                    if (skip > 0) {
                        --skip;
                        continue;
                    }
                    out += c;
                }
                break;
            case SRtfDocument::Tag::kControlWord:
                if (tag.word == "par" || tag.word == "line") out += "\r\n";
                else if (tag.word == "tab") out += '\t';
                else if (tag.word == "uc" && tag.hasParam) fallbackChars = tag.param < 0 ? 0 : tag.param;
                else if (tag.word == "u" && tag.hasParam) {
                    // Halves of a pair beyond U+FFFF are left out rather than written apart.
                    const uint32_t unit = static_cast<uint16_t>(static_cast<int16_t>(tag.param));
                    if (unit < 0xD800 || unit > 0xDFFF) SUtf8::Encode(unit, out);
                    skip = fallbackChars;
                }
                break;
            case SRtfDocument::Tag::kControlSymbol:
                if (skip > 0) {
                    --skip;
                    break;
                }
                if (part.size() == 4 && part[1] == '\'') {
                    uint32_t byte = 0;
                    const auto [end, error] = std::from_chars(part.data() + 2, part.data() + 4, byte, 16);
                    if (error == std::errc() && end == part.data() + 4)
                        SUtf8::Encode(SCodePage1252::ToUnicode(static_cast<uint8_t>(byte)), out);
                } else if (part == "\\\\" || part == "\\{" || part == "\\}") {
                    out += part[1];
                } else if (part == "\\~") {
                    SUtf8::Encode(0xA0, out);
                }
                break;
            default: break;
        }
    }
    return SString(std::move(out));
}
