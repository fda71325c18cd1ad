#include "platform/base/SRtfDocument.h"

#include <algorithm>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/base/SCodePage.h"
#include "platform/base/SUtf8.h"

namespace {

// RTF's limits: control words have at most 32 letters, their numbers at most 10 digits.
constexpr size_t kMaxWordLetters = 32;
constexpr size_t kMaxParamDigits = 10;

// The words whose number is a font of the font table, and those whose number is a colour.
constexpr std::string_view kFontWords[] = {"f", "af"};
constexpr std::string_view kColorWords[] = {
    "cf",      "cb",      "highlight", "chcbpat", "chcfpat",    "cbpat",      "cfpat", "clcbpat",
    "clcfpat", "clcbpatraw", "clcfpatraw", "brdrcf", "ulc", "trcbpat", "trcfpat", "tscellcbpat",
};

// Header groups that only describe the document they stand in.
constexpr std::string_view kKeptTables[] = {"fonttbl", "colortbl", "stylesheet"};

// The header's own words: the version, the character set and its code page. The default words
// ("\deff", "\deflang", "\adeff", "\stshfdbch" ...) are known by how they begin.
constexpr std::string_view kHeaderWords[] = {"rtf", "ansi", "mac", "pc", "pca", "ansicpg"};
constexpr std::string_view kDefaultWordStarts[] = {"def", "adef", "stshf"};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsHexDigit(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

template <size_t N>
bool IsOneOf(std::string_view word, const std::string_view (&words)[N]) {
    return std::find(std::begin(words), std::end(words), word) != std::end(words);
}

// Whether a control word belongs to the document's header, whatever its place before the body:
// every other word formats the text and stays with it.
bool IsHeaderWord(std::string_view word) {
    if (IsOneOf(word, kHeaderWords)) return true;
    for (std::string_view start : kDefaultWordStarts)
        if (word.substr(0, start.size()) == start) return true;
    return false;
}

// A control word or symbol starting at the backslash at `pos`.
void ReadControl(std::string_view text, size_t pos, SRtfDocument::Tag& tag) {
    const size_t size = text.size();
    size_t end = pos + 1;
    if (end >= size) {
        tag.kind = SRtfDocument::Tag::kControlSymbol;
        tag.complete = false;
        tag.length = 1;
        return;
    }
    if (!IsLetter(text[end])) {
        tag.kind = SRtfDocument::Tag::kControlSymbol;
        tag.length = 2;
        // "\'hh": a character by its code, two hexadecimal digits; a brace is never one of them.
        if (text[end] == '\'') {
            while (tag.length < 4 && pos + tag.length < size && IsHexDigit(text[pos + tag.length])) ++tag.length;
            tag.complete = tag.length == 4;
        }
        tag.paramEnd = pos + tag.length;
        return;
    }
    tag.kind = SRtfDocument::Tag::kControlWord;
    const size_t letters = end;
    // A word longer than RTF allows is still one word: its letters never pass for text.
    while (end < size && IsLetter(text[end])) ++end;
    tag.word = text.substr(letters, end - letters);
    size_t digits = end;
    if (digits < size && text[digits] == '-' && digits + 1 < size && IsDigit(text[digits + 1])) ++digits;
    const size_t firstDigit = digits;
    int64_t value = 0;
    while (digits < size && digits - firstDigit < kMaxParamDigits && IsDigit(text[digits])) {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits > firstDigit) {
        tag.hasParam = true;
        if (text[end] == '-') value = -value;
        tag.param = static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
        end = digits;
    }
    tag.paramEnd = end;
    if (end < size && text[end] == ' ') ++end;
    // "\binN" is followed by N bytes of data that are no RTF.
    if (tag.word == "bin" && tag.hasParam && tag.param > 0) {
        const size_t data = static_cast<size_t>(tag.param);
        const size_t available = size - end;
        end += std::min(data, available);
        tag.complete = data <= available;
    }
    tag.length = end - pos;
}

}  // namespace

bool SRtfDocument::GetNextToken(std::string_view text, size_t pos, Tag& tag) {
    tag = Tag();
    tag.offset = pos;
    if (pos >= text.size()) return false;
    switch (text[pos]) {
        case '{':
            tag.kind = Tag::kOpen;
            tag.length = 1;
            return true;
        case '}':
            tag.kind = Tag::kClose;
            tag.length = 1;
            return true;
        case '\\':
            ReadControl(text, pos, tag);
            return true;
        default: {
            const size_t end = text.find_first_of("\\{}", pos);
            tag.kind = Tag::kText;
            tag.length = (end == std::string_view::npos ? text.size() : end) - pos;
            return true;
        }
    }
}

bool SRtfDocument::GetNextTag(std::string_view text, size_t pos, Tag& tag) {
    if (!GetNextToken(text, pos, tag)) return false;
    if (tag.kind != Tag::kOpen || IsRtf(text.substr(pos))) return true;
    // A group: on to the brace that closes it, whatever it holds.
    int32_t depth = 1;
    size_t next = pos + 1;
    Tag token;
    while (depth > 0 && GetNextToken(text, next, token)) {
        if (token.kind == Tag::kOpen) ++depth;
        if (token.kind == Tag::kClose) --depth;
        if (!token.complete) break;
        next = token.End();
    }
    tag = Tag();
    tag.kind = Tag::kGroup;
    tag.offset = pos;
    tag.complete = depth == 0;
    tag.length = (depth == 0 ? next : text.size()) - pos;
    return true;
}

std::string_view SRtfDocument::GroupDestination(std::string_view group) {
    if (group.empty() || group[0] != '{') return {};
    Tag token;
    for (size_t pos = 1; GetNextToken(group, pos, token); pos = token.End()) {
        if (token.kind == Tag::kControlSymbol && group.substr(token.offset, token.length) == "\\*") continue;
        if (token.kind == Tag::kText && IsBlank(group.substr(token.offset, token.length))) continue;
        return token.kind == Tag::kControlWord ? token.word : std::string_view();
    }
    return {};
}

bool SRtfDocument::ExtractGroup(std::string_view destination, SString* part, bool remove) {
    const std::string_view text = m_text.view();
    Tag tag;
    for (size_t pos = 0; GetNextTag(text, pos, tag); pos = tag.End()) {
        if (tag.kind != Tag::kGroup || !tag.complete) continue;
        const std::string_view group = text.substr(tag.offset, tag.length);
        if (GroupDestination(group) != destination) continue;
        if (part) *part = SString(group);
        if (remove) m_text.str().erase(tag.offset, tag.length);
        return true;
    }
    return false;
}

bool SRtfDocument::ExtractHeader(SString* part, bool remove) {
    const std::string_view text = m_text.view();
    if (!IsRtf(text)) return false;
    Tag tag;
    // The opening: the brace and the document's header words up to the first other tag.
    size_t opening = 1;
    while (GetNextToken(text, opening, tag) &&
           ((tag.kind == Tag::kControlWord && IsHeaderWord(tag.word)) ||
            (tag.kind == Tag::kText && IsBlank(text.substr(tag.offset, tag.length)))))
        opening = tag.End();

    // The header groups and words before the body: the tables stay for their own extraction,
    // the descriptions of the document and the header words go, formatting words stay.
    std::vector<std::pair<size_t, size_t>> drop;
    // Whether what was kept last is a control word that ends without its blank, which a word
    // dropped after it must then leave in place.
    bool openWord = false;
    for (size_t pos = opening; GetNextTag(text, pos, tag); pos = tag.End()) {
        if (tag.kind == Tag::kControlWord && IsHeaderWord(tag.word)) {
            const size_t end = openWord ? tag.paramEnd : tag.End();
            drop.emplace_back(tag.offset, end - tag.offset);
            openWord = openWord && end == tag.End();
            continue;
        }
        if (tag.kind == Tag::kControlWord || tag.kind == Tag::kControlSymbol) {
            openWord = tag.kind == Tag::kControlWord && tag.End() == tag.paramEnd;
            continue;
        }
        if (tag.kind == Tag::kText && IsBlank(text.substr(tag.offset, tag.length))) {
            openWord = false;
            continue;
        }
        if (tag.kind != Tag::kGroup || !tag.complete) break;
        const std::string_view group = text.substr(tag.offset, tag.length);
        const std::string_view destination = GroupDestination(group);
        if (IsOneOf(destination, kKeptTables)) {
            openWord = false;
            continue;
        }
        if (destination == "info" || group.substr(0, 3) == "{\\*") {
            drop.emplace_back(tag.offset, tag.length);
            continue;
        }
        break;
    }

    // The closing brace of the document group, and whatever follows it.
    size_t closing = std::string_view::npos;
    int32_t depth = 0;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        if (tag.kind == Tag::kOpen) ++depth;
        if (tag.kind == Tag::kClose && --depth == 0) {
            closing = tag.offset;
            break;
        }
    }

    if (part) *part = SString(text.substr(0, opening));
    if (remove) {
        std::string& str = m_text.str();
        if (closing != std::string_view::npos) str.erase(closing);
        for (auto it = drop.rbegin(); it != drop.rend(); ++it)
            if (it->first < str.size()) str.erase(it->first, it->second);
        str.erase(0, opening);
    }
    return true;
}

bool SRtfDocument::Balance() {
    const std::string_view text = m_text.view();
    std::string out;
    size_t copied = 0;
    int32_t depth = 0;
    bool changed = false;
    // Whether what was kept last is a control word that ends without its blank.
    bool openWord = false;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        // A tag cut off goes: a brace written after it would become part of it.
        const bool stray = !tag.complete || (tag.kind == Tag::kClose && depth == 0);
        if (tag.kind == Tag::kOpen) ++depth;
        if (tag.kind == Tag::kClose && depth > 0) --depth;
        if (!stray) {
            openWord = tag.kind == Tag::kControlWord && tag.End() == tag.paramEnd;
            if (tag.kind == Tag::kControlWord && tag.word.size() > kMaxWordLetters) {
                // Readers refuse a word longer than RTF allows: it keeps the letters it may have
                // and stays a word, one that no reader knows.
                const size_t letters = tag.offset + 1;
                out.append(text, copied, letters + kMaxWordLetters - copied);
                copied = letters + tag.word.size();
                changed = true;
            }
            continue;
        }
        out.append(text, copied, tag.offset - copied);
        // The removed tag ended the control word before it; a blank ends it now, so that what
        // follows is not read as the word's letters or number.
        if (openWord) out += ' ';
        openWord = false;
        copied = tag.End();
        changed = true;
    }
    if (!changed && depth == 0) return false;
    out.append(text, copied, std::string_view::npos);
    out.append(static_cast<size_t>(depth), '}');
    m_text = SString(std::move(out));
    return true;
}

namespace {

using Tag = SRtfDocument::Tag;

// The destinations whose data a reader takes as hexadecimal digits as well as "\bin" data.
constexpr std::string_view kHexDestinations[] = {"pict"};

// Control words that show something besides the characters they name (SRtfDocument::
// CharacterOfWord), and those that end a paragraph.
constexpr std::string_view kShowingWords[] = {"u", "tab", "line", "chpgn", "chdate", "chtime", "chftn", "sectnum"};
constexpr std::string_view kParagraphEnds[] = {"par", "sect", "row"};
// Control symbols that show a character: "\'hh" aside, the non-breaking space and hyphen, and
// the escaped backslash and braces.
constexpr std::string_view kCharacterSymbols[] = {"\\~", "\\_", "\\\\", "\\{", "\\}"};

// Whether a character written right after a control word would become part of it (its letters,
// its number or the blank that ends it).
bool ExtendsControlWord(char c) {
    return IsLetter(c) || IsDigit(c) || c == '-' || c == ' ';
}

// What the tokens after a group's "{" tell of it: whether it is an optional destination ("\*")
// and the control word it begins with.
struct SGroupStart {
    SGroupStart() = default;
    SGroupStart(size_t at, bool openWord) : open(at), openWordBefore(openWord) {}

    size_t open = 0;
    // Whether the text kept before the group ends with a control word without its blank.
    bool openWordBefore = false;
    bool decided = false;
    bool optional = false;
    std::string_view destination;
    // Set when the group goes whole.
    bool drop = false;

    // Takes the group's next token into account, until its destination is known.
    void See(std::string_view text, const Tag& token) {
        if (decided) return;
        const std::string_view part = text.substr(token.offset, token.length);
        if (token.kind == Tag::kControlSymbol && part == "\\*") {
            optional = true;
            return;
        }
        if (token.kind == Tag::kText && IsBlank(part)) return;
        decided = true;
        if (token.kind == Tag::kControlWord) destination = token.word;
    }
};

// A pass over a text's tokens that changes some of them and may remove whole groups: it knows the
// groups open at each token and how each begins, and removes those marked to go when they close.
// No removal joins what follows it to a control word before it. The changes are made at the end.
class SGroupPass {
public:
    explicit SGroupPass(std::string_view text) : m_text(text) {}

    // Takes in a brace, which the pass handles itself (true), or the start of another token.
    bool Brace(const Tag& tag) {
        if (tag.kind == Tag::kOpen) {
            m_groups.emplace_back(tag.offset, m_openWord);
            m_openWord = false;
            return true;
        }
        if (tag.kind == Tag::kClose && !m_groups.empty()) {
            const SGroupStart group = m_groups.back();
            m_groups.pop_back();
            m_openWord = false;
            if (group.drop) {
                // The word before the group ends what follows it, unless a blank does now.
                const bool blank = RemoveGroup(group, tag.End());
                m_openWord = group.openWordBefore && !blank;
            }
            return true;
        }
        if (!m_groups.empty()) m_groups.back().See(m_text, tag);
        return false;
    }
    // A token that stays as it is.
    void Keep(const Tag& tag) { m_openWord = tag.kind == Tag::kControlWord && tag.End() == tag.paramEnd; }
    // A token that goes.
    void Remove(const Tag& tag) {
        if (Remove(tag.offset, tag.End(), m_openWord)) m_openWord = false;
    }
    void Replace(size_t from, size_t to, std::string with) { m_edits.push_back({from, to, std::move(with)}); }
    // The groups open at the current token, the innermost last.
    std::vector<SGroupStart>& Groups() { return m_groups; }
    // The changed text; false when nothing changed. A group to go that the text leaves open goes
    // to the end, as readers take it.
    bool Apply(SString& result) {
        const auto open =
            std::find_if(m_groups.begin(), m_groups.end(), [](const SGroupStart& group) { return group.drop; });
        if (open != m_groups.end()) RemoveGroup(*open, m_text.size());
        if (m_edits.empty()) return false;
        std::string out;
        out.reserve(m_text.size());
        size_t copied = 0;
        for (const Edit& edit : m_edits) {
            out.append(m_text, copied, edit.from - copied);
            out += edit.with;
            copied = edit.to;
        }
        out.append(m_text, copied, std::string_view::npos);
        result = SString(std::move(out));
        return true;
    }

private:
    struct Edit {
        size_t from;
        size_t to;
        std::string with;
    };

    // Removes a group up to `end`, with whatever was changed inside it.
    bool RemoveGroup(const SGroupStart& group, size_t end) {
        while (!m_edits.empty() && m_edits.back().from >= group.open) m_edits.pop_back();
        return Remove(group.open, end, group.openWordBefore);
    }
    // Removes a part; when the text kept before it ends with a control word without its blank and
    // what follows would extend that word, a blank takes its place. Answers whether it did.
    bool Remove(size_t from, size_t to, bool openWordBefore) {
        const bool blank = openWordBefore && to < m_text.size() && ExtendsControlWord(m_text[to]);
        Replace(from, to, blank ? " " : "");
        return blank;
    }

    std::string_view m_text;
    std::vector<Edit> m_edits;
    std::vector<SGroupStart> m_groups;
    // Whether the text kept last is a control word without its blank.
    bool m_openWord = false;
};

// Bytes as hexadecimal digits, a line of 128 digits at a time, after a line break that ends the
// control word before them.
std::string HexLines(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    constexpr size_t kBytesPerLine = 64;
    std::string hex;
    hex.reserve(bytes.size() * 2 + (bytes.size() / kBytesPerLine + 1) * 2);
    for (size_t pos = 0; pos < bytes.size(); ++pos) {
        if (pos % kBytesPerLine == 0) hex += "\r\n";
        const auto byte = static_cast<uint8_t>(bytes[pos]);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

// The paragraphs of a text, token by token: whether something shows since the last paragraph
// end, and whether a token stands in a group that holds no body text.
class SParagraphScan {
public:
    explicit SParagraphScan(std::string_view text) : m_text(text) {}

    // Takes in the next token.
    void See(const Tag& tag) {
        if (tag.kind == Tag::kOpen) {
            m_groups.push_back({m_groups.empty() ? false : m_groups.back().hidden, SGroupStart()});
            return;
        }
        if (tag.kind == Tag::kClose) {
            if (!m_groups.empty()) m_groups.pop_back();
            return;
        }
        if (!m_groups.empty()) {
            Group& group = m_groups.back();
            const bool wasDecided = group.start.decided;
            group.start.See(m_text, tag);
            if (group.start.optional && !wasDecided) group.hidden = true;
            if (group.start.decided && !wasDecided) {
                if (SRtfDocument::HoldsNoBodyText(group.start.destination)) group.hidden = true;
                if (!group.hidden && group.start.destination == "field") m_open = true;
            }
        }
        if (IsHidden()) return;
        const std::string_view part = m_text.substr(tag.offset, tag.length);
        switch (tag.kind) {
            case Tag::kText: m_open = m_open || !IsBlank(part); break;
            case Tag::kControlSymbol:
                m_open = m_open || (part.size() == 4 && part[1] == '\'') || IsOneOf(part, kCharacterSymbols);
                break;
            case Tag::kControlWord:
                if (IsOneOf(tag.word, kParagraphEnds)) m_open = false;
                else if (IsOneOf(tag.word, kShowingWords) || SRtfDocument::CharacterOfWord(tag.word))
                    m_open = true;
                break;
            default: break;
        }
    }
    bool IsHidden() const { return !m_groups.empty() && m_groups.back().hidden; }
    bool IsOpen() const { return m_open; }

private:
    struct Group {
        bool hidden;
        SGroupStart start;
    };
    std::string_view m_text;
    std::vector<Group> m_groups;
    bool m_open = false;
};

}  // namespace

bool SRtfDocument::HoldsNoBodyText(std::string_view destination) {
    // Besides the tables, descriptions, headers and footers, the entries of the contents and the
    // index (their text stands in the body already), the paragraph numbering that readers show
    // from its "\pntext" instead, and the text kept for readers that know no nested tables.
    static constexpr std::string_view kDestinations[] = {
        "fonttbl",           "colortbl",  "stylesheet", "info",      "fldinst",      "listtable",
        "listoverridetable", "generator", "themedata",  "datastore", "latentstyles", "rsidtbl",
        "xmlnstbl",          "filetbl",   "revtbl",     "ftnsep",    "ftnsepc",      "aftnsep",
        "aftnsepc",          "tc",        "tcn",        "xe",        "pn",           "nonesttables",
    };
    return IsHeaderFooter(destination) || IsOneOf(destination, kDestinations);
}

uint32_t SRtfDocument::CharacterOfWord(std::string_view word) {
    static constexpr struct {
        std::string_view word;
        uint32_t character;
    } kCharacters[] = {
        {"emdash", 0x2014},    {"endash", 0x2013},    {"bullet", 0x2022},  {"lquote", 0x2018},  {"rquote", 0x2019},
        {"ldblquote", 0x201C}, {"rdblquote", 0x201D}, {"emspace", 0x2003}, {"enspace", 0x2002}, {"qmspace", 0x2005},
    };
    for (const auto& entry : kCharacters)
        if (word == entry.word) return entry.character;
    return 0;
}

bool SRtfDocument::IsHeaderFooter(std::string_view destination) {
    static constexpr std::string_view kDestinations[] = {"header", "headerl", "headerr", "headerf",
                                                         "footer", "footerl", "footerr", "footerf"};
    return IsOneOf(destination, kDestinations);
}

int32_t SRtfDocument::ReplaceControlWord(std::string_view word, std::string_view with) {
    const std::string_view text = m_text.view();
    SGroupPass pass(text);
    int32_t replaced = 0;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        if (tag.kind != Tag::kControlWord || tag.word != word) continue;
        pass.Replace(tag.offset, tag.paramEnd, std::string(with));
        ++replaced;
    }
    pass.Apply(m_text);
    return replaced;
}

int32_t SRtfDocument::RemoveGroups(const std::function<bool(std::string_view destination)>& which) {
    const std::string_view text = m_text.view();
    SGroupPass pass(text);
    int32_t removed = 0;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        if (pass.Brace(tag)) continue;
        pass.Keep(tag);
        SGroupStart* group = pass.Groups().empty() ? nullptr : &pass.Groups().back();
        if (!group || group->drop || !group->decided || !which(group->destination)) continue;
        group->drop = true;
        ++removed;
    }
    pass.Apply(m_text);
    return removed;
}

bool SRtfDocument::ConvertBinary() {
    const std::string_view text = m_text.view();
    if (text.find("\\bin") == std::string_view::npos) return false;
    SGroupPass pass(text);
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        if (pass.Brace(tag)) continue;
        if (tag.kind != Tag::kControlWord || tag.word != "bin" || !tag.hasParam || tag.param <= 0) {
            pass.Keep(tag);
            continue;
        }
        if (!tag.complete) {
            pass.Remove(tag);
            break;
        }
        // The innermost group that says what the data is: a picture's, or an optional
        // destination's, which goes whole.
        std::vector<SGroupStart>& groups = pass.Groups();
        auto holder = std::find_if(groups.rbegin(), groups.rend(), [](const SGroupStart& group) {
            return IsOneOf(group.destination, kHexDestinations) || group.optional;
        });
        if (holder == groups.rend()) {
            pass.Remove(tag);
        } else if (holder->optional) {
            holder->drop = true;
        } else {
            const auto count = static_cast<size_t>(tag.param);
            pass.Replace(tag.offset, tag.End(), HexLines(text.substr(tag.End() - count, count)));
            pass.Keep(tag);
        }
    }
    return pass.Apply(m_text);
}

int32_t SRtfDocument::ReplaceSectionBreaks() {
    const std::string_view text = m_text.view();
    SGroupPass pass(text);
    SParagraphScan scan(text);
    int32_t changed = 0;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        const bool sectionBreak = tag.kind == Tag::kControlWord && tag.word == "sect" && !scan.IsHidden();
        const bool open = scan.IsOpen();
        scan.See(tag);
        if (pass.Brace(tag)) continue;
        if (!sectionBreak) {
            pass.Keep(tag);
            continue;
        }
        ++changed;
        // A break after a paragraph end ends none; one that ends a paragraph becomes a paragraph
        // end: its letters change, its delimiter stays.
        if (!open) {
            pass.Remove(tag);
            continue;
        }
        pass.Replace(tag.offset + 1, tag.offset + 1 + tag.word.size(), "par");
        pass.Keep(tag);
    }
    pass.Apply(m_text);
    return changed;
}

bool SRtfDocument::IsLastParagraphOpen() const {
    const std::string_view text = m_text.view();
    SParagraphScan scan(text);
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) scan.See(tag);
    return scan.IsOpen();
}

bool SRtfDocument::ExtractFontTable(SString* part, bool remove) {
    return ExtractGroup("fonttbl", part, remove);
}

bool SRtfDocument::ExtractColorTable(SString* part, bool remove) {
    return ExtractGroup("colortbl", part, remove);
}

bool SRtfDocument::ExtractStyleTable(SString* part, bool remove) {
    return ExtractGroup("stylesheet", part, remove);
}

void SRtfDocument::ChangeFontAndColor(const SRtfNumberMap& fonts, const SRtfNumberMap& colors) {
    const std::string_view text = m_text.view();
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    size_t copied = 0;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        if (tag.kind != Tag::kControlWord || !tag.hasParam) continue;
        const SRtfNumberMap* map = IsOneOf(tag.word, kFontWords)    ? &fonts
                                   : IsOneOf(tag.word, kColorWords) ? &colors
                                                                    : nullptr;
        if (!map) continue;
        const auto found = map->find(tag.param);
        if (found == map->end() || found->second == tag.param) continue;
        // The word and its new number; the delimiter after the old number stays.
        const size_t wordEnd = tag.offset + 1 + tag.word.size();
        out.append(text, copied, wordEnd - copied);
        out += std::to_string(found->second);
        copied = tag.paramEnd;
    }
    if (copied == 0) return;
    out.append(text, copied, std::string_view::npos);
    m_text = SString(std::move(out));
}

int32_t SRtfDocument::RemoveControlWord(std::string_view word) {
    return RemoveControlWords([word](const Tag& tag) { return tag.word == word; });
}

int32_t SRtfDocument::RemoveControlWords(const std::function<bool(const Tag&)>& which) {
    const std::string_view text = m_text.view();
    SGroupPass pass(text);
    int32_t removed = 0;
    Tag tag;
    for (size_t pos = 0; GetNextToken(text, pos, tag); pos = tag.End()) {
        // Whether this token, a control word, names the group it begins.
        const bool names = !pass.Groups().empty() && !pass.Groups().back().decided;
        if (pass.Brace(tag)) continue;
        if (tag.kind != Tag::kControlWord || !which(tag)) {
            pass.Keep(tag);
            continue;
        }
        ++removed;
        // The word of an optional destination goes with its group: left without its word, the
        // group's "\*" would apply to whatever comes next, and its contents would show.
        if (names && pass.Groups().back().optional)
            pass.Groups().back().drop = true;
        else
            pass.Remove(tag);
    }
    pass.Apply(m_text);
    return removed;
}

namespace {

using Tag = SRtfDocument::Tag;

// The code pages of RTF's character set words.
constexpr uint32_t kMacPage = 10000;
constexpr uint32_t kPcPage = 437;
constexpr uint32_t kPcaPage = 850;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Whether a character written right after a control word would become part of it (its letters,
// its number or the blank that ends it).
bool ExtendsWord(char c) {
    return IsLetter(c) || IsDigit(c) || c == '-' || c == ' ';
}

uint8_t HexValue(char c) {
    if (IsDigit(c)) return static_cast<uint8_t>(c - '0');
    return static_cast<uint8_t>((c | 0x20) - 'a' + 10);
}

// "\'hh": a byte that stays a byte, whatever the code page.
std::string HexEscape(uint32_t byte) {
    static constexpr char kDigits[] = "0123456789abcdef";
    return {'\\', '\'', kDigits[(byte >> 4) & 0x0F], kDigits[byte & 0x0F]};
}

// Characters read from a code page, as RTF text: one that is ASCII (a page such as EBCDIC has
// them above 0x7F) is written "\'hh", so that it never becomes a brace, a backslash or part of a
// control word; a NUL is no character.
std::string AsText(std::string characters) {
    const auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    if (std::none_of(characters.begin(), characters.end(), isAscii)) return characters;
    std::string text;
    for (char c : characters) {
        if (!isAscii(c)) text += c;
        else if (c != '\0') text += HexEscape(static_cast<unsigned char>(c));
    }
    return text;
}

// The characters of an RTF text made UTF-8 (SRtfDocument::ToUnicode), in one pass over its
// tokens. What changes is written into a new text; what stays is copied in runs.
class SCharacterDecoder {
public:
    // A text that names its code page has its raw bytes in that page, even where they happen to
    // make UTF-8, as RTF readers take them; only a text that names none is taken as UTF-8 when
    // it is.
    explicit SCharacterDecoder(std::string_view text)
        : m_text(text), m_rawUtf8(!NamesCodePage(text) && IsUtf8Text(text)) {}

    // False when nothing changed; otherwise the new text is in `result`.
    bool Run(std::string& result) {
        Tag tag;
        for (size_t pos = 0; SRtfDocument::GetNextToken(m_text, pos, tag); pos = tag.End()) {
            const size_t from = SkipFallback(tag);
            if (from == tag.End()) continue;
            // The first half of a pair waits for the second over the count of fallback characters
            // that writers set between the halves; anything else leaves it alone.
            if (!(tag.kind == Tag::kControlWord && (tag.word == "u" || tag.word == "uc"))) m_highSurrogate = 0;
            switch (tag.kind) {
                case Tag::kOpen: Keep(); m_states.push_back(m_states.back()); break;
                case Tag::kClose:
                    Keep();
                    if (m_states.size() > 1) m_states.pop_back();
                    break;
                case Tag::kControlWord: Word(tag); break;
                case Tag::kControlSymbol: Symbol(tag); break;
                case Tag::kText: Text(tag, from); break;
                default: Keep(); break;
            }
        }
        FlushRun();
        if (!m_changed) return false;
        m_out.append(m_text, m_copied, std::string_view::npos);
        result = std::move(m_out);
        return true;
    }

private:
    // Whether a control word names the code page of the bytes that follow it: the document's
    // "\ansicpgN", a font's "\cpgN" or "\fcharsetN" of a set that has a page. The symbol set's
    // bytes are no characters of a page: its words stay, and name none.
    static bool NamesCodePage(const Tag& tag) {
        if (tag.kind != Tag::kControlWord) return false;
        if (tag.word == "ansicpg" || tag.word == "cpg")
            return tag.param > 0 && static_cast<uint32_t>(tag.param) != SCodePage::kSymbol;
        if (tag.word != "fcharset") return false;
        const uint32_t page = SCodePage::OfCharset(tag.param);
        return page != 0 && page != SCodePage::kSymbol;
    }

    static bool NamesCodePage(std::string_view text) {
        Tag tag;
        for (size_t pos = 0; SRtfDocument::GetNextToken(text, pos, tag); pos = tag.End())
            if (NamesCodePage(tag)) return true;
        return false;
    }

    // Whether the text's characters are UTF-8: the bytes of "\bin" data are no characters.
    static bool IsUtf8Text(std::string_view text) {
        Tag tag;
        for (size_t pos = 0; SRtfDocument::GetNextToken(text, pos, tag); pos = tag.End())
            if (tag.kind == Tag::kText && !SUtf8::IsWellFormed(text.substr(tag.offset, tag.length))) return false;
        return true;
    }

    // What a group gives its text: the font, the number of fallback characters after "\u", and
    // whether it is (in) the font table.
    struct State {
        int32_t font = -1;  // -1: the document's default font
        int32_t fallback = 1;
        bool fontTable = false;
    };
    // The code pages a font names: by "\cpgN" and by its character set; 0 when it names none.
    struct FontPages {
        uint32_t codePage = 0;
        uint32_t charset = 0;
    };

    State& Top() { return m_states.back(); }

    // The fallback characters that follow a "\u": each is dropped, a group's brace ends them.
    // Answers where the token's own reading begins (its end when it is dropped whole).
    size_t SkipFallback(const Tag& tag) {
        if (m_skip == 0) return tag.offset;
        if (tag.kind == Tag::kOpen || tag.kind == Tag::kClose) {
            m_skip = 0;
            return tag.offset;
        }
        if (tag.kind != Tag::kText) {
            --m_skip;
            Replace(tag.offset, tag.End(), {});
            return tag.End();
        }
        size_t pos = tag.offset;
        while (m_skip > 0 && pos < tag.End()) {
            if (!IsLineEnd(m_text[pos])) --m_skip;
            pos += m_rawUtf8 ? SUtf8::CharLength(m_text, pos) : 1;
        }
        Replace(tag.offset, pos, {});
        return pos;
    }

    void Word(const Tag& tag) {
        if (tag.word == "uc" && tag.hasParam) {
            Top().fallback = std::max(tag.param, 0);
            Change(tag.offset, tag.End(), {});
            return;
        }
        if (tag.word == "u" && tag.hasParam) {
            Unicode(tag);
            return;
        }
        if (NamesCodePage(tag)) {
            // Its bytes become UTF-8 here: a second reading must not take them for the page's.
            // Its blank stays to end an open word before it.
            FlushRun();
            const bool keepBlank = m_openWord && tag.End() > tag.paramEnd;
            Replace(tag.offset, keepBlank ? tag.paramEnd : tag.End(), {});
            if (keepBlank) m_openWord = false;
        } else {
            Keep();
            m_openWord = tag.End() == tag.paramEnd;
        }
        if (tag.word == "ansicpg" && tag.param > 0) m_documentPage = static_cast<uint32_t>(tag.param);
        else if (tag.word == "ansi") m_documentPage = SCodePage::kWestern;
        else if (tag.word == "mac") m_documentPage = kMacPage;
        else if (tag.word == "pc") m_documentPage = kPcPage;
        else if (tag.word == "pca") m_documentPage = kPcaPage;
        else if (tag.word == "deff" && tag.hasParam) m_defaultFont = tag.param;
        else if (tag.word == "fonttbl") Top().fontTable = true;
        else if (tag.word == "f" && tag.hasParam) Top().font = tag.param;
        else if (tag.word == "plain") Top().font = -1;
        else if (tag.word == "fcharset" && Top().fontTable && Top().font >= 0) {
            // The ANSI set is Western (1252) whatever the document's page; the default set, 0
            // here, leaves the font in the document's page.
            m_fonts[Top().font].charset = SCodePage::OfCharset(tag.param);
        } else if (tag.word == "cpg" && Top().fontTable && Top().font >= 0 && tag.param > 0) {
            m_fonts[Top().font].codePage = static_cast<uint32_t>(tag.param);
        }
    }

    // "\uN": a UTF-16 unit, a pair of them beyond U+FFFF (a half alone is dropped).
    void Unicode(const Tag& tag) {
        std::string character;
        uint32_t unit = static_cast<uint16_t>(tag.param);
        if (tag.param > 0xFFFF && tag.param <= 0x10FFFF) unit = static_cast<uint32_t>(tag.param);
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            m_highSurrogate = unit;
        } else if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate) SUtf8::Encode(0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00), character);
            m_highSurrogate = 0;
        } else if (unit >= 0x80) {
            SUtf8::Encode(unit, character);
        } else if (unit > 0) {
            character = HexEscape(unit);
        }
        Change(tag.offset, tag.End(), character);
        m_skip = Top().fallback;
    }

    void Symbol(const Tag& tag) {
        const std::string_view symbol = m_text.substr(tag.offset, tag.length);
        if (tag.complete && symbol.size() == 4 && symbol[1] == '\'') {
            const auto byte = static_cast<uint8_t>(HexValue(symbol[2]) << 4 | HexValue(symbol[3]));
            if (m_leadPending) {
                AddToRun(tag.offset, tag.End(), byte, m_runPageNumber);
                return;
            }
            if (byte >= 0x80) {
                const uint32_t page = CurrentPage();
                if (page != SCodePage::kSymbol) {
                    AddToRun(tag.offset, tag.End(), byte, page);
                    return;
                }
            }
        }
        Keep();
    }

    void Text(const Tag& tag, size_t from) {
        for (size_t pos = from; pos < tag.End();) {
            const char c = m_text[pos];
            const auto byte = static_cast<uint8_t>(c);
            if (m_leadPending) {
                // The byte after a lead byte is its trail, whatever it is; a line end is no byte.
                if (IsLineEnd(c)) m_runTo = pos + 1;
                else AddToRun(pos, pos + 1, byte, m_runPageNumber);
                ++pos;
                continue;
            }
            if (byte < 0x80 || m_rawUtf8) {
                size_t end = pos + 1;
                while (end < tag.End() && (static_cast<uint8_t>(m_text[end]) < 0x80 || m_rawUtf8)) ++end;
                FlushRun();
                // What was dropped before this text ended the word before it.
                if (m_openWord && ExtendsWord(c)) Replace(pos, pos, " ");
                m_openWord = false;
                pos = end;
                continue;
            }
            const uint32_t page = CurrentPage();
            if (page == SCodePage::kSymbol) {
                Change(pos, pos + 1, HexEscape(byte));
            } else {
                AddToRun(pos, pos + 1, byte, page);
            }
            ++pos;
        }
    }

    // The code page of the current place: its font's, else the document's.
    uint32_t CurrentPage() const {
        const int32_t font = m_states.back().font >= 0 ? m_states.back().font : m_defaultFont;
        if (font >= 0) {
            const auto found = m_fonts.find(font);
            if (found != m_fonts.end() && found->second.codePage) return found->second.codePage;
            if (found != m_fonts.end() && found->second.charset) return found->second.charset;
        }
        return m_documentPage;
    }

    SCodePage& Page(uint32_t number) {
        std::unique_ptr<SCodePage>& page = m_pages[number];
        if (!page) page = std::make_unique<SCodePage>(number);
        return *page;
    }

    // Bytes of a code page, read together so that a pair stays whole.
    void AddToRun(size_t from, size_t to, uint8_t byte, uint32_t page) {
        if (!m_run.empty() && (m_runTo != from || m_runPageNumber != page)) FlushRun();
        if (m_run.empty()) {
            m_runFrom = from;
            m_runPageNumber = page;
        }
        m_run += static_cast<char>(byte);
        m_runTo = to;
        m_leadPending = !m_leadPending && Page(page).IsLeadByte(byte);
    }

    void FlushRun() {
        if (m_run.empty()) return;
        std::string characters;
        Page(m_runPageNumber).AppendUtf8(m_run, characters);
        m_run.clear();
        m_leadPending = false;
        Replace(m_runFrom, m_runTo, AsText(std::move(characters)));
    }

    // A token that stays as it is.
    void Keep() {
        FlushRun();
        m_openWord = false;
    }

    void Change(size_t from, size_t to, std::string_view with) {
        FlushRun();
        Replace(from, to, with);
    }

    void Replace(size_t from, size_t to, std::string_view with) {
        if (!m_changed) m_out.reserve(m_text.size() + m_text.size() / 8);
        m_changed = true;
        m_out.append(m_text, m_copied, from - m_copied);
        m_out += with;
        m_copied = to;
        if (!with.empty()) m_openWord = false;
    }

    std::string_view m_text;
    const bool m_rawUtf8;
    std::string m_out;
    size_t m_copied = 0;
    bool m_changed = false;
    // Whether what was written last is a control word that ends without its blank.
    bool m_openWord = false;

    std::vector<State> m_states{State()};
    uint32_t m_documentPage = SCodePage::kWestern;
    int32_t m_defaultFont = -1;
    std::unordered_map<int32_t, FontPages> m_fonts;
    std::map<uint32_t, std::unique_ptr<SCodePage>> m_pages;

    std::string m_run;
    size_t m_runFrom = 0;
    size_t m_runTo = 0;
    uint32_t m_runPageNumber = 0;
    bool m_leadPending = false;

    int32_t m_skip = 0;
    uint32_t m_highSurrogate = 0;
};

}  // namespace

bool SRtfDocument::ToUnicode() {
    std::string result;
    if (!SCharacterDecoder(m_text.view()).Run(result)) return false;
    m_text = SString(std::move(result));
    return true;
}
