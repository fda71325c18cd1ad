#pragma once
// The faces of an RTF document, kept sorted so that an entry's index is its RTF font number: the
// default face (first flag set) at 0, the others by name in byte order. Equal names are one entry.
#include <cstdint>

#include "platform/base/STable.h"
#include "rpt/devices/rtf/SRptRtfNameEntry.h"

class SRptRtfNameList {
public:
    SRptRtfNameList();

    int32_t GetSize() const { return m_entries.GetSize(); }
    const SRptRtfNameEntry& GetAt(int32_t index) const { return m_entries.GetAt(index); }

    // The index of the entry named as the key, or -1.
    int32_t IndexOf(const SRptRtfNameEntry& key) const;
    // The entry named as the key, or null.
    SRptRtfNameEntry* Find(const SRptRtfNameEntry& key);
    // Puts the entry at its sorted position, overwriting an entry of the same name found there.
    void InsertSorted(const SRptRtfNameEntry& entry);
    // Where the key is or would go: 0..size. A key named like the default face is at 0.
    int32_t FindPosition(const SRptRtfNameEntry& key) const;
    void RemoveAll() { m_entries.RemoveAll(); }

    // Below zero when a orders before b, zero for equal names.
    static int Compare(const SRptRtfNameEntry& a, const SRptRtfNameEntry& b);

private:
    bool HoldsAt(int32_t position, const SRptRtfNameEntry& key) const;

    STable<SRptRtfNameEntry> m_entries;
};
