// The RTF tokeniser: tags of every kind, texts that end inside a tag, the parts a merged document
// gives up, the renumbering of its fonts and colours and the removal of whole control words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/SRtfDocument.h"

namespace {

using Tag = SRtfDocument::Tag;

// The texts of the tags of `text`, as GetNextTag steps through them.
std::vector<std::string> Tags(std::string_view text) {
    std::vector<std::string> tags;
    Tag tag;
    for (size_t pos = 0; SRtfDocument::GetNextTag(text, pos, tag); pos = tag.End())
        tags.emplace_back(text.substr(tag.offset, tag.length));
    return tags;
}

}  // namespace

TEST(SRtfDocument, TagsAreGroupsWordsSymbolsAndTextsAndTheDocumentIsEntered) {
    EXPECT_EQ(Tags("{\\rtf1\\ansi {\\fonttbl{\\f0 Arial;}}\r\nHello \\'e9\\{x\\}}"),
              (std::vector<std::string>{"{", "\\rtf1", "\\ansi ", "{\\fonttbl{\\f0 Arial;}}", "\r\nHello ", "\\'e9",
                                        "\\{", "x", "\\}", "}"}));
    Tag tag;
    ASSERT_TRUE(SRtfDocument::GetNextTag("\\fs-24 x", 0, tag));
    EXPECT_EQ(tag.kind, Tag::kControlWord);
    EXPECT_EQ(tag.word, "fs");
    EXPECT_TRUE(tag.hasParam);
    EXPECT_EQ(tag.param, -24);
    EXPECT_EQ(tag.length, 7u);  // the blank delimiter belongs to the word
    EXPECT_FALSE(SRtfDocument::GetNextTag("ab", 2, tag));
}

TEST(SRtfDocument, TagsCutOffByTheEndAreIncompleteAndNeverReachPastIt) {
    Tag tag;
    ASSERT_TRUE(SRtfDocument::GetNextTag("{\\fonttbl{\\f0 Ar", 0, tag));
    EXPECT_EQ(tag.kind, Tag::kGroup);
    EXPECT_FALSE(tag.complete);
    EXPECT_EQ(tag.length, 16u);
    ASSERT_TRUE(SRtfDocument::GetNextTag("\\'e", 0, tag));
    EXPECT_FALSE(tag.complete);
    EXPECT_EQ(tag.length, 3u);
    ASSERT_TRUE(SRtfDocument::GetNextTag("\\", 0, tag));
    EXPECT_FALSE(tag.complete);
    // Binary data is skipped whole, braces in it included; too short, it is cut at the end.
    ASSERT_TRUE(SRtfDocument::GetNextTag("{\\bin3 }}}x}y", 0, tag));
    EXPECT_TRUE(tag.complete);
    EXPECT_EQ(tag.length, 12u);
    ASSERT_TRUE(SRtfDocument::GetNextTag("\\bin99 ab", 0, tag));
    EXPECT_FALSE(tag.complete);
    EXPECT_EQ(tag.length, 9u);
    // Braces and backslashes escaped inside a group do not count.
    ASSERT_TRUE(SRtfDocument::GetNextTag("{a\\}b\\\\}c", 0, tag));
    EXPECT_EQ(tag.length, 8u);
}

TEST(SRtfDocument, AMergedDocumentGivesUpItsHeaderAndItsTables) {
    SString text =
        "{\\rtf1\\ansi\\ansicpg1252\\deff0 {\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
        "{\\stylesheet{\\s1\\f0 Heading;}}{\\*\\generator Writer;}{\\info{\\title T}}\r\n"
        "\\pard\\f0\\cf1 Red {\\b bold}\\par\r\n}\r\n";
    SRtfDocument document(text);
    SString header;
    SString fonts;
    SString colors;
    SString styles;
    ASSERT_TRUE(document.ExtractHeader(&header, true));
    EXPECT_EQ(header, "{\\rtf1\\ansi\\ansicpg1252\\deff0 ");
    ASSERT_TRUE(document.ExtractFontTable(&fonts, true));
    EXPECT_EQ(fonts, "{\\fonttbl{\\f0\\fswiss Arial;}}");
    ASSERT_TRUE(document.ExtractColorTable(&colors, true));
    EXPECT_EQ(colors, "{\\colortbl;\\red255\\green0\\blue0;}");
    ASSERT_TRUE(document.ExtractStyleTable(&styles, true));
    EXPECT_EQ(styles, "{\\stylesheet{\\s1\\f0 Heading;}}");
    EXPECT_EQ(text, "\r\n\\pard\\f0\\cf1 Red {\\b bold}\\par\r\n");
    // Found once, gone afterwards; a text that is no document has no header.
    EXPECT_FALSE(document.ExtractFontTable(nullptr, true));
    EXPECT_FALSE(document.ExtractHeader(nullptr, true));
}

TEST(SRtfDocument, FontsAndColoursAreRenumberedOnceEachAndOthersStay) {
    SString text = "\\f0 a\\f1\\cf2 b{\\af0\\highlight1 c}\\fs20\\f7 \\bin4 \\f0 \\f1";
    SRtfDocument(text).ChangeFontAndColor({{0, 1}, {1, 0}}, {{1, 3}, {2, 4}});
    // \bin's data is no RTF: the "\f0" inside it stays.
    EXPECT_EQ(text, "\\f1 a\\f0\\cf4 b{\\af1\\highlight3 c}\\fs20\\f7 \\bin4 \\f0 \\f0");
}

TEST(SRtfDocument, AControlWordIsRemovedWholeWithoutJoiningItsNeighbours) {
    SString text = "\\pard\\pardeftab720 One\\par\\pard Two\\pard\\plain x\\pard  y";
    EXPECT_EQ(SRtfDocument(text).RemoveControlWord("pard"), 4);
    EXPECT_EQ(text, "\\pardeftab720 One\\par Two\\plain x y");
    SString glued = "a\\pard b\\b\\pard\\pard c";
    SRtfDocument(glued).RemoveControlWord("pard");
    // After text the blank was the word's delimiter only; after a word it keeps them apart.
    EXPECT_EQ(glued, "ab\\b c");
    // A word that names an optional destination goes with its group, whatever the group holds.
    SString named = "a{\\*\\pgdscno0}\\b{\\*\\x y}{\\*\\pgdsctbl\r\n{\\pgdsc0 Default;}}c\\i{\\*\\pgdscno1}1";
    EXPECT_EQ(SRtfDocument(named).RemoveControlWords([](const Tag& tag) { return tag.word.substr(0, 5) == "pgdsc"; }),
              4);
    EXPECT_EQ(named, "a\\b{\\*\\x y}c\\i 1");
}

TEST(SRtfDocument, FormattingWordsBeforeTheFirstTextStayWithTheBody) {
    SString text = "{\\rtf1\\ansi\\b Bold\\b0  plain}";
    SString header;
    ASSERT_TRUE(SRtfDocument(text).ExtractHeader(&header, true));
    EXPECT_EQ(header, "{\\rtf1\\ansi");
    EXPECT_EQ(text, "\\b Bold\\b0  plain");

    // Header words after a formatting word or a table go too, without joining their neighbours;
    // after the first text they are the body's.
    SString mixed = "{\\rtf1\\ansi\\uc1\\deff0 {\\fonttbl{\\f0 Arial;}}\\deflang1033 \\b\\deftab720 Hi\\adeff0}";
    ASSERT_TRUE(SRtfDocument(mixed).ExtractHeader(&header, true));
    EXPECT_EQ(header, "{\\rtf1\\ansi");
    EXPECT_EQ(mixed, "\\uc1 {\\fonttbl{\\f0 Arial;}}\\b Hi\\adeff0");
}

TEST(SRtfDocument, ABalancedTextLosesStrayBracesAndCutTagsAndClosesWhatItLeftOpen) {
    const auto balanced = [](const char* source, bool changed = true) {
        SString text = source;
        EXPECT_EQ(SRtfDocument(text).Balance(), changed) << source;
        return text.str();
    };
    EXPECT_EQ(balanced("{\\rtf1 x{\\*\\x lost"), "{\\rtf1 x{\\*\\x lost}}");
    EXPECT_EQ(balanced("a}b{c}}d"), "ab{c}d");
    // Escaped braces and braces in binary data are no groups.
    EXPECT_EQ(balanced("{a\\}\\{b}", false), "{a\\}\\{b}");
    EXPECT_EQ(balanced("{\\bin2 }}}", false), "{\\bin2 }}}");
    // A tag cut off by the end would take the closing brace into it.
    EXPECT_EQ(balanced("{a\\"), "{a}");
    EXPECT_EQ(balanced("{a\\'e"), "{a}");
    EXPECT_EQ(balanced("{\\bin9 ab"), "{}");
    // A stray brace that ended a control word leaves a blank in its place: the text after it
    // never becomes the word's number (a "\\bin" would then swallow what follows as data).
    EXPECT_EQ(balanced("{\\b x}\\b}1 {y}"), "{\\b x}\\b 1 {y}");
    EXPECT_EQ(balanced("{}\\bin}}4 {}{x}"), "{}\\bin 4 {}{x}");
    EXPECT_EQ(balanced("{}\\b0 }z"), "{}\\b0 z");
}

TEST(SRtfDocument, BinaryDataBecomesAPicturesDigitsOrGoesWithoutJoiningItsNeighbours) {
    const auto converted = [](const std::string& source, bool changed = true) {
        SString text = source;
        EXPECT_EQ(SRtfDocument(text).ConvertBinary(), changed) << source;
        return text.str();
    };
    // A picture's bytes, a NUL and braces among them, as digits on a line of their own, so that
    // the word before them ends there.
    EXPECT_EQ(converted(std::string("{\\pict\\picw2\\bin3 \0{}}", 22)), "{\\pict\\picw2\r\n007b7d}");
    // Elsewhere the data goes, with the optional destination that holds it; a word before it
    // does not take in what follows.
    EXPECT_EQ(converted("a{\\*\\x\\bin2 }}}b"), "ab");
    EXPECT_EQ(converted("\\b{\\*\\x\\bin2 }}}1"), "\\b 1");
    EXPECT_EQ(converted("{\\b\\bin2 ab1 c}"), "{\\b 1 c}");
    // Data cut off by the end goes to the end, and so does a group to go that the text leaves open.
    EXPECT_EQ(converted("a{\\bin9 bc"), "a{");
    EXPECT_EQ(converted("a{{\\*\\x\\bin1 }b"), "a{");
    EXPECT_EQ(converted("\\bin \\bin0 x", false), "\\bin \\bin0 x");
}

TEST(SRtfDocument, AControlWordLongerThanRtfAllowsIsOneWordThatBalancingCuts) {
    const std::string letters33 = "abcdefghijklmnopqrstuvwxyzabcdefg";
    const std::string word = "\\" + letters33 + "-7 x";
    Tag tag;
    ASSERT_TRUE(SRtfDocument::GetNextTag(word, 0, tag));
    EXPECT_EQ(tag.word, letters33);
    EXPECT_EQ(tag.param, -7);
    EXPECT_EQ(tag.length, 37u);
    // Cut to the 32 letters RTF allows, its number and delimiter kept; 32 letters stay as they are.
    SString text = "{\\*\\" + letters33 + "5 x}";
    EXPECT_TRUE(SRtfDocument(text).Balance());
    EXPECT_EQ(text, "{\\*\\" + letters33.substr(0, 32) + "5 x}");
    EXPECT_FALSE(SRtfDocument(text).Balance());
}

namespace {

// The text read once; a second reading changes nothing.
std::string Unicode(const std::string& rtf, bool changed = true) {
    SString text = rtf;
    EXPECT_EQ(SRtfDocument(text).ToUnicode(), changed) << rtf;
    SString again = text;
    EXPECT_FALSE(SRtfDocument(again).ToUnicode()) << rtf;
    return text.str();
}

}  // namespace

TEST(SRtfDocument, CharactersAreReadInTheCodePageOfTheirPlace) {
    // The document's code page: "Привет". The words that named a page go with the bytes they
    // named, so that the text, UTF-8 now, is not read in that page again.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8\\'e2\\'e5\\'f2}"),
              "{\\rtf1\\ansi \xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82}");
    // A font's character set, within the font's group; \plain goes back to the default font.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset204 Arial Cyr;}}"
                      "\\f0 \\'e9\\f1 \\'e9{\\f0 \\'e9}\\'e9\\plain \\'e9}"),
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1 Arial Cyr;}}"
              "\\f0 \xC3\xA9\\f1 \xD0\xB9{\\f0 \xC3\xA9}\xD0\xB9\\plain \xC3\xA9}");
    // The default font's set holds before any \f; ANSI is Western whatever the document's page,
    // the default set is the document's page; \cpg wins.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg1251\\deff1{\\fonttbl{\\f1\\fcharset161 G;}{\\f2\\fcharset0 A;}"
                      "{\\f3\\fcharset0\\cpg1250 C;}{\\f4\\fcharset1 D;}}\\'e1\\f2 caf\\'e9\\f3\\'8c\\f4\\'e1}"),
              "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f1 G;}{\\f2 A;}"
              "{\\f3 C;}{\\f4\\fcharset1 D;}}\xCE\xB1\\f2 caf\xC3\xA9\\f3\xC5\x9A\\f4\xD0\xB1}");
    // A double-byte page: lead and trail as escapes or as a raw trail; a lead cut off by a word.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg932 \\'93\\'fa\\'96{}\\'82a\\'82\\par}"),
              "{\\rtf1\\ansi \xE6\x97\xA5\xEF\xBF\xBD{}\xEF\xBC\xA2\xEF\xBF\xBD\\par}");
    // A code page the platform cannot read is read as 1252.
    EXPECT_EQ(Unicode("{\\rtf1\\ansicpg99999 \\'e9}"), "{\\rtf1 \xC3\xA9}");
    // A page whose bytes above 0x7F are ASCII (EBCDIC: a brace, a letter, a backslash) gives
    // text, never RTF.
    EXPECT_EQ(Unicode("{\\rtf1\\ansicpg500\\b\\'c0\\'c1\\'e0}"), "{\\rtf1\\b\\'7b\\'41\\'5c}");
    // Escapes of ASCII stay.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi \\'41\\'7b}", false), "{\\rtf1\\ansi \\'41\\'7b}");
}

TEST(SRtfDocument, RawBytesAreTheDeclaredCodePagesElseUtf8WhereTheTextIsAndSymbolFontsKeepTheirs) {
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg1251 \xCF\xF0}"), "{\\rtf1\\ansi \xD0\x9F\xD1\x80}");
    // Bytes of a declared page that happen to be well-formed UTF-8 are the page's: "为时" in
    // 936, "카타" in 949, "づｩ" after a lead byte's escape in 932, "cafÃ©" in a Western font.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg936 \xCE\xAA\xCA\xB1}"), "{\\rtf1\\ansi \xE4\xB8\xBA\xE6\x97\xB6}");
    EXPECT_EQ(Unicode("{\\rtf1\\ansi\\ansicpg949 \xC4\xAB\xC5\xB8}"), "{\\rtf1\\ansi \xEC\xB9\xB4\xED\x83\x80}");
    EXPECT_EQ(Unicode("{\\rtf1\\ansicpg932 \\'82\xC3\xA9 next}"), "{\\rtf1 \xE3\x81\xA5\xEF\xBD\xA9 next}");
    EXPECT_EQ(Unicode("{\\rtf1\\ansi{\\fonttbl{\\f0\\fcharset0 Arial;}}\\f0 caf\xC3\xA9}"),
              "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 caf\xC3\x83\xC2\xA9}");
    // Where no page is declared, well-formed UTF-8 throughout is characters already; other bytes
    // are 1252's. Escapes are the page's.
    EXPECT_EQ(Unicode("{\\rtf1\\ansi \xD0\x9F \\'e9}"), "{\\rtf1\\ansi \xD0\x9F \xC3\xA9}");
    EXPECT_EQ(Unicode("{\\rtf1\\ansi \xE9\\'e9}"), "{\\rtf1\\ansi \xC3\xA9\xC3\xA9}");
    // A symbol font's bytes are glyphs: they stay bytes, as escapes, and its set stays.
    EXPECT_EQ(Unicode("{\\fonttbl{\\f3\\fcharset2 Symbol;}}\\f3\\'b7\xB7{\\f0\\'b7}"),
              "{\\fonttbl{\\f3\\fcharset2 Symbol;}}\\f3\\'b7\\'b7{\\f0\xC2\xB7}");
    // So are those of a document whose page is the symbol page, which stays named.
    EXPECT_EQ(Unicode("{\\rtf1\\ansicpg42 caf\\'e9}", false), "{\\rtf1\\ansicpg42 caf\\'e9}");
}

TEST(SRtfDocument, UnicodeWordsBecomeTheirCharactersAndTheirFallbacksAndCountsGo) {
    // "\uc2" counts two fallback characters, "\uc0" none, one by default; the counts go too.
    EXPECT_EQ(Unicode("\\uc2 \\u937\\'3f\\'3fmega \\u916??elta"), "\xCE\xA9mega \xCE\x94" "elta");
    EXPECT_EQ(Unicode("\\uc0\\u937 mega"), "\xCE\xA9mega");
    EXPECT_EQ(Unicode("\\u937?mega"), "\xCE\xA9mega");
    // A brace ends the fallback; a pair beyond U+FFFF is one character, a half alone none.
    EXPECT_EQ(Unicode("\\uc3\\u937?{x}"), "\xCE\xA9{x}");
    EXPECT_EQ(Unicode("\\u-10179?\\u-8704?|\\u-10179?x"), "\xF0\x9F\x98\x80|x");
    // A count of fallback characters between the halves leaves the pair whole: "😀".
    EXPECT_EQ(Unicode("A \\uc0 \\u55357\\uc1 \\u56832\\'3f B"), "A \xF0\x9F\x98\x80 B");
    EXPECT_EQ(Unicode("\\uc1\\u55357?\\u56832?"), "\xF0\x9F\x98\x80");
    // An ASCII character stays text; nothing dropped joins a word to what follows.
    EXPECT_EQ(Unicode("\\b\\u123?\\u65?"), "\\b\\'7b\\'41");
    EXPECT_EQ(Unicode("\\b\\uc1 text"), "\\b text");
    EXPECT_EQ(Unicode("\\b plain \\'41\\'7d", false), "\\b plain \\'41\\'7d");
}
