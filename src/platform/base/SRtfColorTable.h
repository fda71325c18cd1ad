#pragma once
// The colours of a document gathered from RTF colour tables ("{\colortbl;\red..\green..\blue..;}"):
// the first table added keeps its positions, and every further one is mapped onto it, a colour
// already there taking its position, a new one the next. The automatic colour (an empty entry)
// is a colour like the others. GetColorTable writes the gathered table back as one group.
#include <cstdint>
#include <vector>

#include "platform/base/SRtfDocument.h"
#include "platform/base/SString.h"

class SRtfColorTable {
public:
    static constexpr uint32_t kAutomatic = 0xFFFFFFFF;

    struct Entry {
        uint32_t value = kAutomatic;  // red | green << 8 | blue << 16, or kAutomatic
        SString text;                 // "\red..\green..\blue..", empty for the automatic colour
    };

    // Adds a colour table's text; `map` (when given) receives each of its positions and the
    // position the colour has in this table. Answers the number of colours that were new.
    int32_t AddColorTable(const SString& table, SRtfNumberMap* map = nullptr);
    SString GetColorTable() const;
    void RemoveAll() { m_entries.clear(); }
    const std::vector<Entry>& GetEntries() const { return m_entries; }

    // The entries of a colour table's text, in their order.
    static std::vector<Entry> Parse(std::string_view table);

private:
    std::vector<Entry> m_entries;
};
