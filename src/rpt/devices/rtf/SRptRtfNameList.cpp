#include "rpt/devices/rtf/SRptRtfNameList.h"

// Ordinary documents use a handful of faces; this many fit without reallocation.
static constexpr int32_t kReservedEntries = 50;

SRptRtfNameList::SRptRtfNameList() : m_entries(kReservedEntries) {}

int SRptRtfNameList::Compare(const SRptRtfNameEntry& a, const SRptRtfNameEntry& b) {
    const int byName = a.name.Compare(b.name.c_str());
    if (byName == 0) return 0;
    if (a.first != 0 && b.first == 0) return -1;
    if (b.first != 0 && a.first == 0) return 1;
    return byName;
}

int32_t SRptRtfNameList::FindPosition(const SRptRtfNameEntry& key) const {
    const int32_t n = m_entries.GetSize();
    if (n == 0) return 0;
    // The default face is matched by name before the search: a key spelled like it but without
    // the first flag would be steered elsewhere and the face entered twice.
    if (m_entries[0].name == key.name) return 0;
    int32_t lo = 0;
    int32_t hi = n;
    while (lo + 1 < hi) {
        const int32_t mid = (lo + hi) / 2;
        const int order = Compare(m_entries[mid], key);
        if (order == 0) return mid;
        if (order < 0)
            lo = mid;
        else
            hi = mid;
    }
    return Compare(m_entries[lo], key) < 0 ? hi : lo;
}

bool SRptRtfNameList::HoldsAt(int32_t position, const SRptRtfNameEntry& key) const {
    return position < m_entries.GetSize() && m_entries[position].name == key.name;
}

int32_t SRptRtfNameList::IndexOf(const SRptRtfNameEntry& key) const {
    const int32_t position = FindPosition(key);
    return HoldsAt(position, key) ? position : -1;
}

SRptRtfNameEntry* SRptRtfNameList::Find(const SRptRtfNameEntry& key) {
    const int32_t position = FindPosition(key);
    return HoldsAt(position, key) ? &m_entries[position] : nullptr;
}

void SRptRtfNameList::InsertSorted(const SRptRtfNameEntry& entry) {
    const int32_t position = FindPosition(entry);
    if (HoldsAt(position, entry))
        m_entries[position] = entry;
    else
        m_entries.InsertAt(position, entry);
}
