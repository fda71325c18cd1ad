#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/base/SECOMException.h"
#include "platform/base/SEIOException.h"
#include "support/SExceptionTextCheck.h"
#include "support/SFileCompare.h"
#include "support/STestTempFolder.h"

namespace {
// The expected file under the test data folder holds these 26 bytes.
const char* const kSample = "Hello, world!\nSecond line\n";

// EXPECT_NONFATAL_FAILURE's statement sees no locals: the file it checks is named here.
SString sWritten;

class SFileCompareTest : public testing::Test {
protected:
    void Write(const std::string& bytes) {
        sWritten = folder.PathOf("written.txt");
        STestTempFolder::WriteFile(sWritten, bytes);
    }
    void TearDown() override { sWritten.Empty(); }

    STestTempFolder folder;
};
}  // namespace

TEST_F(SFileCompareTest, AnEqualFilePasses) {
    Write(kSample);
    EXPECT_FILE_MATCHES(sWritten, "support/sample.txt");
}

TEST_F(SFileCompareTest, AMismatchNamesTheFirstDifferingOffsetAndTheSizes) {
    Write("Hello, World!\nSecond line\n");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"), "first difference at offset 7 (0x7)");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"), "(26 bytes) differs from");
    // Both sides around the difference, in hex and printable: 'W' is 57, 'w' is 77.
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"),
                            "0x00000000  48 65 6c 6c 6f 2c 20 57 6f 72 6c 64 21 0a 53 65  Hello, World!.Se");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"),
                            "0x00000000  48 65 6c 6c 6f 2c 20 77 6f 72 6c 64 21 0a 53 65  Hello, world!.Se");
}

TEST_F(SFileCompareTest, AShorterFileDiffersWhereItEnds) {
    Write("Hello, world!\nSecond");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"),
                            "first difference at offset 20 (0x14)");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"), "(ends here)");
}

TEST_F(SFileCompareTest, AFileThatCannotBeReadFails) {
    sWritten = folder.PathOf("never-written.txt");
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/sample.txt"), "cannot compare");
    Write(kSample);
    EXPECT_NONFATAL_FAILURE(EXPECT_FILE_MATCHES(sWritten, "support/no-such-file"), "cannot compare");
}

TEST(SFileCompare, ContextShowsTheRowBeforeAndMarksTheByte) {
    const std::string expected(40, 'a');
    std::string actual = expected;
    actual[33] = '\x01';
    const std::string message = SFileCompare::SameBytes(actual, expected).message();
    EXPECT_NE(message.find("first difference at offset 33 (0x21)"), std::string::npos) << message;
    // The row before the difference's own row leads the context; the row at 0 does not show.
    EXPECT_EQ(message.find("0x00000000"), std::string::npos) << message;
    EXPECT_NE(message.find("0x00000010  61 61"), std::string::npos) << message;
    EXPECT_NE(message.find("0x00000020  61 01 61"), std::string::npos) << message;
    EXPECT_NE(message.find("a.aaaaaa"), std::string::npos) << message;
    // The carets stand under the differing byte's hex digits.
    const size_t row = message.find("0x00000020  61 01");
    const size_t caret = message.find("^^", row);
    const size_t lineStart = message.rfind('\n', caret) + 1;
    EXPECT_EQ(caret - lineStart, message.find("01", row) - message.rfind('\n', row) - 1) << message;
    EXPECT_TRUE(SFileCompare::SameBytes(expected, expected));
}

TEST(SExceptionTextCheck, PassesOnTheTypeAndTheFullText) {
    EXPECT_THROW_MSG(throw SException("abc"), SException, "SException: abc");
    // Caught as a base, the text is still the thrown class's own.
    EXPECT_THROW_MSG(throw SECOMException(E_FAIL, "no luck"), SException, "SECOMException: no luck");
    ASSERT_THROW_MSG(throw SEIOException("cannot open x"), SEIOException, "SEIOException: cannot open x");
}

TEST(SExceptionTextCheck, SaysWhatWasThrownInstead) {
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW_MSG(throw SException("abc"), SException, "SException: abd"),
                            "\"SException: abc\"");
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW_MSG((void)0, SException, "SException: abc"), "it throws nothing");
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW_MSG(throw SException("x"), SEIOException, "SEIOException: x"),
                            "it throws \"SException: x\"");
    EXPECT_NONFATAL_FAILURE(EXPECT_THROW_MSG(throw 7, SException, "SException"), "another type");
    EXPECT_FATAL_FAILURE(ASSERT_THROW_MSG((void)0, SException, "SException"), "it throws nothing");
}
