#pragma once
// One line of an HTML page set's contents page: the level of the node it stands for, its text
// and the link to its anchor ("Repo2.htm#7").
#include <cstdint>

#include "platform/base/SString.h"

struct SRptHtmlContentsEntry {
    int32_t level = 0;
    SString text;
    SString link;
};
