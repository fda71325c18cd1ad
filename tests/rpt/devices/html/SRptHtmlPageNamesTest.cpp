// The names of the files of an HTML page set.
#include <gtest/gtest.h>

#include "rpt/devices/html/SRptHtmlEscaper.h"
#include "rpt/devices/html/SRptHtmlPageNames.h"

TEST(SRptHtmlPageNames, PagesListPagesAndPicturesTakeTheFirstFourCharacters) {
    const SRptHtmlPageNames names("/data/F/Report.htm");
    EXPECT_EQ(names.GetHomeName(), "Report.htm");
    EXPECT_EQ(names.PageName(1), "Repo1.htm");
    EXPECT_EQ(names.PageName(2), "Repo2.htm");
    EXPECT_EQ(names.ListPageName(3, 1), "Repo3_1.htm");
    EXPECT_EQ(names.PictureName(1), "Repo1.jpg");
    EXPECT_EQ(names.PathOf("Repo1.htm"), "/data/F/Repo1.htm");
}

TEST(SRptHtmlPageNames, NumbersOfZeroAndTheFirstPagesPreviousAreTheHomeName) {
    const SRptHtmlPageNames names("/F/Report.htm");
    EXPECT_EQ(names.PageName(0), "Report.htm");
    EXPECT_EQ(names.PreviousPageName(1), "Report.htm");
    EXPECT_EQ(names.PreviousPageName(3), "Repo2.htm");
    EXPECT_EQ(names.NextPageName(0), "Report.htm");
    EXPECT_EQ(names.NextPageName(3), "Repo4.htm");
    EXPECT_EQ(names.ListPageName(0, 2), "Report.htm");
}

TEST(SRptHtmlPageNames, ShortNamesAndNamesWithoutExtension) {
    EXPECT_EQ(SRptHtmlPageNames("/F/ab.htm").PageName(1), "ab1.htm");
    const SRptHtmlPageNames bare("/F/Summary");
    EXPECT_EQ(bare.GetHomeName(), "Summary");
    EXPECT_EQ(bare.PageName(1), "Summ1.htm");
    // Four characters, not four bytes.
    EXPECT_EQ(SRptHtmlPageNames("/F/\xC3\xA9t\xC3\xA9s.htm").GetPrefix(), "\xC3\xA9t\xC3\xA9s");
}

TEST(SRptHtmlPageNames, AChosenNameThatTheSetWouldGenerateGetsTheWholeBaseNameAsPrefix) {
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo1.htm").GetPrefix(), "Repo1_");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo12.htm").GetPrefix(), "Repo12_");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo3_1.htm").GetPrefix(), "Repo3_1_");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo1.HTM").GetPrefix(), "Repo1_");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo1.jpg").GetPrefix(), "Repo1_");
    // Only then.
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo01.htm").GetPrefix(), "Repo");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo1.html").GetPrefix(), "Repo");
    EXPECT_EQ(SRptHtmlPageNames("/F/Repo1x.htm").GetPrefix(), "Repo");
    EXPECT_EQ(SRptHtmlPageNames("/F/Reports.htm").GetPrefix(), "Repo");
    EXPECT_EQ(SRptHtmlPageNames("/F/ab1.htm").GetPrefix(), "ab1");
}

TEST(SRptHtmlPageNames, TheNamesOfTheSetAreTheHomePagePagesListPagesPicturesAndButtons) {
    const SRptHtmlPageNames names("/F/Report.htm");
    // The picture counter starts at 0, the pages at 1.
    for (const char* name : {"Report.htm", "Repo1.htm", "Repo12.htm", "Repo3_2.htm", "Repo0.jpg", "Repo7.jpg",
                             "btnhome.jpg", "btnprev.jpg", "btnnext.jpg", "REPO1.HTM"})
        EXPECT_TRUE(names.IsNameOfSet(name)) << name;
    for (const char* name : {"Report.html", "Repo0.htm", "Repo01.htm", "Repo00.jpg", "Repo1.png", "Repo.htm",
                             "Other1.htm", "btnhome.png", "Repo1_.htm"})
        EXPECT_FALSE(names.IsNameOfSet(name)) << name;
    // A chosen name that the set would generate gives the pages a prefix of their own.
    const SRptHtmlPageNames own("/F/Repo1.htm");
    EXPECT_TRUE(own.IsNameOfSet("Repo1.htm"));
    EXPECT_TRUE(own.IsNameOfSet("Repo1_2.htm"));
    EXPECT_FALSE(own.IsNameOfSet("Repo2.htm"));
}

TEST(SRptHtmlEscaper, UrlsKeepLettersDigitsAndPlainMarksAndEncodeTheRest) {
    EXPECT_EQ(SRptHtmlEscaper::EncodeUrl("Repo1.htm"), "Repo1.htm");
    EXPECT_EQ(SRptHtmlEscaper::EncodeUrl("My R1.htm"), "My%20R1.htm");
    EXPECT_EQ(SRptHtmlEscaper::EncodeUrl("a\"b<c>&d#e?f%g"), "a%22b%3Cc%3E%26d%23e%3Ff%25g");
    EXPECT_EQ(SRptHtmlEscaper::EncodeUrl("caf\xC3\xA9.htm"), "caf%C3%A9.htm");
}

TEST(SRptHtmlEscaper, CharactersBeyondAsciiBecomeCharacterReferencesInEveryMask) {
    EXPECT_EQ(SRptHtmlEscaper::Escape("caf\xC3\xA9 \xF0\x9F\x98\x80", HTMLTEXT_RAW), "caf&#233; &#128512;");
    EXPECT_EQ(SRptHtmlEscaper::Escape("\xE2\x82\xAC<", HTMLTEXT_TEXT), "&#8364;&lt;");
}

TEST(SRptHtmlEscaper, ANulIsLeftOutInEveryMask) {
    for (uint32_t mask : {HTMLTEXT_RAW, HTMLTEXT_TEXT, HTMLTEXT_INLINE})
        EXPECT_EQ(SRptHtmlEscaper::Escape(std::string_view("a\0<", 3), mask).str().find('\0'), std::string::npos);
}
