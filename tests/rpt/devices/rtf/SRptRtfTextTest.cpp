// How texts reach the RTF document: the escaping of each mode, the field words of header texts,
// face names, and the encoding of what is not ASCII.
#include <gtest/gtest.h>

#include "rpt/devices/rtf/SRptRtfTestFixture.h"

TEST(SRptRtfEscaper, ItemTextsEscapeBracesBackslashesTabsAndLineBreaks) {
    EXPECT_EQ(SRptRtfEscaper::Escape("a{b}c\\d", RTFTEXT_ITEM), "a\\{b\\}c\\\\d");
    EXPECT_EQ(SRptRtfEscaper::Escape("{}", RTFTEXT_ITEM), "\\{\\}");
    EXPECT_EQ(SRptRtfEscaper::Escape("one\r\ntwo\tthree", RTFTEXT_ITEM), "one\\par two\\tab three");
}

TEST(SRptRtfEscaper, HeaderTextsKeepBackslashesAndModeZeroChangesNothingAscii) {
    EXPECT_EQ(SRptRtfEscaper::Escape("a{b}c\\d", RTFTEXT_HEADER), "a\\{b\\}c\\d");
    EXPECT_EQ(SRptRtfEscaper::Escape("x\ny", RTFTEXT_HEADER), "x\\par y");
    // Without the line-break bit a line feed is dropped.
    EXPECT_EQ(SRptRtfEscaper::Escape("x\r\ny\\", RTFTEXT_ENTRY), "xy\\\\");
    EXPECT_EQ(SRptRtfEscaper::Escape("{\\b x}\r\n\t", RTFTEXT_RAW), "{\\b x}\r\n\t");
}

TEST(SRptRtfEscaper, WhatIsNotAsciiIsEncodedInEveryMode) {
    // Windows-1252 has é, the euro sign and the left double quote; not the Greek alpha.
    for (uint32_t mode : {RTFTEXT_RAW, RTFTEXT_ITEM, RTFTEXT_HEADER}) {
        EXPECT_EQ(SRptRtfEscaper::Escape("caf\xC3\xA9", mode), "caf\\'e9");
        EXPECT_EQ(SRptRtfEscaper::Escape("\xE2\x82\xAC"
                                         "5",
                                         mode),
                  "\\'805");
        EXPECT_EQ(SRptRtfEscaper::Escape("\xE2\x80\x9Cq", mode), "\\'93q");
        EXPECT_EQ(SRptRtfEscaper::Escape("\xCE\xB1", mode), "\\u945\\'3f");
    }
    // Beyond 32767 the number is negative; beyond U+FFFF a surrogate pair.
    EXPECT_EQ(SRptRtfEscaper::Escape("\xE4\xB8\xAD", RTFTEXT_ITEM), "\\u20013\\'3f");
    EXPECT_EQ(SRptRtfEscaper::Escape("\xEF\xBC\x81", RTFTEXT_ITEM), "\\u-255\\'3f");
    EXPECT_EQ(SRptRtfEscaper::Escape("\xF0\x9F\x98\x80", RTFTEXT_ITEM), "\\u-10179\\'3f\\u-8704\\'3f");
    // A byte that begins no character is the replacement character, never a raw byte.
    EXPECT_EQ(SRptRtfEscaper::Escape("a\xFF"
                                     "b",
                                     RTFTEXT_ITEM),
              "a\\u-3\\'3fb");
}

TEST(SRptRtfEscaper, ANulIsLeftOutInEveryMode) {
    const std::string_view text("a\0{", 3);
    EXPECT_EQ(SRptRtfEscaper::Escape(text, RTFTEXT_RAW), "a{");
    EXPECT_EQ(SRptRtfEscaper::Escape(text, RTFTEXT_ITEM), "a\\{");
    EXPECT_EQ(SRptRtfEscaper::Escape(text, RTFTEXT_FIELD), "a\\{");
    EXPECT_TRUE(SRptRtfEscaper::NeedsEscape(text, RTFTEXT_RAW));
}

TEST(SRptRtfEscaper, NumbersAreWrittenAsPrintfWouldWithAMinimumOfDigits) {
    const auto number = [](int32_t value, int minDigits) {
        std::string out = "\\sl";
        SRptRtfEscaper::AppendNumber(value, out, minDigits);
        return out;
    };
    EXPECT_EQ(number(57, 3), "\\sl057");
    EXPECT_EQ(number(-5, 3), "\\sl-005");
    EXPECT_EQ(number(12345, 3), "\\sl12345");
    EXPECT_EQ(number(0, 1), "\\sl0");
    EXPECT_EQ(number(-2147483647 - 1, 1), "\\sl-2147483648");
}

TEST(SRptRtfEscaper, FieldTextsKeepTheFieldWordsLiveAndDoubleOtherBackslashes) {
    EXPECT_EQ(SRptRtfEscaper::EscapeFieldText("Page \\chpgn  of C:\\temp"), "Page \\chpgn  of C:\\\\temp");
    EXPECT_EQ(SRptRtfEscaper::EscapeFieldText("\\chdate \\chtime {x}\t"), "\\chdate \\chtime \\{x\\}\\tab ");
    // A field word needs its blank to be one.
    EXPECT_EQ(SRptRtfEscaper::EscapeFieldText("\\chpgnx"), "\\\\chpgnx");
    EXPECT_EQ(SRptRtfEscaper::EscapeFieldText("a\nb"), "a\\par b");
}

TEST(SRptRtfEscaper, FaceNamesCannotEndTheirEntryOrOpenAGroup) {
    EXPECT_EQ(SRptRtfEscaper::EscapeFaceName("Arial"), "Arial");
    EXPECT_EQ(SRptRtfEscaper::EscapeFaceName("A;B{C}\\D"), "A\\'3bB\\{C\\}\\\\D");
    EXPECT_EQ(SRptRtfEscaper::EscapeFaceName("Sch\xC3\xB6n"), "Sch\\'f6n");
}

class SRptRtfText : public SRptRtfTest {};

TEST_F(SRptRtfText, WriteTextPutsEachModeIntoTheDocument) {
    MemoryDevice();
    EXPECT_EQ(device->WriteText("", RTFTEXT_ITEM), S_OK);
    EXPECT_EQ(Written(), "");
    device->WriteText("{\\par}", RTFTEXT_RAW);
    device->WriteText("{a\\b}\n", RTFTEXT_ITEM);
    device->WriteText("{a\\b}\n", RTFTEXT_HEADER);
    device->WriteText("\\chpgn C:\\x", RTFTEXT_FIELD);
    EXPECT_EQ(Written(), "{\\par}\\{a\\\\b\\}\\par \\{a\\b\\}\\par \\chpgn C:\\\\x");
}

TEST_F(SRptRtfText, FieldWordsOfTheHeaderAndFooterFields) {
    MemoryDevice();
    SComWrap<ISRptDevice> face;
    face = static_cast<ISRptDevice*>(device);
    SString text = "unchanged";
    EXPECT_EQ(face->GetFieldText(1, &text), S_OK);
    EXPECT_EQ(text, "\\chdate ");
    EXPECT_EQ(face->GetFieldText(2, &text), S_OK);
    EXPECT_EQ(text, "\\chtime ");
    EXPECT_EQ(face->GetFieldText(3, &text), S_OK);
    EXPECT_EQ(text, "\\chpgn ");
    text = "unchanged";
    EXPECT_EQ(face->GetFieldText(4, &text), S_FALSE);
    EXPECT_EQ(face->GetFieldText(0, &text), S_FALSE);
    EXPECT_EQ(text, "unchanged");
    EXPECT_EQ(Written(), "");
}
