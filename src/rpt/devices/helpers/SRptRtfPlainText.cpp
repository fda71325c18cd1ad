#include "rpt/devices/helpers/SRptRtfPlainText.h"

#include <charconv>
#include <string>
#include <vector>

#include "platform/base/SCodePage1252.h"
#include "platform/base/SRtfDocument.h"
#include "platform/base/SUtf8.h"

bool SRptRtfPlainText::IsHiddenDestination(std::string_view word) {
    // Pictures and objects show, but not as text.
    return word == "pict" || word == "object" || SRtfDocument::HoldsNoBodyText(word);
}

namespace {

// Ends the line unless it is ended already (or nothing is written yet): a section or a page
// that follows a paragraph's end gives no empty line.
void EndLine(std::string& out) {
    if (!out.empty() && out.back() != '\n') out += "\r\n";
}

}  // namespace

SString SRptRtfPlainText::ToText(std::string_view rtf) {
    // Its characters first, each read in the code page of its place.
    SString characters{rtf};
    SRtfDocument(characters).ToUnicode();
    const std::string_view text = characters.view();
    const bool document = !text.empty() && text[0] == '{';
    std::string out;
    // What each open group gives the text in it: no body text at all, or hidden characters
    // ("\v", which "\plain" clears).
    struct GroupState {
        bool skipped = false;
        bool hidden = false;
    };
    std::vector<GroupState> groups{GroupState()};
    bool groupStart = false;
    // Where the tab after the last cell ends: a row's end takes it back, the tab stands only
    // between cells.
    size_t cellEnd = std::string::npos;
    SRtfDocument::Tag tag;
    for (size_t pos = 0; SRtfDocument::GetNextToken(text, pos, tag); pos = tag.End()) {
        if (tag.length == 0) break;
        const std::string_view part = text.substr(tag.offset, tag.length);
        if (tag.kind == SRtfDocument::Tag::kOpen) {
            groups.push_back(groups.back());
            groupStart = true;
            continue;
        }
        if (tag.kind == SRtfDocument::Tag::kClose) {
            // The document ends with its group, as readers take it: what follows is no text.
            if (document && groups.size() == 2) break;
            if (groups.size() > 1) groups.pop_back();
            groupStart = false;
            continue;
        }
        GroupState& group = groups.back();
        if (groupStart) {
            groupStart = false;
            if (part == "\\*" || (tag.kind == SRtfDocument::Tag::kControlWord && IsHiddenDestination(tag.word)))
                group.skipped = true;
        }
        if (group.skipped) continue;
        if (tag.kind == SRtfDocument::Tag::kControlWord) {
            if (tag.word == "v") group.hidden = !tag.hasParam || tag.param != 0;
            else if (tag.word == "plain") group.hidden = false;
        }
        if (group.hidden) continue;
        switch (tag.kind) {
            case SRtfDocument::Tag::kText:
                for (char c : part)
                    if (c != '\r' && c != '\n' && c != '\0') out += c;
                break;
            case SRtfDocument::Tag::kControlWord:
                if (tag.word == "par" || tag.word == "line") {
                    out += "\r\n";
                } else if (tag.word == "tab") {
                    out += '\t';
                } else if (tag.word == "cell" || tag.word == "nestcell") {
                    out += '\t';
                    cellEnd = out.size();
                } else if (tag.word == "row" || tag.word == "sect" || tag.word == "page") {
                    if (tag.word == "row" && cellEnd == out.size()) out.pop_back();
                    EndLine(out);
                } else if (const uint32_t character = SRtfDocument::CharacterOfWord(tag.word)) {
                    SUtf8::Encode(character, out);
                }
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
                } else if (part == "\\_") {
                    // The non-breaking hyphen; the optional hyphen "\-" shows nothing.
                    SUtf8::Encode(0x2011, out);
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
