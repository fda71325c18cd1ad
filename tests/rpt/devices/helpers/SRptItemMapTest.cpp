// The row map of the table helpers: interfaces by number, each held with a reference of the
// map's own.
#include <gtest/gtest.h>

#include "rpt/devices/helpers/SRptItemMap.h"
#include "support/STestRptProcs.h"

namespace {

TEST(SRptItemMap, TheMapHoldsItsOwnReferences) {
    SComWrap<STestUnknown> first(new STestUnknown);
    SComWrap<STestUnknown> second(new STestUnknown);
    {
        SRptItemMap<IUnknown> map;
        map.SetAt(7, second.Get());
        map.SetAt(-2, first.Get());
        map.SetAt(3, first.Get());
        EXPECT_EQ(first->RefCount(), 3);
        EXPECT_EQ(map.GetAt(7), second.Get());
        // Replacing gives up the reference on what was there.
        map.SetAt(7, first.Get());
        EXPECT_EQ(second->RefCount(), 1);
        EXPECT_EQ(first->RefCount(), 4);
    }
    EXPECT_EQ(first->RefCount(), 1);
}

}  // namespace
