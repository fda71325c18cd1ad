#include "platform/base/SRtfFontTable.h"

#include <algorithm>
#include <string>

namespace {

using Tag = SRtfDocument::Tag;

// Builds the entries of a table from its tokens: "\fN" numbers the entry, other control words
// describe it, text and symbols make its name up to the ';' that ends it.
class SFontEntryBuilder {
public:
    explicit SFontEntryBuilder(std::vector<SRtfFontTable::Entry>& entries) : m_entries(entries) {}

    void Take(std::string_view text, const Tag& tag) {
        const std::string_view raw = text.substr(tag.offset, tag.length);
        switch (tag.kind) {
            case Tag::kControlWord:
                if (tag.word == "f" && tag.hasParam && m_entry.number < 0) {
                    m_entry.number = tag.param;
                } else if (tag.word == "bin") {
                    // Binary data has no place in a face's description.
                } else if (tag.word == "u") {
                    m_name += raw;  // a character of the name by its code
                } else {
                    // Without its delimiter: the entry writes its words back to back.
                    m_entry.properties += SString(text.substr(tag.offset, tag.paramEnd - tag.offset));
                }
                break;
            case Tag::kControlSymbol: m_name += raw; break;
            case Tag::kText:
                for (char c : raw) {
                    if (c == ';') Finish();
                    else if (c != '\r' && c != '\n') m_name += c;
                }
                break;
            default: break;
        }
    }
    // Ends the entry being built, if it has a number.
    void Finish() {
        if (m_entry.number >= 0) {
            const size_t first = m_name.find_first_not_of(" \t");
            const size_t last = m_name.find_last_not_of(" \t");
            m_entry.name = first == std::string::npos ? SString() : SString(m_name.substr(first, last - first + 1));
            m_entries.push_back(m_entry);
        }
        m_entry = SRtfFontTable::Entry();
        m_name.clear();
    }

private:
    std::vector<SRtfFontTable::Entry>& m_entries;
    SRtfFontTable::Entry m_entry;
    std::string m_name;
};

// The group's text between its braces and after its first control word.
std::string_view Interior(std::string_view group) {
    Tag tag;
    size_t pos = 1;
    while (SRtfDocument::GetNextToken(group, pos, tag)) {
        pos = tag.End();
        if (tag.kind == Tag::kControlWord) break;
    }
    size_t end = group.size();
    if (end > pos && group[end - 1] == '}') --end;
    return group.substr(std::min(pos, end), end - std::min(pos, end));
}

}  // namespace

std::vector<SRtfFontTable::Entry> SRtfFontTable::Parse(std::string_view table) {
    std::vector<Entry> entries;
    if (SRtfDocument::GroupDestination(table) != "fonttbl") return entries;
    const std::string_view inside = Interior(table);
    SFontEntryBuilder loose(entries);  // the older form: entries without groups of their own
    Tag tag;
    for (size_t pos = 0; SRtfDocument::GetNextTag(inside, pos, tag); pos = tag.End()) {
        if (tag.kind != Tag::kGroup) {
            loose.Take(inside, tag);
            continue;
        }
        const std::string_view group = inside.substr(tag.offset, tag.length);
        if (group.substr(0, 3) == "{\\*") continue;
        SFontEntryBuilder grouped(entries);
        const std::string_view body = group.substr(1, group.size() - (tag.complete ? 2 : 1));
        Tag inner;
        for (size_t at = 0; SRtfDocument::GetNextTag(body, at, inner); at = inner.End())
            if (inner.kind != Tag::kGroup) grouped.Take(body, inner);
        grouped.Finish();
    }
    loose.Finish();
    return entries;
}

int32_t SRtfFontTable::AddFontTable(const SString& table, SRtfNumberMap* map) {
    int32_t added = 0;
    for (Entry& entry : Parse(table.view())) {
        const auto [kept, isNew] = m_numbers.try_emplace(entry.name.str(), static_cast<int32_t>(m_entries.size()));
        if (map) map->emplace(entry.number, kept->second);
        if (!isNew) continue;
        entry.number = kept->second;
        m_entries.push_back(std::move(entry));
        ++added;
    }
    return added;
}

SString SRtfFontTable::GetFontTable() const {
    std::string text = "{\\fonttbl\r\n";
    for (const Entry& entry : m_entries) {
        text += "{\\f" + std::to_string(entry.number) + entry.properties.str() + ' ' + entry.name.str() + ";}\r\n";
    }
    text += '}';
    return SString(std::move(text));
}
