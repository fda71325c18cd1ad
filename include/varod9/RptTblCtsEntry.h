#pragma once
// An item's entry in the table of contents, asked of the item by the table-of-contents code: the
// item says whether it supplies an entry and with which text. The generation client and the
// report are handed on to the module that answers for a module's item.
#include <cstdint>

#include "platform/base/SString.h"
#include "varod9/RptExport.h"

struct ISRptGenerationClient;
struct ISRptReport;

struct RPT_EXPORT RPTTBLCTSENTRY {
    int32_t HasEntry = 0;  // set to 1 by an item that supplies an entry
    SString Text;
    ISRptGenerationClient* GenerationClient = nullptr;
    ISRptReport* Report = nullptr;
};
