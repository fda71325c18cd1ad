// The grid of the table helpers: cells kept in grid order, copied in with a reference of their
// own on their paragraph.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "rpt/devices/helpers/SRptCellInfoMap.h"
#include "rpt/objs/paras/SRptParaItemMem.h"
#include "support/SRptItemTestFixture.h"

namespace {

using Place = std::pair<int32_t, int32_t>;

std::vector<Place> Places(const SRptCellInfoMap& map) {
    std::vector<Place> places;
    for (SRptCellInfoMap::Node node = map.GetFirst(); node; node = map.GetNext(node))
        places.emplace_back(node.GetKey().row, node.GetKey().column);
    return places;
}

RPTCELLINFO Text(const char* text) {
    RPTCELLINFO cell;
    cell.Text = text;
    return cell;
}

TEST(SRptCellInfoMap, CellsComeInRowThenColumnOrderWhateverTheOrderOfInsertion) {
    const std::vector<Place> expected{{0, 0}, {0, 1}, {1, 0}};
    std::vector<Place> insertion{{1, 0}, {0, 1}, {0, 0}};
    do {
        SRptCellInfoMap map;
        for (const Place& place : insertion) map.Insert(place.first, place.second, Text("x"));
        EXPECT_EQ(Places(map), expected);
    } while (std::next_permutation(insertion.begin(), insertion.end()));
    // Both numbers are signed.
    SRptCellInfoMap map;
    map.Insert(0, -1, Text("b"));
    map.Insert(-1, 5, Text("a"));
    map.Insert(1, -3, Text("c"));
    EXPECT_EQ(Places(map), (std::vector<Place>{{-1, 5}, {0, -1}, {1, -3}}));
}

TEST(SRptCellInfoMap, AnAbsentPlaceHasNoCellAndAnotherInsertionReplacesTheCell) {
    SRptCellInfoMap map;
    EXPECT_EQ(map.Lookup(0, 0), nullptr);
    RPTCELLINFO& stored = map.Insert(2, 3, Text("first"));
    EXPECT_EQ(map.Lookup(2, 3), &stored);
    EXPECT_EQ(map.Lookup(3, 2), nullptr);
    map.Insert(2, 3, Text("second"));
    EXPECT_EQ(map.GetCount(), 1);
    EXPECT_EQ(map.Lookup(2, 3)->Text, "second");
    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
}

class SRptCellInfoMapParagraphs : public SRptItemTestFixture {};

TEST_F(SRptCellInfoMapParagraphs, TheStoredCellIsACopyHoldingItsOwnReference) {
    SComWrap<ISRptPara> para = Make<ISRptPara>(CLSID_SRptParaItem);
    const int32_t before = Refs(para.Get());
    {
        SRptCellInfoMap map;
        RPTCELLINFO cell = Text("Total");
        cell.Para = para;
        cell.ObjectID = MakeGUID("{0C0FFEE0-0000-4000-8000-000000000003}");
        const RPTCELLINFO& stored = map.Insert(0, 0, cell);
        EXPECT_EQ(Refs(para.Get()), before + 2);
        cell.Text = "changed";
        cell.Para.Clear();
        EXPECT_EQ(stored.Text, "Total");
        EXPECT_EQ(stored.Para.Get(), para.Get());
        EXPECT_EQ(stored.ObjectID, MakeGUID("{0C0FFEE0-0000-4000-8000-000000000003}"));
        EXPECT_EQ(Refs(para.Get()), before + 1);
    }
    // Emptied with the map.
    EXPECT_EQ(Refs(para.Get()), before);
}

}  // namespace
