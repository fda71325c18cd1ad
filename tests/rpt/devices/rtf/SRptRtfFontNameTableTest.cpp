#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rpt/devices/rtf/SRptRtfFontNameTable.h"

namespace {

std::vector<std::string> Faces(const SRptRtfFontNameTable& table) {
    std::vector<std::string> faces;
    for (int32_t i = 0; i < table.GetList().GetSize(); ++i) faces.push_back(table.GetList().GetAt(i).name.str());
    return faces;
}

int32_t IndexOf(const SRptRtfFontNameTable& table, const char* face) {
    return table.GetList().IndexOf(SRptRtfNameEntry{SString(face), 0, 1});
}

TEST(SRptRtfFontNameTableTest, DefaultFaceFirstThenByNameWhateverTheOrderOfAddition) {
    SRptRtfFontNameTable table;
    table.Add(SString("Zapf"), 1);
    table.Add(SString("T"), 0);
    table.Add(SString("A"), 0);
    table.Add(SString("C"), 0);
    EXPECT_EQ((std::vector<std::string>{"Zapf", "A", "C", "T"}), Faces(table));
    EXPECT_EQ(0, IndexOf(table, "Zapf"));
    EXPECT_EQ(1, IndexOf(table, "A"));
    EXPECT_EQ(3, IndexOf(table, "T"));
    EXPECT_EQ(-1, IndexOf(table, "B"));
    EXPECT_EQ(-1, IndexOf(table, "Zz"));
}

TEST(SRptRtfFontNameTableTest, AddingAgainCountsWithoutMovingIndexes) {
    SRptRtfFontNameTable table;
    table.Add(SString("Arial"), 1);
    table.Add(SString("Courier"), 0);
    table.Add(SString("Courier"), 0);
    EXPECT_EQ((std::vector<std::string>{"Arial", "Courier"}), Faces(table));
    ASSERT_NE(nullptr, table.Find(SString("Courier")));
    EXPECT_EQ(2, table.Find(SString("Courier"))->count);
    EXPECT_EQ(nullptr, table.Find(SString("Times")));
}

TEST(SRptRtfFontNameTableTest, FaceSpelledLikeTheDefaultIsTheDefaultEntry) {
    SRptRtfFontNameTable table;
    table.Add(SString("Times"), 1);
    table.Add(SString("Arial"), 0);
    table.Add(SString("Verdana"), 0);
    table.Add(SString("Times"), 0);
    EXPECT_EQ((std::vector<std::string>{"Times", "Arial", "Verdana"}), Faces(table));
    EXPECT_EQ(0, IndexOf(table, "Times"));
    EXPECT_EQ(2, table.Find(SString("Times"))->count);
    EXPECT_NE(0, table.GetList().GetAt(0).first);
}

TEST(SRptRtfFontNameTableTest, InsertSortedOverwritesAnEqualName) {
    SRptRtfNameList list;
    list.InsertSorted(SRptRtfNameEntry{SString("B"), 0, 1});
    list.InsertSorted(SRptRtfNameEntry{SString("A"), 0, 1});
    list.InsertSorted(SRptRtfNameEntry{SString("B"), 0, 7});
    ASSERT_EQ(2, list.GetSize());
    EXPECT_EQ(7, list.GetAt(1).count);
    EXPECT_EQ(-1, list.IndexOf(SRptRtfNameEntry{SString("C"), 0, 1}));
}

}  // namespace
