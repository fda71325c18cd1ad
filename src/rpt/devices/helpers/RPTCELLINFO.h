#pragma once
// One cell of a table helper's grid: what to print, with which paragraph format, and where the
// object it refers to is presented.
#include "platform/base/SString.h"
#include "platform/com/GUID.h"
#include "platform/com/SComWrap.h"
#include "varod9/ISRptPara.h"

class SRptGenerationNode;
struct ISRptItem;

struct RPTCELLINFO {
    SString Text;
    SComWrap<ISRptPara> Para;             // counted; may be null
    SRptGenerationNode* Link = nullptr;   // filled when links are resolved
    ISRptItem* TargetItem = nullptr;      // the item the module names for the referenced object
    GUID ObjectID{};                      // GUID_NULL for none
};
