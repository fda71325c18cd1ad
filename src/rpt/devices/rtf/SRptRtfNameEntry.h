#pragma once
// One font face of an RTF document's font table, with the number of paragraph formats using it.
#include <cstdint>

#include "platform/base/SString.h"

struct SRptRtfNameEntry {
    SString name;
    int32_t first = 0;  // nonzero for the document's default face, which sorts before every other
    int32_t count = 1;
};
