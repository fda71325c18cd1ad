#include <gtest/gtest.h>

#include <cstring>

#include "platform/base/SMbcs.h"
#include "platform/base/SString.h"

TEST(SMbcsTest, ComparisonIsByteOrderAndCaseSensitive) {
    EXPECT_EQ(_mbscmp("B", "a"), -1);          // upper-case letters sort before lower-case ones
    EXPECT_EQ(_mbscmp("z", "\xC3\xA9"), -1);   // "é" sorts after every ASCII letter
    EXPECT_EQ(_mbscmp("\xC3\xA9", "\xE2\x82\xAC"), -1);  // and before "€": code point order
    EXPECT_EQ(_mbscmp("abc", "abc"), 0);
    EXPECT_EQ(_mbscmp("abc", "ab"), 1);
    EXPECT_EQ(_mbscmp(nullptr, ""), 0);
    // Strings convert, so module ids compare as the callers hold them.
    EXPECT_EQ(_mbscmp(SString("Module"), SString("module")), -1);
    const unsigned char a[] = "a", b[] = "b";
    EXPECT_EQ(_mbscmp(a, b), -1);
}

TEST(SMbcsTest, CountsAndLimitsAreInCharacters) {
    EXPECT_EQ(_mbslen("a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"), 4u);
    EXPECT_EQ(_mbsncmp("\xC3\xA9" "a", "\xC3\xA9" "b", 1), 0);
    EXPECT_EQ(_mbsncmp("\xC3\xA9" "a", "\xC3\xA9" "b", 2), -1);
    EXPECT_EQ(_mbsncmp("ab", "abc", 3), -1);
    const char* text = "\xC3\xA9" "b\xE2\x82\xAC";
    EXPECT_EQ(_mbsinc(text), text + 2);
    EXPECT_EQ(_mbsninc(text, 2), text + 3);
    EXPECT_EQ(_mbsninc(text, 10), text + std::strlen(text));  // never past the terminator
}

TEST(SMbcsTest, SearchesMatchWholeCharactersOnly) {
    const char* text = "caf\xC3\xA9 \xC3\xA9t\xC3\xA9\nnext";
    EXPECT_EQ(_mbschr(text, 0xE9), text + 3);
    EXPECT_EQ(_mbsrchr(text, 0xE9), text + 9);
    EXPECT_EQ(_mbschr(text, '\n'), text + 11);
    EXPECT_EQ(_mbschr(text, 0), text + std::strlen(text));
    // 0xA9 is the second byte of "é" but also the code point of "©", which is not there.
    EXPECT_EQ(_mbschr(text, 0xA9), nullptr);
    EXPECT_EQ(_mbsstr(text, "\xC3\xA9t"), text + 6);
    EXPECT_EQ(_mbsstr(text, "\xA9"), nullptr);  // a sequence's tail is not a character
    EXPECT_EQ(_mbsstr(text, ""), text);
    EXPECT_EQ(_mbsstr(text, "none"), nullptr);
}

TEST(SMbcsTest, BoundedCopyNeverCutsASequenceAndAlwaysTerminates) {
    const char* source = "a\xC3\xA9\xE2\x82\xAC";  // a, é (2 bytes), € (3 bytes)
    char dest[8];
    std::memset(dest, 'X', sizeof dest);
    EXPECT_EQ(_mbsnbcpy_s(dest, 5, source, 100), 80);  // room for 4 bytes: "a" and "é" only
    EXPECT_STREQ(dest, "a\xC3\xA9");
    EXPECT_EQ(_mbsnbcpy_s(dest, sizeof dest, source, 100), 0);
    EXPECT_STREQ(dest, source);
    EXPECT_EQ(_mbsnbcpy_s(dest, sizeof dest, source, 2), 0);  // the byte limit falls inside "é"
    EXPECT_STREQ(dest, "a");
    EXPECT_EQ(_mbsnbcpy_s(dest, 1, source, 100), 80);
    EXPECT_STREQ(dest, "");
    EXPECT_EQ(_mbsnbcpy_s(static_cast<char*>(nullptr), 4, source, 4), 22);
    EXPECT_EQ(_mbsnbcpy_s(dest, sizeof dest, nullptr, 4), 0);
    EXPECT_STREQ(dest, "");
}

TEST(SMbcsTest, CaseInsensitiveComparisonFoldsAsciiOnly) {
    EXPECT_EQ(_tcsicmp("Report", "rEPORT"), 0);
    EXPECT_EQ(_tcscmpi("ALL", "all"), 0);
    EXPECT_NE(_tcsicmp("\xC3\x89", "\xC3\xA9"), 0);  // "É" and "é" stay different
    EXPECT_EQ(_tcsicmp("_", "A"), -1);               // letters fold to lower case: '_' < 'a'
    // Version texts compare over their first five characters.
    EXPECT_EQ(_tcsncmpi("8.0.1.438", "8.0.1", 5), 0);
    EXPECT_EQ(_tcsncmpi("7.0.3", "7.5.0", 5), -1);
    EXPECT_EQ(_tcsnicmp("V9", "v8", 2), 1);
}
