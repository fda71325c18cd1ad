#pragma once
// The fields that a template's header and footer may name between "%" characters (%DATE%,
// %TIME%, %PAGE%), with the string id of each field's display name. A row with field number 0
// ends the table. The library's start-up builds the table right after the globals container and
// its shut-down destroys it; the output devices and the header/footer dialog read it.
#include <cstdint>

#include "platform/base/SString.h"

struct HEADERFOOTERFIELD {
    int32_t nField;    // 1 date, 2 time, 3 page; 0 ends the table
    uint32_t nNameID;  // the display name in the library's string table
    SString sToken;
};

inline constexpr int32_t RPT_HEADERFOOTER_FIELD_COUNT = 4;  // the end row included

class SRptHeaderFooterFields {
public:
    static void Construct();
    static void Destroy();
    // The rows, the end row last; null before start-up and after shut-down.
    static const HEADERFOOTERFIELD* Get();
};
