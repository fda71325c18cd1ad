// The font and colour tables that gather a document's own table and those of merged texts.
#include <gtest/gtest.h>

#include "platform/base/SRtfColorTable.h"
#include "platform/base/SRtfFontTable.h"

TEST(SRtfFontTable, TheFirstTableKeepsItsNumbersAndLaterOnesAreMappedOntoIt) {
    SRtfFontTable table;
    SRtfNumberMap own;
    EXPECT_EQ(table.AddFontTable("{\\fonttbl\r\n{\\f0\\fswiss Arial;}\r\n{\\f1\\froman Times New Roman;}\r\n}", &own), 2);
    EXPECT_EQ(own, (SRtfNumberMap{{0, 0}, {1, 1}}));
    SRtfNumberMap merged;
    EXPECT_EQ(table.AddFontTable("{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman{\\*\\falt Times};}"
                                 "{\\f5\\fmodern Courier New;}}",
                                 &merged),
              1);
    EXPECT_EQ(merged, (SRtfNumberMap{{0, 1}, {5, 2}}));
    EXPECT_EQ(table.GetFontTable(),
              "{\\fonttbl\r\n{\\f0\\fswiss Arial;}\r\n{\\f1\\froman Times New Roman;}\r\n"
              "{\\f2\\fmodern Courier New;}\r\n}");
}

TEST(SRtfFontTable, AFaceTwiceTakesOneNumberAndNewFacesFollowTheHighest) {
    SRtfFontTable table;
    table.AddFontTable("{\\fonttbl{\\f0 Arial;}{\\f1 Times New Roman;}}");
    // Numbers of the merged table are its own: gaps, an order of their own and a face twice.
    SRtfNumberMap merged;
    EXPECT_EQ(table.AddFontTable("{\\fonttbl{\\f9 Courier New;}{\\f3 Arial;}{\\f12 Courier New;}{\\f4 Symbol;}}", &merged),
              2);
    EXPECT_EQ(merged, (SRtfNumberMap{{9, 2}, {3, 0}, {12, 2}, {4, 3}}));
    SRtfNumberMap again;
    EXPECT_EQ(table.AddFontTable("{\\fonttbl{\\f0 Symbol;}{\\f1 Wingdings;}}", &again), 1);
    EXPECT_EQ(again, (SRtfNumberMap{{0, 3}, {1, 4}}));
    ASSERT_EQ(table.GetEntries().size(), 5u);
    for (int32_t n = 0; n < 5; ++n) EXPECT_EQ(table.GetEntries()[n].number, n);
    // Emptied, the table numbers from 0 again and knows none of the faces it held.
    table.RemoveAll();
    SRtfNumberMap fresh;
    EXPECT_EQ(table.AddFontTable("{\\fonttbl{\\f5 Wingdings;}{\\f6 Arial;}}", &fresh), 2);
    EXPECT_EQ(fresh, (SRtfNumberMap{{5, 0}, {6, 1}}));
}

TEST(SRtfFontTable, EntriesWithoutGroupsAndBrokenTablesAreReadAsFarAsTheyGo) {
    const auto entries = SRtfFontTable::Parse("{\\fonttbl\\f0\\fnil Sym;\\f3\\fswiss Sans \\'e9;}");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[1].number, 3);
    EXPECT_EQ(entries[1].properties, "\\fswiss");
    EXPECT_EQ(entries[1].name, "Sans \\'e9");
    EXPECT_TRUE(SRtfFontTable::Parse("{\\colortbl;}").empty());
    EXPECT_EQ(SRtfFontTable::Parse("{\\fonttbl{\\f2 Cut").size(), 1u);
    EXPECT_TRUE(SRtfFontTable::Parse("{\\fonttbl{ no number;}}").empty());
}

TEST(SRtfColorTable, ColoursArePositionsAndTheSameColourIsSharedAcrossTables) {
    SRtfColorTable table;
    table.AddColorTable("{\\colortbl;}");
    SRtfNumberMap merged;
    EXPECT_EQ(table.AddColorTable("{\\colortbl;\\red255\\green0\\blue0;\r\n\\red0\\green0\\blue255;\\red255\\green0\\blue0;}",
                                  &merged),
              2);
    EXPECT_EQ(merged, (SRtfNumberMap{{0, 0}, {1, 1}, {2, 2}, {3, 1}}));
    EXPECT_EQ(table.GetColorTable(), "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}");
    // A table whose first colour is black has no automatic colour at position 0.
    SRtfNumberMap black;
    table.AddColorTable("{\\colortbl\\red0\\green0\\blue0;}", &black);
    EXPECT_EQ(black, (SRtfNumberMap{{0, 3}}));
}
