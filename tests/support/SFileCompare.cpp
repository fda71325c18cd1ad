#include "support/SFileCompare.h"

#include <algorithm>
#include <cstdio>

#include "platform/base/SException.h"
#include "platform/base/SInputFile.h"

SString SFileCompare::DataPath(const SString& relativePath) {
    return SString(VAROD9_TEST_DATA) + "/" + relativePath;
}

testing::AssertionResult SFileCompare::SameBytes(std::string_view actual, std::string_view expected,
                                                 const std::string& actualName, const std::string& expectedName) {
    if (actual == expected) return testing::AssertionSuccess();
    const size_t common = std::min(actual.size(), expected.size());
    size_t offset = 0;
    while (offset < common && actual[offset] == expected[offset]) ++offset;
    // Context from the row before the difference's own row, so that what leads up to it shows.
    const size_t row = offset / kRowBytes * kRowBytes;
    const size_t start = row >= kRowBytes ? row - kRowBytes : 0;
    char where[64];
    std::snprintf(where, sizeof where, "%zu (0x%zx)", offset, offset);
    return testing::AssertionFailure() << actualName << " (" << actual.size() << " bytes) differs from " << expectedName
                                       << " (" << expected.size() << " bytes)\n"
                                       << "first difference at offset " << where << "\n"
                                       << actualName << ":\n"
                                       << Context(actual, start, offset) << expectedName << ":\n"
                                       << Context(expected, start, offset);
}

testing::AssertionResult SFileCompare::FileMatches(const char* actualExpression, const char* expectedExpression,
                                                   const SString& actualPath, const SString& expectedRelativePath) {
    const SString expectedPath = DataPath(expectedRelativePath);
    std::string actual, expected;
    try {
        actual = ReadFile(actualPath);
        expected = ReadFile(expectedPath);
    } catch (const SException& e) {
        return testing::AssertionFailure() << "cannot compare " << actualExpression << " with " << expectedExpression
                                           << ": " << e.GetFullText().c_str();
    }
    return SameBytes(actual, expected, std::string(actualExpression) + " \"" + actualPath.c_str() + "\"",
                     std::string(expectedExpression) + " \"" + expectedPath.c_str() + "\"");
}

std::string SFileCompare::ReadFile(const SString& path) {
    SInputFile file(path);
    return file.ReadAll(kMaxBytes);
}

// Up to three rows of `bytes` from `start`: the offset of each row, the bytes in hex and as
// printable characters ('.' for the others), and a line of carets under the byte at `offset`.
// A side that ends before `offset` shows where it ends.
std::string SFileCompare::Context(std::string_view bytes, size_t start, size_t offset) {
    std::string out;
    char cell[32];
    for (size_t row = start; row < start + 3 * kRowBytes && row <= bytes.size(); row += kRowBytes) {
        std::snprintf(cell, sizeof cell, "  0x%08zx ", row);
        const size_t prefix = std::string_view(cell).size();
        out += cell;
        std::string printable;
        for (size_t i = row; i < row + kRowBytes; ++i) {
            if (i < bytes.size()) {
                const unsigned char byte = static_cast<unsigned char>(bytes[i]);
                std::snprintf(cell, sizeof cell, " %02x", byte);
                out += cell;
                printable += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '.';
            } else {
                out += "   ";
            }
        }
        out += "  " + printable + "\n";
        if (offset >= row && offset < row + kRowBytes) {
            const size_t column = offset - row;
            std::string marker(prefix + 3 * column + 1, ' ');
            marker += offset < bytes.size() ? "^^" : "^^ (ends here)";
            if (offset < bytes.size()) marker += std::string(3 * (kRowBytes - column) - 1 + column, ' ') + "^";
            out += marker + "\n";
        }
        if (row + kRowBytes > bytes.size()) break;
    }
    return out;
}
