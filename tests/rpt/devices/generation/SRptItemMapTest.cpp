// The row map of the table helpers: interfaces by number, in ascending order, each held with a
// reference of the map's own.
#include <gtest/gtest.h>

#include <vector>

#include "rpt/devices/generation/SRptItemMap.h"
#include "support/STestRptProcs.h"

namespace {

std::vector<int32_t> Keys(const SRptItemMap<IUnknown>& map) {
    std::vector<int32_t> keys;
    for (auto node = map.GetFirst(); node; node = map.GetNext(node)) keys.push_back(node.GetKey());
    return keys;
}

TEST(SRptItemMap, KeysAscendAndTheMapHoldsItsOwnReferences) {
    SComWrap<STestUnknown> first(new STestUnknown);
    SComWrap<STestUnknown> second(new STestUnknown);
    {
        SRptItemMap<IUnknown> map;
        map.SetAt(7, second.Get());
        map.SetAt(-2, first.Get());
        map.SetAt(3, first.Get());
        EXPECT_EQ(Keys(map), (std::vector<int32_t>{-2, 3, 7}));
        EXPECT_EQ(first->RefCount(), 3);
        EXPECT_EQ(map.Lookup(7), second.Get());
        // Replacing gives up the reference on what was there.
        map.SetAt(7, first.Get());
        EXPECT_EQ(second->RefCount(), 1);
        EXPECT_EQ(first->RefCount(), 4);
    }
    EXPECT_EQ(first->RefCount(), 1);
}

}  // namespace
