#pragma once
// The RTF device's table of font faces: the index of a face is the font number the document
// body and its font table use.
#include <cstdint>

#include "platform/base/SString.h"
#include "rpt/devices/rtf/SRptRtfNameList.h"

class SRptRtfFontNameTable {
public:
    // Counts one more use of a face already present; otherwise enters it with a count of 1.
    void Add(const SString& name, int32_t first);
    // The entry of that face, or null.
    SRptRtfNameEntry* Find(const SString& name);

    SRptRtfNameList& GetList() { return m_list; }
    const SRptRtfNameList& GetList() const { return m_list; }

private:
    SRptRtfNameList m_list;
};
