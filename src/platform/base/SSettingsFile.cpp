#include "platform/base/SSettingsFile.h"

#include <cstdio>
#include <string>

#include "platform/base/SOutputStream.h"
#include "platform/base/SUtf8.h"

namespace {
constexpr std::string_view kHeader = "varod9 settings 1";

struct Malformed {};

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

// Reads the tokens of one line: bare words and quoted texts, separated by blanks.
class LineReader {
public:
    explicit LineReader(std::string_view line) : m_line(line) {}

    bool AtEnd() {
        SkipBlanks();
        return m_pos == m_line.size();
    }
    std::string_view Word() {
        SkipBlanks();
        size_t start = m_pos;
        while (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t') {
            if (static_cast<unsigned char>(m_line[m_pos]) < 0x21 || m_line[m_pos] == '"' ||
                static_cast<unsigned char>(m_line[m_pos]) >= 0x7F)
                throw Malformed();
            ++m_pos;
        }
        if (start == m_pos) throw Malformed();
        return m_line.substr(start, m_pos - start);
    }
    std::string Quoted() {
        SkipBlanks();
        if (m_pos >= m_line.size() || m_line[m_pos] != '"') throw Malformed();
        ++m_pos;
        std::string text;
        for (;;) {
            if (m_pos >= m_line.size()) throw Malformed();
            unsigned char c = static_cast<unsigned char>(m_line[m_pos]);
            if (c == '"') break;
            if (c == '\\') {
                text += Escape();
            } else if (c >= 0x80) {
                size_t n = SUtf8::SequenceLength(m_line, m_pos);
                if (n < 2) throw Malformed();
                text.append(m_line.substr(m_pos, n));
                m_pos += n;
            } else if (c < 0x20 || c == 0x7F) {
                throw Malformed();
            } else {
                text += static_cast<char>(c);
                ++m_pos;
            }
        }
        ++m_pos;
        // A quoted text is a token of its own: something glued to it is an error.
        if (m_pos < m_line.size() && m_line[m_pos] != ' ' && m_line[m_pos] != '\t') throw Malformed();
        return text;
    }

private:
    void SkipBlanks() {
        while (m_pos < m_line.size() && (m_line[m_pos] == ' ' || m_line[m_pos] == '\t')) ++m_pos;
    }
    char Escape() {
        if (m_pos + 1 >= m_line.size()) throw Malformed();
        char code = m_line[m_pos + 1];
        m_pos += 2;
        switch (code) {
            case '\\': return '\\';
            case '"': return '"';
            case 'n': return '\n';
            case 'r': return '\r';
            case 't': return '\t';
            case 'x': {
                if (m_pos + 2 > m_line.size()) throw Malformed();
                int high = HexDigit(m_line[m_pos]);
                int low = HexDigit(m_line[m_pos + 1]);
                if (high < 0 || low < 0) throw Malformed();
                m_pos += 2;
                return static_cast<char>(high * 16 + low);
            }
            default:
                throw Malformed();
        }
    }

    std::string_view m_line;
    size_t m_pos = 0;
};

HKEY ParseRoot(std::string_view word) {
    if (word == "HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
    if (word == "HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
    if (word.size() != 10 || word[0] != '0' || word[1] != 'x') throw Malformed();
    uint32_t root = 0;
    for (char c : word.substr(2)) {
        int digit = HexDigit(c);
        if (digit < 0) throw Malformed();
        root = root * 16 + static_cast<uint32_t>(digit);
    }
    return root;
}

int32_t ParseNumber(std::string_view word) {
    bool negative = !word.empty() && word[0] == '-';
    std::string_view digits = negative ? word.substr(1) : word;
    if (digits.empty() || digits.size() > 10) throw Malformed();
    int64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') throw Malformed();
        value = value * 10 + (c - '0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) throw Malformed();
    return static_cast<int32_t>(value);
}

// The lines of a text, one at a time, without their LF or CR LF ends. They are walked in place
// rather than gathered, so that a file of many short lines costs nothing per line.
class LineWalker {
public:
    explicit LineWalker(std::string_view text) : m_text(text) {}
    bool Next(std::string_view& line) {
        if (m_start >= m_text.size()) return false;
        size_t end = m_text.find('\n', m_start);
        if (end == std::string_view::npos) end = m_text.size();
        line = m_text.substr(m_start, end - m_start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
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
    if (!lines.Next(line) || line != kHeader) throw Malformed();
    SSettingsStore::Values* current = nullptr;
    bool ended = false;
    while (lines.Next(line)) {
        LineReader reader(line);
        if (reader.AtEnd() || line[0] == '#') continue;
        if (ended) throw Malformed();
        std::string_view keyword = reader.Word();
        if (keyword == "key") {
            HKEY root = ParseRoot(reader.Word());
            SString name = SSettingsStore::NormaliseKey(SString(reader.Quoted()));
            current = &keys[{root, name}];
        } else if (keyword == "text" || keyword == "number") {
            if (!current) throw Malformed();
            SString name(reader.Quoted());
            SSettingsValue value;
            if (keyword == "text") {
                value.type = REG_SZ;
                value.text = SString(reader.Quoted());
            } else {
                value.type = REG_DWORD;
                value.number = ParseNumber(reader.Word());
            }
            (*current)[name] = value;
        } else if (keyword == "end") {
            ended = true;
        } else {
            throw Malformed();
        }
        if (!reader.AtEnd()) throw Malformed();
    }
    if (!ended) throw Malformed();
}
}  // namespace

HRESULT SSettingsFile::Parse(std::string_view text, SSettingsStore::Keys& keys) {
    if (text.size() > kMaxBytes) return E_INVALIDARG;
    SSettingsStore::Keys read;
    try {
        ParseLines(text, read);
    } catch (const Malformed&) {
        return E_INVALIDARG;
    }
    keys.swap(read);
    return S_OK;
}

HRESULT SSettingsFile::Write(const SSettingsStore::Keys& keys, SOutputStream& out) {
    for (const auto& [key, values] : keys)
        for (const auto& [name, value] : values)
            if (value.type != REG_SZ && value.type != REG_DWORD) return E_INVALIDARG;
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
