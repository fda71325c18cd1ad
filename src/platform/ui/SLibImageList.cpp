#include "platform/ui/SLibImageList.h"

SImageList* SLibImageList::m_imlSmall = nullptr;

SLibImageList::SLibImageList() {
    Small();
}

SImageList& SLibImageList::Small() {
    static SImageList small(16, 16);
    m_imlSmall = &small;
    return small;
}

int32_t SLibImageList::SmallIndex(uint32_t iconKey) {
    SImageList& small = Small();
    const int32_t found = small.Find(iconKey);
    return found >= 0 ? found : small.Add(iconKey);
}
