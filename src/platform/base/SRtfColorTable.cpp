#include "platform/base/SRtfColorTable.h"

#include <algorithm>
#include <string>

namespace {

using Tag = SRtfDocument::Tag;

// One colour being read: its three parts as the table gives them.
struct SColorParts {
    int32_t red = -1;
    int32_t green = -1;
    int32_t blue = -1;

    bool IsAutomatic() const { return red < 0 && green < 0 && blue < 0; }
    SRtfColorTable::Entry ToEntry() const {
        SRtfColorTable::Entry entry;
        if (IsAutomatic()) return entry;
        const auto part = [](int32_t v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
        entry.value = part(red) | part(green) << 8 | part(blue) << 16;
        entry.text.Format("\\red%d\\green%d\\blue%d", part(red), part(green), part(blue));
        return entry;
    }
};

}  // namespace

std::vector<SRtfColorTable::Entry> SRtfColorTable::Parse(std::string_view table) {
    std::vector<Entry> entries;
    if (SRtfDocument::GroupDestination(table) != "colortbl") return entries;
    SColorParts parts;
    bool seenTableWord = false;
    Tag tag;
    // Inside the group's braces; nested groups (theme colours of newer writers) are skipped.
    const size_t end = table.size() > 1 && table.back() == '}' ? table.size() - 1 : table.size();
    const std::string_view inside = table.substr(1, end - 1);
    for (size_t pos = 0; SRtfDocument::GetNextTag(inside, pos, tag); pos = tag.End()) {
        if (tag.kind == Tag::kControlWord) {
            if (!seenTableWord) {
                seenTableWord = true;
                continue;
            }
            if (!tag.hasParam) continue;
            if (tag.word == "red") parts.red = tag.param;
            if (tag.word == "green") parts.green = tag.param;
            if (tag.word == "blue") parts.blue = tag.param;
        } else if (tag.kind == Tag::kText) {
            for (char c : inside.substr(tag.offset, tag.length)) {
                if (c != ';') continue;
                entries.push_back(parts.ToEntry());
                parts = SColorParts();
            }
        }
    }
    return entries;
}

int32_t SRtfColorTable::AddColorTable(const SString& table, SRtfNumberMap* map) {
    int32_t added = 0;
    const std::vector<Entry> entries = Parse(table.view());
    for (int32_t position = 0; position < static_cast<int32_t>(entries.size()); ++position) {
        const Entry& entry = entries[position];
        auto same = std::find_if(m_entries.begin(), m_entries.end(),
                                 [&](const Entry& kept) { return kept.value == entry.value; });
        int32_t kept = static_cast<int32_t>(same - m_entries.begin());
        if (same == m_entries.end()) {
            m_entries.push_back(entry);
            ++added;
        }
        if (map) map->emplace(position, kept);
    }
    return added;
}

SString SRtfColorTable::GetColorTable() const {
    std::string text = "{\\colortbl";
    for (const Entry& entry : m_entries) text += entry.text.str() + ';';
    text += '}';
    return SString(std::move(text));
}
