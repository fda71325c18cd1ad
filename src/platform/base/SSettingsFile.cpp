#include "platform/base/SSettingsFile.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "platform/base/SOutputStream.h"
#include "platform/base/SUtf8.h"

namespace {
constexpr std::string_view kHeader = "varod9 settings 1";

// Where the text went wrong: a byte offset from its start.
struct Malformed {
    size_t offset;
};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Quote(std::string_view text) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out = "\"";
    for (size_t pos = 0; pos < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[pos]);
        size_t n = SUtf8::SequenceLength(text, pos);
        if (c >= 0x80 && n > 1) {
            out.append(text.substr(pos, n));
            pos += n;
            continue;
        }
        ++pos;
        switch (c) {
            case '\\': out += "\\\\"; break;
            case '"': out += "\\\""; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (c < 0x20 || c >= 0x7F) {
                    out += "\\x";
                    out += hex[c >> 4];
                    out += hex[c & 15];
                } else {
                    out += static_cast<char>(c);
                }
        }
    }
    return out + "\"";
}

std::string RootName(HKEY root) {
    if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(root));
    return text;
}

// Reads the tokens of one line (which begins at `start` in the text): bare words and quoted
// texts, separated by blanks. A fault is thrown at the byte where it was seen.
class LineReader {
public:
    LineReader(std::string_view line, size_t start) : m_line(line), m_start(start) {}

    bool AtEnd() {
        SkipBlanks();
        return m_pos == m_line.size();
    }
    // The offset in the text of the token read last, for faults in what it says.
    size_t TokenOffset() const { return m_start + m_token; }
    [[noreturn]] void FailAt(size_t pos) const { throw Malformed{m_start + pos}; }
    void ExpectEnd() {
        if (!AtEnd()) FailAt(m_pos);
    }
    std::string_view Word() {
        SkipBlanks();
        m_token = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t') {
            if (static_cast<unsigned char>(m_line[m_pos]) < 0x21 || m_line[m_pos] == '"' ||
                static_cast<unsigned char>(m_line[m_pos]) >= 0x7F)
                FailAt(m_pos);
            ++m_pos;
        }
        if (m_token == m_pos) FailAt(m_pos);
        return m_line.substr(m_token, m_pos - m_token);
    }
    std::string Quoted() {
        SkipBlanks();
        m_token = m_pos;
        if (m_pos >= m_line.size() || m_line[m_pos] != '"') FailAt(m_pos);
        ++m_pos;
        std::string text;
        for (;;) {
            if (m_pos >= m_line.size()) FailAt(m_pos);
            unsigned char c = static_cast<unsigned char>(m_line[m_pos]);
            if (c == '"') break;
            if (c == '\\') {
                text += Escape();
            } else if (c >= 0x80) {
                size_t n = SUtf8::SequenceLength(m_line, m_pos);
                if (n < 2) FailAt(m_pos);
                text.append(m_line.substr(m_pos, n));
                m_pos += n;
            } else if (c < 0x20 || c == 0x7F) {
                FailAt(m_pos);
            } else {
                text += static_cast<char>(c);
                ++m_pos;
            }
        }
        ++m_pos;
        // A quoted text is a token of its own: something glued to it is an error.
        if (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t') FailAt(m_pos);
        return text;
    }

private:
    void SkipBlanks() {
        while (m_pos < m_line.size() && (m_line[m_pos] == ' ' || m_line[m_pos] == '\t')) ++m_pos;
    }
    char Escape() {
        size_t at = m_pos;
        if (m_pos + 1 >= m_line.size()) FailAt(at);
        char code = m_line[m_pos + 1];
        m_pos += 2;
        switch (code) {
            case '\\': return '\\';
            case '"': return '"';
            case 'n': return '\n';
            case 'r': return '\r';
            case 't': return '\t';
            case 'x': {
                if (m_pos + 2 > m_line.size()) FailAt(at);
                int high = HexDigit(m_line[m_pos]);
                int low = HexDigit(m_line[m_pos + 1]);
                if (high < 0 || low < 0) FailAt(at);
                m_pos += 2;
                return static_cast<char>(high * 16 + low);
            }
            default: FailAt(at);
        }
    }

    std::string_view m_line;
    size_t m_start;
    size_t m_pos = 0;
    size_t m_token = 0;
};

std::optional<HKEY> ParseRoot(std::string_view word) {
    if (word == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
    if (word == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
    if (word.size() != 10 || word[0] != '0' || word[1] != 'x') return std::nullopt;
    uint32_t root = 0;
    for (char c : word.substr(2)) {
        int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        root = root * 16 + static_cast<uint32_t>(digit);
    }
    return root;
}

std::optional<int32_t> ParseNumber(std::string_view word) {
    bool negative = !word.empty() && word[0] == '-';
    std::string_view digits = negative ? word.substr(1) : word;
    if (digits.empty() || digits.size() > 10) return std::nullopt;
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(value);
}

// The lines of a text, one at a time, without their LF or CR LF ends. They are walked in place
// rather than gathered, so that a file of many short lines costs nothing per line.
class LineWalker {
public:
    explicit LineWalker(std::string_view text) : m_text(text) {}
    // Sets `line` and its offset in the text.
    bool Next(std::string_view& line, size_t& start) {
        if (m_start >= m_text.size()) return false;
        size_t end = m_text.find('\n', m_start);
        if (end == std::string_view::npos) end = m_text.size();
        line = m_text.substr(m_start, end - m_start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        start = m_start;
        m_start = end + 1;
        return true;
    }

private:
    std::string_view m_text;
    size_t m_start = 0;
};

void ParseLines(std::string_view text, SSettingsStore::Keys& keys) {
    LineWalker lines(text);
    std::string_view line;
    size_t start = 0;
    if (!lines.Next(line, start) || line != kHeader) throw Malformed{0};
    SSettingsStore::Values* current = nullptr;
    bool ended = false;
    while (lines.Next(line, start)) {
        LineReader reader(line, start);
        if (reader.AtEnd() || line[0] == '#') continue;
        // Nothing but blank lines and comments may follow the end.
        if (ended) reader.FailAt(0);
        std::string_view keyword = reader.Word();
        if (keyword == "key") {
            std::optional<HKEY> root = ParseRoot(reader.Word());
            if (!root) throw Malformed{reader.TokenOffset()};
            SString name = SSettingsStore::NormaliseKey(SString(reader.Quoted()));
            current = &keys[{*root, name}];
        } else if (keyword == "text" || keyword == "number") {
            // A value belongs to the key line above it.
            if (!current) reader.FailAt(0);
            SString name(reader.Quoted());
            if (name.view().find('\0') != std::string_view::npos) throw Malformed{reader.TokenOffset()};
            SSettingsValue value;
            if (keyword == "text") {
                value.type = REG_SZ;
                value.text = SString(reader.Quoted());
            } else {
                std::optional<int32_t> number = ParseNumber(reader.Word());
                if (!number) throw Malformed{reader.TokenOffset()};
                value.type = REG_DWORD;
                value.number = *number;
            }
            (*current)[name] = value;
        } else if (keyword == "end") {
            ended = true;
        } else {
            throw Malformed{reader.TokenOffset()};
        }
        reader.ExpectEnd();
    }
    if (!ended) throw Malformed{text.size()};
}

// The line and column (both from 1) of the byte at `offset`.
SReadResult PlaceOf(std::string_view text, size_t offset) {
    std::string_view before = text.substr(0, offset);
    size_t lineStart = before.rfind('\n');
    lineStart = lineStart == std::string_view::npos ? 0 : lineStart + 1;
    SReadResult place{E_INVALIDARG, offset};
    place.line = static_cast<uint32_t>(std::count(before.begin(), before.end(), '\n') + 1);
    place.column = static_cast<uint32_t>(offset - lineStart + 1);
    return place;
}

// True when every value of `keys` can be written in the form and read back.
bool Writable(const SSettingsStore::Keys& keys) {
    for (const auto& [key, values] : keys)
        for (const auto& [name, value] : values)
            if ((value.type != REG_SZ && value.type != REG_DWORD) || name.view().find('\0') != std::string_view::npos)
                return false;
    return true;
}
}  // namespace

SReadResult SSettingsFile::Parse(std::string_view text, SSettingsStore::Keys& keys) {
    if (text.size() > kMaxBytes) return SReadResult{E_INVALIDARG, kMaxBytes};
    SSettingsStore::Keys read;
    try {
        ParseLines(text, read);
    } catch (const Malformed& fault) {
        return PlaceOf(text, fault.offset);
    }
    keys.swap(read);
    return SReadResult{};
}

HRESULT SSettingsFile::Write(const SSettingsStore::Keys& keys, SOutputStream& out) {
    if (!Writable(keys)) return E_INVALIDARG;
    std::string text(kHeader);
    text += '\n';
    for (const auto& [key, values] : keys) {
        text += "key " + RootName(key.first) + " " + Quote(key.second.view()) + "\n";
        for (const auto& [name, value] : values) {
            if (value.type == REG_SZ)
                text += "text " + Quote(name.view()) + " " + Quote(value.text.view()) + "\n";
            else
                text += "number " + Quote(name.view()) + " " + std::to_string(value.number) + "\n";
        }
        // Keep the text in step with the stream rather than holding the whole store twice.
        if (text.size() >= 0x2000) {
            out.Write(text.data(), text.size());
            text.clear();
        }
    }
    text += "end\n";
    out.Write(text.data(), text.size());
    return S_OK;
}
