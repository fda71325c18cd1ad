#include "rpt/devices/rtf/SRptRtfFontNameTable.h"

void SRptRtfFontNameTable::Add(const SString& name, int32_t first) {
    const SRptRtfNameEntry key{name, first, 1};
    if (SRptRtfNameEntry* existing = m_list.Find(key)) {
        ++existing->count;
        return;
    }
    m_list.InsertSorted(key);
}

SRptRtfNameEntry* SRptRtfFontNameTable::Find(const SString& name) {
    return m_list.Find(SRptRtfNameEntry{name, 0, 1});
}
