// Windows code pages read as UTF-8: the 8-bit pages, the double-byte pages with their lead bytes,
// bytes that are no character, pages the platform cannot read, and fonts' character sets.
#include <gtest/gtest.h>

#include <string>

#include "platform/base/SCodePage.h"

namespace {

std::string Read(uint32_t codePage, std::string_view bytes) {
    SCodePage page(codePage);
    std::string text;
    page.AppendUtf8(bytes, text);
    return text;
}

}  // namespace

TEST(SCodePage, EachPageReadsItsOwnCharacters) {
    EXPECT_EQ(Read(1250, "\x8A\x8C"), "\xC5\xA0\xC5\x9A");  // Š Ś
    EXPECT_EQ(Read(1251, "\xCF\xF0\xE8\xE2\xE5\xF2"), "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82");  // Привет
    EXPECT_EQ(Read(1252, "Caf\xE9 \x80"), "Caf\xC3\xA9 \xE2\x82\xAC");
    EXPECT_EQ(Read(1253, "\xC1\xE1"), "\xCE\x91\xCE\xB1");  // Α α
    EXPECT_EQ(Read(1254, "\xD0"), "\xC4\x9E");              // Ğ
    EXPECT_EQ(Read(1255, "\xE0"), "\xD7\x90");              // א
    EXPECT_EQ(Read(1256, "\xC7"), "\xD8\xA7");              // ا
    EXPECT_EQ(Read(1257, "\xC0"), "\xC4\x84");              // Ą
    EXPECT_EQ(Read(1258, "\xC3"), "\xC4\x82");              // Ă
    EXPECT_EQ(Read(874, "\xA1"), "\xE0\xB8\x81");           // ก
    EXPECT_EQ(Read(932, "\x82\xA0\x93\xFA\x96\x7B"), "\xE3\x81\x82\xE6\x97\xA5\xE6\x9C\xAC");  // あ日本
    EXPECT_EQ(Read(936, "\xC4\xE3"), "\xE4\xBD\xA0");       // 你
    EXPECT_EQ(Read(949, "\xB0\xA1"), "\xEA\xB0\x80");       // 가
    EXPECT_EQ(Read(950, "\xA7\xDA"), "\xE6\x88\x91");       // 我
    // ASCII is ASCII in every Windows page; the EBCDIC pages have it above 0x7F.
    EXPECT_EQ(Read(1251, "a{\\}"), "a{\\}");
    EXPECT_EQ(Read(37, "\xC1\xC0"), "A{");
}

TEST(SCodePage, BytesThatAreNoCharacterStandForTheReplacementCharacter) {
    EXPECT_EQ(Read(1252, "a\x81" "b"), "a\xEF\xBF\xBD" "b");
    // A lead byte whose pair is cut off by the end, and a pair that is none.
    EXPECT_EQ(Read(932, "x\x82"), "x\xEF\xBF\xBD");
    EXPECT_EQ(Read(932, "\x82\x20y"), "\xEF\xBF\xBD y");
}

TEST(SCodePage, LeadBytesBelongToTheDoubleBytePagesOnly) {
    const SCodePage japanese(932);
    EXPECT_TRUE(japanese.IsLeadByte(0x81));
    EXPECT_TRUE(japanese.IsLeadByte(0xE0));
    EXPECT_FALSE(japanese.IsLeadByte(0xA1));  // a half-width katakana of its own
    EXPECT_FALSE(japanese.IsLeadByte(0x41));
    for (uint32_t number : {936u, 949u, 950u}) EXPECT_TRUE(SCodePage(number).IsLeadByte(0xA4)) << number;
    EXPECT_FALSE(SCodePage(1251).IsLeadByte(0xCF));
}

TEST(SCodePage, APageThePlatformCannotReadIsReadAs1252) {
    SCodePage unknown(99999);
    EXPECT_EQ(unknown.GetCodePage(), 1252u);
    std::string text;
    unknown.AppendUtf8("\xE9", text);
    EXPECT_EQ(text, "\xC3\xA9");
    EXPECT_EQ(SCodePage(1251).GetCodePage(), 1251u);
}

TEST(SCodePage, FontCharacterSetsNameTheirCodePages) {
    EXPECT_EQ(SCodePage::OfCharset(0), 1252u);
    EXPECT_EQ(SCodePage::OfCharset(2), SCodePage::kSymbol);
    EXPECT_EQ(SCodePage::OfCharset(128), 932u);
    EXPECT_EQ(SCodePage::OfCharset(204), 1251u);
    EXPECT_EQ(SCodePage::OfCharset(238), 1250u);
    // The default set, and a number that is no set, name none.
    EXPECT_EQ(SCodePage::OfCharset(1), 0u);
    EXPECT_EQ(SCodePage::OfCharset(3), 0u);
}
