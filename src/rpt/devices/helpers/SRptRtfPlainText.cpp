#include "rpt/devices/helpers/SRptRtfPlainText.h"

#include <charconv>
#include <string>
#include <vector>

#include "platform/base/SCodePage1252.h"
#include "platform/base/SRtfDocument.h"
#include "platform/base/SUtf8.h"

bool SRptRtfPlainText::IsHiddenDestination(std::string_view word) {
    static constexpr std::string_view kHidden[] = {
        "fonttbl", "colortbl", "stylesheet", "info",    "pict",    "object",   "fldinst", "header",
        "headerl", "headerr",  "headerf",    "footer",  "footerl", "footerr",  "footerf", "listtable",
        "listoverridetable", "generator", "themedata", "datastore", "latentstyles", "rsidtbl", "xmlnstbl",
    };
    for (std::string_view hidden : kHidden)
        if (word == hidden) return true;
    return false;
}

SString SRptRtfPlainText::ToText(std::string_view rtf) {
    // Its characters first, each read in the code page of its place.
    SString characters{rtf};
    SRtfDocument(characters).ToUnicode();
    const std::string_view text = characters.view();
    const bool document = !text.empty() && text[0] == '{';
    std::string out;
    std::vector<bool> hidden{false};
    bool groupStart = false;
    SRtfDocument::Tag tag;
    for (size_t pos = 0; SRtfDocument::GetNextToken(text, pos, tag); pos = tag.End()) {
        if (tag.length == 0) break;
        const std::string_view part = text.substr(tag.offset, tag.length);
        if (tag.kind == SRtfDocument::Tag::kOpen) {
            hidden.push_back(hidden.back());
            groupStart = true;
            continue;
        }
        if (tag.kind == SRtfDocument::Tag::kClose) {
            // The document ends with its group, as readers take it: what follows is no text.
            if (document && hidden.size() == 2) break;
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
                for (char c : part)
                    if (c != '\r' && c != '\n' && c != '\0') out += c;
                break;
            case SRtfDocument::Tag::kControlWord:
                if (tag.word == "par" || tag.word == "line") out += "\r\n";
                else if (tag.word == "tab") out += '\t';
                break;
            case SRtfDocument::Tag::kControlSymbol:
                // Bytes left as "\'hh" are ASCII, or glyphs of a symbol font.
                if (part.size() == 4 && part[1] == '\'') {
                    uint32_t byte = 0;
                    const auto [end, error] = std::from_chars(part.data() + 2, part.data() + 4, byte, 16);
                    if (error == std::errc() && end == part.data() + 4 && byte != 0)
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

SString SRptRtfPlainText::PlainOf(const SString& text) {
    return SRtfDocument::IsRtf(text.view()) ? ToText(text.view()) : text;
}
