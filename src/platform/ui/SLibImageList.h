#pragma once
// The user-interface library's shared image lists: constructing one makes sure the shared small
// list (16 by 16) exists; the objects themselves hold nothing.
#include "platform/ui/SImageList.h"

class SLibImageList {
public:
    SLibImageList();
    static SImageList& Small();
    // The index of the small image for a class's icon, added on first use.
    static int32_t SmallIndex(uint32_t iconKey);

    static SImageList* m_imlSmall;
};
