#pragma once
// One element of the print preview that shows an object looked for: the number of its page
// (from 1) and the text of the element. The caller of the search owns each record.
#include <cstdint>
#include <utility>

#include "platform/base/SString.h"

struct RPTFINDINFO {
    RPTFINDINFO(int32_t nPage, SString sText) : page(nPage), text(std::move(sText)) {}
    int32_t page;
    SString text;
};
