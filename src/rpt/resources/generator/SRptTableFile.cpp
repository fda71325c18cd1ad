#include "SRptTableFile.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace {
// A line that cannot be read; Read adds the file and the line number.
struct TableError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
}  // namespace

bool SRptTableFile::Read(const std::string& path, std::string& error,
                         const std::function<void(const std::vector<Token>&)>& parse,
                         const std::function<void()>& finish) {
    std::ifstream in(path);
    if (!in) {
        error = path + ": cannot open";
        return false;
    }
    std::string line;
    int lineNumber = 0;
    try {
        while (std::getline(in, line)) {
            ++lineNumber;
            std::vector<Token> tokens = Tokenize(line);
            if (!tokens.empty()) parse(tokens);
        }
        lineNumber = 0;
        finish();
    } catch (const TableError& e) {
        error = path + (lineNumber ? ":" + std::to_string(lineNumber) : std::string()) + ": " + e.what();
        return false;
    }
    return true;
}

void SRptTableFile::Fail(const std::string& message) {
    throw TableError(message);
}

std::vector<SRptTableFile::Token> SRptTableFile::Tokenize(const std::string& line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t' || line[i] == '\r') {
            ++i;
        } else if (line[i] == '#' && tokens.empty()) {
            break;
        } else if (line[i] == '"') {
            Token token{"", true};
            for (++i;; ++i) {
                if (i >= line.size()) Fail("unterminated text");
                if (line[i] == '"') break;
                if (line[i] == '\\') {
                    if (++i >= line.size()) Fail("unterminated text");
                    if (line[i] != '"' && line[i] != '\\') Fail("unknown escape in text");
                }
                token.text += line[i];
            }
            ++i;
            tokens.push_back(std::move(token));
        } else {
            Token token;
            while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r') token.text += line[i++];
            tokens.push_back(std::move(token));
        }
    }
    return tokens;
}

void SRptTableFile::Require(const std::vector<Token>& tokens, size_t count) {
    if (tokens.size() != count)
        Fail("'" + tokens[0].text + "' wants " + std::to_string(count - 1) + " fields, has " +
             std::to_string(tokens.size() - 1));
}

const std::string& SRptTableFile::Text(const Token& token) {
    if (!token.quoted) Fail("text '" + token.text + "' is not quoted");
    if (token.text.size() > 254) Fail("text longer than 254 bytes");
    return token.text;
}

const std::string& SRptTableFile::Name(const Token& token) {
    if (token.quoted) Fail("name \"" + token.text + "\" is quoted");
    if (token.text.size() > 254) Fail("name longer than 254 bytes");
    return token.text;
}

uint32_t SRptTableFile::Unsigned(const Token& token) {
    const std::string& text = Name(token);
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text.c_str(), &end, 0);
    if (text.empty() || text[0] == '-' || *end || errno || value > 0xFFFFFFFFull) Fail("bad number '" + text + "'");
    return static_cast<uint32_t>(value);
}

int32_t SRptTableFile::Signed(const Token& token) {
    const std::string& text = Name(token);
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(text.c_str(), &end, 10);
    if (text.empty() || *end || errno || value < INT32_MIN || value > INT32_MAX) Fail("bad number '" + text + "'");
    return static_cast<int32_t>(value);
}

GUID SRptTableFile::Guid(const Token& token) {
    GUID guid;
    if (!GUIDFromString(Name(token), guid)) Fail("bad GUID '" + token.text + "'");
    return guid;
}
