// The clickable zones of a user graphic: one zone per rectangle, walked in rectangle order.
#include <gtest/gtest.h>

#include <vector>

#include "rpt/devices/html/SRptHotZoneMap.h"

namespace {

constexpr GUID kFirst = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000011}");
constexpr GUID kSecond = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000012}");

TEST(SRptHotZoneMap, EqualRectanglesAreOneZone) {
    SRptHotZoneMap map;
    map.Insert(RECT{10, 20, 30, 40}, RPTHOTZONE{kFirst, nullptr});
    RPTHOTZONE& stored = map.Insert(RECT{10, 20, 30, 40}, RPTHOTZONE{kSecond, nullptr});
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.Lookup(RECT{10, 20, 30, 40}), &stored);
    EXPECT_EQ(stored.ObjectID, kSecond);
    // A rectangle differing in one edge is another zone.
    EXPECT_EQ(map.Lookup(RECT{10, 20, 30, 41}), nullptr);
}

TEST(SRptHotZoneMap, ZonesAreWalkedByLeftThenTopThenRightThenBottom) {
    const std::vector<RECT> ordered{{-5, 9, 0, 0}, {0, 0, 5, 5}, {0, 0, 5, 6}, {0, 0, 6, 1}, {0, 1, 0, 0}, {2, -1, 0, 0}};
    SRptHotZoneMap map;
    for (auto it = ordered.rbegin(); it != ordered.rend(); ++it) map.Insert(*it, RPTHOTZONE{});
    std::vector<RECT> walked;
    for (SRptHotZoneMap::Node node = map.GetFirst(); node; node = map.GetNext(node)) walked.push_back(node.GetKey());
    EXPECT_EQ(walked, ordered);
}

}  // namespace
