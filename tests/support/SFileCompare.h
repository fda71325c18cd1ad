#pragma once
// Byte-exact comparison of a written file with an expected one kept under tests/data:
//     EXPECT_FILE_MATCHES(folder.PathOf("out.rtf"), "expected/rtf/title.rtf");
// A mismatch names both files with their sizes and the first differing offset, and shows the
// bytes around it on both sides, in hex and as printable characters.
#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/base/SString.h"

class SFileCompare {
public:
    // The path of `relativePath` under the test data folder.
    static SString DataPath(const SString& relativePath);

    // Whether `actual` equals `expected` byte for byte; on a mismatch the failure describes the
    // first difference. The names label the two sides.
    static testing::AssertionResult SameBytes(std::string_view actual, std::string_view expected,
                                              const std::string& actualName = "actual",
                                              const std::string& expectedName = "expected");

    // Predicate-formatter for EXPECT_PRED_FORMAT2: the file at `actualPath` against the file at
    // `expectedRelativePath` under the test data folder. A file that cannot be read fails too.
    static testing::AssertionResult FileMatches(const char* actualExpression, const char* expectedExpression,
                                                const SString& actualPath, const SString& expectedRelativePath);

    // The largest file compared; anything a test writes is far smaller.
    static constexpr size_t kMaxBytes = size_t{64} << 20;
    // Bytes shown on each line of the context around a difference.
    static constexpr size_t kRowBytes = 16;

private:
    static std::string ReadFile(const SString& path);
    static std::string Context(std::string_view bytes, size_t start, size_t offset);
};

#define EXPECT_FILE_MATCHES(actualPath, expectedRelativePath) \
    EXPECT_PRED_FORMAT2(SFileCompare::FileMatches, actualPath, expectedRelativePath)
#define ASSERT_FILE_MATCHES(actualPath, expectedRelativePath) \
    ASSERT_PRED_FORMAT2(SFileCompare::FileMatches, actualPath, expectedRelativePath)
