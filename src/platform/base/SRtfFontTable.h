#pragma once
// The fonts of a document gathered from RTF font tables ("{\fonttbl ...}"): the first table added
// keeps its numbers, and every further one is mapped onto it, a face already there taking the
// number it has, a new face the next free number. GetFontTable writes the gathered table back as
// one "{\fonttbl" group.
#include <cstdint>
#include <vector>

#include "platform/base/SRtfDocument.h"
#include "platform/base/SString.h"

class SRtfFontTable {
public:
    struct Entry {
        int32_t number = -1;
        SString properties;  // the entry's control words but its number ("\fswiss\fcharset0")
        SString name;        // the face name as the table writes it, without its ';'
    };

    // Adds a font table's text; `map` (when given) receives each of its numbers and the number it
    // has in this table. Answers the number of faces that were new.
    int32_t AddFontTable(const SString& table, SRtfNumberMap* map = nullptr);
    SString GetFontTable() const;
    void RemoveAll() { m_entries.clear(); }
    const std::vector<Entry>& GetEntries() const { return m_entries; }

    // The entries of a font table's text, in their order; entries without a number are left out.
    static std::vector<Entry> Parse(std::string_view table);

private:
    std::vector<Entry> m_entries;
};
