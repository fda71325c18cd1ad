#pragma once
// One planned move of an item in a template: the item, the parent it goes to and its new position
// among that parent's Items. Both items are held, so that a plan stays valid while the moves
// planned before it run.
#include <cstdint>

#include "platform/com/SComWrap.h"
#include "varod9/ISRptItem.h"

struct MOVESTRUCT {
    SComWrap<ISRptItem> pItem;
    SComWrap<ISRptItem> pTarget;
    int32_t nPos = 0;
};
