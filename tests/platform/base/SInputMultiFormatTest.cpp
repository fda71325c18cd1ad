// Text files read as UTF-8 whatever their encoding: byte-order marks, valid UTF-8, else
// Windows-1252; no NUL ever comes out.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/base/SInputFile.h"
#include "platform/base/SInputMultiFormat.h"
#include "platform/base/SInputStringStream.h"
#include "support/STestTempFolder.h"
#include "support/STestTextForms.h"

TEST(SInputMultiFormat, EachStoredFormOfATextGivesTheSameUtf8) {
    for (const STestTextForm& form : STestTextForms())
        EXPECT_EQ(SInputMultiFormat::Decode(form.bytes), kTestFormText) << form.name;
}

TEST(SInputMultiFormat, BeyondTheBasicPlaneNulsAndOddBytes) {
    // A pair of UTF-16 units is one character; a NUL is no text; an odd last byte is no unit.
    EXPECT_EQ(SInputMultiFormat::Decode(std::string("\xFF\xFE"
                                                    "=\xD8\x00\xDE"
                                                    "a\0\0\0b\0"
                                                    "c",
                                                    13)),
              "\xF0\x9F\x98\x80"
              "ab");
    EXPECT_EQ(SInputMultiFormat::Decode(std::string("a\0b", 3)), "ab");
    // The code page's undefined bytes stand for the replacement character; its others for what
    // they mean there, also where a lone byte would be taken for a UTF-8 sequence's start.
    EXPECT_EQ(SInputMultiFormat::Decode("\x81\xC3"), "\xEF\xBF\xBD\xC3\x83");
    // After a UTF-8 mark, what is no UTF-8 is the replacement character.
    EXPECT_EQ(SInputMultiFormat::Decode("\xEF\xBB\xBF"
                                        "a\xFE"
                                        "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(SInputMultiFormat::Decode(""), "");
}

TEST(SInputMultiFormat, AFileIsReadLineByLineThroughIt) {
    STestTempFolder folder;
    const SString path = folder.PathOf("notes.txt");
    STestTempFolder::WriteFile(path, std::string("\xFF\xFE"
                                                 "a\0\r\0\n\0\xE9\0",
                                                 10));
    SInputStringStream lines(std::make_unique<SInputMultiFormat>(std::make_unique<SInputFile>(path)));
    SString line;
    ASSERT_TRUE(lines.ReadLn(line));
    EXPECT_EQ(line, "a");
    ASSERT_TRUE(lines.ReadLn(line));
    EXPECT_EQ(line, "\xC3\xA9");
    EXPECT_FALSE(lines.ReadLn(line));
    EXPECT_EQ(lines.GetName(), path);
}
