#pragma once
// The fonts of a document gathered from RTF font tables ("{\fonttbl ...}"): faces are numbered
// from 0 in the order they come, so that the first table added (the document's own, numbered so)
// keeps its numbers, and every further one is mapped onto them, a face already there taking the
// number it has, a new face the next number. GetFontTable writes the gathered table back as one
// "{\fonttbl" group.
#include <cstdint>
#include <string>
#include <unordered_map>
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
    void RemoveAll() {
        m_entries.clear();
        m_numbers.clear();
    }
    const std::vector<Entry>& GetEntries() const { return m_entries; }

    // The entries of a font table's text, in their order; entries without a number are left out.
    static std::vector<Entry> Parse(std::string_view table);

private:
    std::vector<Entry> m_entries;
    // The number of each face by its name: a merged table of many faces is added in one pass.
    std::unordered_map<std::string, int32_t> m_numbers;
};
