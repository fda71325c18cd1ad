#include <gtest/gtest.h>

#include "platform/base/SModuleState.h"
#include "platform/base/SString.h"
#include "platform/base/SStringLoad.h"

#include <cmath>
#include <map>
#include <string>

TEST(SStringFormat, FormatsTheConversionsTheLibraryUses) {
    SString s;
    s.Format("%s::SetAttribute(dispid = 0x%0.8X, ...)\n (%s)", "SRptParaMem", static_cast<int32_t>(-1), "x");
    EXPECT_EQ(s, "SRptParaMem::SetAttribute(dispid = 0xFFFFFFFF, ...)\n (x)");
    s.Format("%ld", static_cast<int32_t>(E_FAIL));
    EXPECT_EQ(s, "-2147467259");
    s.Format("%d%%", 50);
    EXPECT_EQ(s, "50%");
    s.Format("[%5s|%-4d|%03d|%.2f|%c]", "ab", 7, 5, 3.14159, 'z');
    EXPECT_EQ(s, "[   ab|7   |005|3.14|z]");
    s.Format("%s and %s", SString("one"));
    EXPECT_EQ(s, "one and ");  // a missing argument formats as nothing
    s.Format("%u %x %lu", 4000000000u, 255, static_cast<uint32_t>(0x80030019));
    EXPECT_EQ(s, "4000000000 ff 2147680281");
    s.Format("%*d|%-*s|", 4, 1, 3, "a");
    EXPECT_EQ(s, "   1|a  |");
}

TEST(SStringFormat, FieldWidthsAndPrecisionsAreBounded) {
    // A format from a string table or a computed '*' argument may ask for any field size; the
    // text made for one directive stays within a bound instead of overflowing or growing without end.
    const size_t bound = 4096;
    std::string wide = SFormatText("%99999999999d|", 7);
    EXPECT_LE(wide.size(), bound + 1);
    EXPECT_EQ(wide.substr(wide.size() - 2), "7|");
    std::string precise = SFormatText("%.99999999999d|", 7);
    EXPECT_LE(precise.size(), bound + 1);
    EXPECT_EQ(precise.substr(precise.size() - 2), "7|");
    EXPECT_LE(SFormatText("%2000000000d", 7).size(), bound);
    EXPECT_LE(SFormatText("%.2000000000f", 1.5).size(), bound + 2);

    // '*' takes its value from the arguments: the most negative width left-justifies without
    // overflowing, and an unsigned or floating value beyond 32 bits is held to the bound.
    std::string left = SFormatText("%*d|", INT32_MIN, 5);
    EXPECT_LE(left.size(), bound + 1);
    EXPECT_EQ(left.substr(0, 2), "5 ");
    EXPECT_LE(SFormatText("%*d", 4000000000u, 5).size(), bound);
    EXPECT_LE(SFormatText("%*d", 1e300, 5).size(), bound);
    EXPECT_EQ(SFormatText("%.*d", -1e300, 5), "5");  // a negative precision counts as none

    // A long text is not cut by a generous precision: the bound is on padding, not on the text.
    std::string text(10000, 'x');
    EXPECT_EQ(SFormatText("%.*s", 20000, text.c_str()), text);
}

TEST(SStringFormat, FloatingValuesUnderIntegerConversionsSaturate) {
    // A double beyond 64 bits has no integer value; it formats as the nearest one, and NaN as 0.
    EXPECT_EQ(SFormatText("%d|%d|%d", 1e300, -1e300, 2.9), "9223372036854775807|-9223372036854775808|2");
    EXPECT_EQ(SFormatText("%d|%x", std::nan(""), std::nan("")), "0|0");
    EXPECT_EQ(SFormatText("%c", 65.0), "A");
}

TEST(SStringFormat, OddDirectivesFormatNothingAndNeverReachTheCLibraryMalformed) {
    EXPECT_EQ(SFormatText("100%", 1), "100");
    EXPECT_EQ(SFormatText("a%-", 1), "a");
    EXPECT_EQ(SFormatText("a%.*s|%d"), "a|");  // missing arguments format as nothing
    EXPECT_EQ(SFormatText("%n|%k", 1, 2), "|");  // unknown conversions take their argument
    // A zero byte in a format held by length is a character like any other: inside a directive
    // it is an unknown conversion, never a flag or a length modifier of the directive.
    EXPECT_EQ(SFormatText(std::string_view("<%\0" "5d>", 6), 7), "<5d>");
    EXPECT_EQ(SFormatText(std::string_view("<%l\0d>", 6), 7), "<d>");
    EXPECT_EQ(SFormatText(std::string_view("a\0b", 3)), std::string("a\0b", 3));
}

TEST(SStringFormat, APrecisionOnATextNeverCutsACharacter) {
    const char* cafe = "caf\xC3\xA9";  // the last character takes two bytes
    EXPECT_EQ(SFormatText("%.4s|", cafe), "caf|");
    EXPECT_EQ(SFormatText("%.5s|", cafe), "caf\xC3\xA9|");
    EXPECT_EQ(SFormatText("[%5.4s]", cafe), "[  caf]");
    EXPECT_EQ(SFormatText("%.*s", 1, "\xF0\x9F\x98\x80x"), "");
    EXPECT_EQ(SFormatText("%.2s", "a\xFF" "b"), "a\xFF");  // a byte of no character is one of its own
}

TEST(SStringFormat, StringIdLoadsTheFormatFromTheCurrentModule) {
    SModuleState module(MakeGUID("{00000001-0000-0000-0000-000000000000}"));
    module.AddString(7001, "%s\nFile not found.");
    {
        SModuleStateGuard guard(&module);
        SString s;
        s.Format(7001u, "a.txt");
        EXPECT_EQ(s, "a.txt\nFile not found.");
        EXPECT_TRUE(s.LoadString(7001));
        EXPECT_FALSE(s.LoadString(7002, "fallback"));
        EXPECT_EQ(s, "fallback");
    }
    EXPECT_NE(&SModuleState::GetCurrent(), &module);
}

TEST(SString, SearchAndExtraction) {
    SString s("Title Font Name");
    EXPECT_EQ(s.Find(' '), 5);
    EXPECT_EQ(s.Find("Font"), 6);
    EXPECT_EQ(s.Find("Size"), -1);
    EXPECT_EQ(s.Find('e', 100), -1);
    EXPECT_EQ(s.ReverseFind(' '), 10);
    EXPECT_EQ(s.Left(5), "Title");
    EXPECT_EQ(s.Left(99), s);
    EXPECT_EQ(s.Mid(6, 4), "Font");
    EXPECT_EQ(s.Mid(11), "Name");
    EXPECT_EQ(s.Mid(-3, 2), "Ti");
    EXPECT_EQ(s.Right(4), "Name");
    EXPECT_EQ(SString("first\r\nsecond").FirstLine(), "first");
    EXPECT_EQ(SString("  x y \t").Trim(), "x y");
    EXPECT_EQ(SString("a.b.c").Replace(".", "::"), 2);
    EXPECT_EQ(SString("abc").CompareNoCase("ABC"), 0);
    EXPECT_LT(SString("abc").CompareNoCase("ABD"), 0);
    // Test output shows the text, not the address it converts to.
    EXPECT_EQ(testing::PrintToString(SString("Title")), "Title");
}

TEST(SString, ToIntReadsSignAndLeadingDigitsOnly) {
    EXPECT_EQ(SString("42").ToInt(), 42);
    EXPECT_EQ(SString("  -17abc").ToInt(), -17);
    EXPECT_EQ(SString("+8").ToInt(), 8);
    EXPECT_EQ(SString("abc").ToInt(), 0);
    EXPECT_EQ(SString("").ToInt(), 0);
    EXPECT_EQ(SString("-").ToInt(), 0);
    EXPECT_EQ(SString("99999999999").ToInt(), INT32_MAX);
}

TEST(SString, Utf8LimitsNeverCutASequence) {
    SString s("caf\xC3\xA9s");  // "cafés"
    EXPECT_EQ(s.GetCharCount(), 5);
    EXPECT_EQ(s.LeftChars(4), "caf\xC3\xA9");
    EXPECT_EQ(s.LeftChars(3), "caf");
    std::u16string wide = s.ToU16();
    EXPECT_EQ(wide.size(), 5u);
    EXPECT_EQ(wide[3], u'\u00E9');
    EXPECT_EQ(SString::FromU16(wide), s);
    EXPECT_EQ(SString::FromU16(u"\U0001F600").GetLength(), 4);
    EXPECT_EQ(SString("\xFF").ToU16(), u"\uFFFD");
}

TEST(SString, OrdersByTextInsideCompositeKeys) {
    // Pairs compare through the three-way operator; it must compare the texts, never the
    // addresses the strings convert to.
    std::map<std::pair<int, SString>, int> map;
    map[{1, SString("b")}] = 1;
    SString again("b");
    EXPECT_EQ(map.count({1, again}), 1u);
    EXPECT_LT(std::make_pair(1, SString("a")), std::make_pair(1, SString("b")));
    EXPECT_TRUE(SString("abc") < "abd");

    static const uint8_t bytes[] = {1, 2, 3};
    SModuleState module;
    module.AddResource("METADATA", 1000, bytes, sizeof bytes);
    const uint8_t* data = nullptr;
    size_t size = 0;
    ASSERT_TRUE(module.FindResource(SString("META") + "DATA", 1000, &data, &size));
    EXPECT_EQ(data, bytes);
    EXPECT_EQ(size, 3u);
    EXPECT_FALSE(module.FindResource("METADATA", 1001, nullptr, nullptr));
}

TEST(SStringFormat, EachArgumentKeepsItsOwnWidth) {
    // A 64-bit value formats with all its bits, whatever the conversion.
    EXPECT_EQ(SFormatText("%llx", static_cast<int64_t>(-1)), "ffffffffffffffff");
    EXPECT_EQ(SFormatText("%llu", static_cast<int64_t>(-2)), "18446744073709551614");
    EXPECT_EQ(SFormatText("%I64X", static_cast<int64_t>(INT32_MIN)), "FFFFFFFF80000000");
    EXPECT_EQ(SFormatText("%lld", static_cast<uint64_t>(-1)), "-1");
    EXPECT_EQ(SFormatText("%llu", static_cast<uint64_t>(1) << 63), "9223372036854775808");
    // A 32-bit value keeps its 32-bit pattern, and narrower ones are promoted to 32 bits.
    EXPECT_EQ(SFormatText("%X|%u", static_cast<int32_t>(-1), static_cast<int32_t>(-2)), "FFFFFFFF|4294967294");
    EXPECT_EQ(SFormatText("%0.8X", static_cast<int32_t>(0x80004005)), "80004005");
    EXPECT_EQ(SFormatText("%d", static_cast<uint32_t>(0xFFFFFFFF)), "-1");
    EXPECT_EQ(SFormatText("%x|%d", static_cast<int16_t>(-1), static_cast<uint16_t>(65535)), "ffffffff|65535");
}

TEST(SString, TrimWithASetRemovesWholeCharactersOnly) {
    // "é" is C3 A9 and "è" is C3 A8: they share their lead byte, which must not be trimmed alone.
    SString left("\xC3\xA8x");
    EXPECT_EQ(left.TrimLeft("\xC3\xA9"), "\xC3\xA8x");
    SString right("x\xC3\xA8");
    EXPECT_EQ(right.TrimRight("\xC3\xA9"), "x\xC3\xA8");
    EXPECT_EQ(SString("\xC3\xA9\xC3\xA9x\xC3\xA9").TrimLeft("\xC3\xA9"), "x\xC3\xA9");
    EXPECT_EQ(SString("\xC3\xA9x\xC3\xA9\xE2\x82\xAC").TrimRight("\xE2\x82\xAC\xC3\xA9"), "\xC3\xA9x");
    // ASCII sets behave as before: the settings store trims its key separators this way.
    EXPECT_EQ(SString("\\\\Software\\Key\\").TrimLeft("\\"), "Software\\Key\\");
    EXPECT_EQ(SString("\\\\Software\\Key\\").TrimRight("\\"), "\\\\Software\\Key");
    EXPECT_EQ(SString("--").TrimLeft("-"), "");
    EXPECT_EQ(SString("--").TrimRight("-"), "");
    EXPECT_EQ(SString("ab").TrimLeft(""), "ab");
    EXPECT_EQ(SString("ab").TrimRight(nullptr), "ab");
    // A byte of no character is a character of its own, on either side.
    EXPECT_EQ(SString("\xFF" "a\xFF").TrimLeft("\xFF").TrimRight("\xFF"), "a");
    EXPECT_EQ(SString("a\xC3").TrimRight("\xC3\xA9"), "a\xC3");
}

TEST(SStringLoad, ANullInstanceLoadsFromTheCurrentModule) {
    SModuleState module(MakeGUID("{00000002-0000-0000-0000-000000000000}"));
    module.AddString(5029, "Title");
    module.AddString(5030, "Table of contents");
    SModuleState other;
    other.AddString(5029, "Other title");
    {
        SModuleStateGuard guard(&module);
        EXPECT_EQ(SStringLoad(5030, "fallback", nullptr), "Table of contents");
        EXPECT_EQ(SStringLoad(5031, "Text paragraph", nullptr), "Text paragraph");
        // A named instance is read whatever module is current.
        EXPECT_EQ(SStringLoad(5029, "fallback", &other), "Other title");
        EXPECT_EQ(SStringLoad(5030, "fallback", &other), "fallback");
    }
    SModuleState empty;
    SModuleStateGuard guard(&empty);
    EXPECT_EQ(SStringLoad(5030, nullptr, nullptr), "");
}
