#pragma once
// The line format that the generator's tables share (RptMetamodel.txt, RptAttributeBindings.txt):
// one record a line, fields separated by blanks, texts in double quotes (\" and \\ escape), a
// line starting with # a comment. Reading stops at the first bad line with a message naming the
// file and the line.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/com/GUID.h"

class SRptTableFile {
public:
    struct Token {
        std::string text;
        bool quoted = false;
    };

    // Calls `parse` with the fields of every line that has any, then `finish`; both report a bad
    // record with Fail. False with "path:line: message" (or "path: message" from `finish`).
    static bool Read(const std::string& path, std::string& error,
                     const std::function<void(const std::vector<Token>&)>& parse,
                     const std::function<void()>& finish);

    [[noreturn]] static void Fail(const std::string& message);
    // The record has exactly `count` fields, its kind included.
    static void Require(const std::vector<Token>& tokens, size_t count);
    static const std::string& Text(const Token& token);
    static const std::string& Name(const Token& token);
    static uint32_t Unsigned(const Token& token);
    static int32_t Signed(const Token& token);
    static GUID Guid(const Token& token);

private:
    static std::vector<Token> Tokenize(const std::string& line);
};
