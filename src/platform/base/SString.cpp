#include "platform/base/SString.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <ostream>

#include "platform/base/SException.h"
#include "platform/base/SModuleState.h"
#include "platform/base/SUtf8.h"

namespace {
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}
char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

char SString::GetAt(int32_t index) const {
    if (index < 0 || index >= GetLength()) throw SException("SString index out of range");
    return m_text[static_cast<size_t>(index)];
}

void SString::SetAt(int32_t index, char c) {
    if (index < 0 || index >= GetLength()) throw SException("SString index out of range");
    m_text[static_cast<size_t>(index)] = c;
}

int SString::Compare(const char* other) const {
    int r = std::strcmp(m_text.c_str(), other ? other : "");
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::ostream& operator<<(std::ostream& out, const SString& s) {
    return out << s.m_text;
}

int SString::CompareNoCase(const char* other) const {
    const char* a = m_text.c_str();
    const char* b = other ? other : "";
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(AsciiLower(*a));
        unsigned char cb = static_cast<unsigned char>(AsciiLower(*b));
        if (ca != cb) return ca < cb ? -1 : 1;
        if (!ca) return 0;
    }
}

bool SString::LoadString(uint32_t id, const char* defaultText) {
    const SString* found = SModuleState::GetCurrent().FindString(id);
    if (found) {
        m_text = found->m_text;
        return true;
    }
    m_text = defaultText ? defaultText : "";
    return false;
}

int32_t SString::Find(char c, int32_t start) const {
    if (start < 0 || start >= GetLength()) return -1;
    size_t pos = m_text.find(c, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int32_t>(pos);
}

int32_t SString::Find(const char* text, int32_t start) const {
    if (!text || start < 0 || start > GetLength()) return -1;
    size_t pos = m_text.find(text, static_cast<size_t>(start));
    return pos == std::string::npos ? -1 : static_cast<int32_t>(pos);
}

int32_t SString::ReverseFind(char c) const {
    size_t pos = m_text.rfind(c);
    return pos == std::string::npos ? -1 : static_cast<int32_t>(pos);
}

int32_t SString::FindOneOf(const char* chars) const {
    if (!chars) return -1;
    size_t pos = m_text.find_first_of(chars);
    return pos == std::string::npos ? -1 : static_cast<int32_t>(pos);
}

SString SString::Left(int32_t count) const {
    count = std::clamp(count, 0, GetLength());
    return SString(m_text.substr(0, static_cast<size_t>(count)));
}

SString SString::Right(int32_t count) const {
    count = std::clamp(count, 0, GetLength());
    return SString(m_text.substr(m_text.size() - static_cast<size_t>(count)));
}

SString SString::Mid(int32_t first) const {
    return Mid(first, GetLength());
}

SString SString::Mid(int32_t first, int32_t count) const {
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return SString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

SString SString::FirstLine() const {
    size_t pos = m_text.find_first_of("\r\n");
    return pos == std::string::npos ? *this : SString(m_text.substr(0, pos));
}

SString SString::LeftChars(int32_t maxChars) const {
    return SString(SUtf8::Truncate(m_text, maxChars < 0 ? 0 : static_cast<size_t>(maxChars)));
}

int32_t SString::GetCharCount() const {
    return static_cast<int32_t>(SUtf8::CountChars(m_text));
}

SString& SString::TrimLeft() {
    size_t n = 0;
    while (n < m_text.size() && IsBlank(m_text[n])) ++n;
    m_text.erase(0, n);
    return *this;
}

SString& SString::TrimRight() {
    size_t n = m_text.size();
    while (n > 0 && IsBlank(m_text[n - 1])) --n;
    m_text.erase(n);
    return *this;
}

SString& SString::Trim() {
    return TrimRight().TrimLeft();
}

// The set is a text of whole characters: a character is trimmed only when it equals one of them,
// so that a set character's lead byte never takes away part of another character that shares it.
SString& SString::TrimLeft(const char* chars) {
    const std::string_view set = chars ? chars : "";
    const std::string_view text = m_text;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t n = SUtf8::CharLength(text, pos);
        if (!SUtf8::SetHoldsChar(set, text.substr(pos, n))) break;
        pos += n;
    }
    m_text.erase(0, pos);
    return *this;
}

SString& SString::TrimRight(const char* chars) {
    const std::string_view set = chars ? chars : "";
    const std::string_view text = m_text;
    // Characters are walked from the front, since an ill-formed byte cannot be told backwards from
    // a sequence's tail; the text is kept up to the end of the last character not in the set.
    size_t keep = 0;
    for (size_t pos = 0; pos < text.size();) {
        size_t n = SUtf8::CharLength(text, pos);
        if (!SUtf8::SetHoldsChar(set, text.substr(pos, n))) keep = pos + n;
        pos += n;
    }
    m_text.erase(keep);
    return *this;
}

SString& SString::MakeUpper() {
    for (char& c : m_text) c = AsciiUpper(c);
    return *this;
}

SString& SString::MakeLower() {
    for (char& c : m_text) c = AsciiLower(c);
    return *this;
}

int32_t SString::Replace(const char* from, const char* to) {
    if (!from || !*from) return 0;
    std::string replacement = to ? to : "";
    size_t fromLength = std::strlen(from);
    int32_t count = 0;
    size_t pos = 0;
    while ((pos = m_text.find(from, pos)) != std::string::npos) {
        m_text.replace(pos, fromLength, replacement);
        pos += replacement.size();
        ++count;
    }
    return count;
}

int32_t SString::Replace(char from, char to) {
    int32_t count = 0;
    for (char& c : m_text)
        if (c == from) {
            c = to;
            ++count;
        }
    return count;
}

void SString::Insert(int32_t index, const char* text) {
    index = std::clamp(index, 0, GetLength());
    m_text.insert(static_cast<size_t>(index), text ? text : "");
}

void SString::Delete(int32_t index, int32_t count) {
    if (index < 0 || index >= GetLength() || count <= 0) return;
    m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
}

int32_t SString::ToInt() const {
    size_t i = 0;
    while (i < m_text.size() && IsBlank(m_text[i])) ++i;
    bool negative = false;
    if (i < m_text.size() && (m_text[i] == '+' || m_text[i] == '-')) negative = m_text[i++] == '-';
    int64_t value = 0;
    while (i < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[i]))) {
        value = value * 10 + (m_text[i++] - '0');
        if (value > 0x80000000LL) value = 0x80000000LL;  // saturate rather than overflow
    }
    if (negative) value = -value;
    return static_cast<int32_t>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

SString SString::FromInt(int64_t value) {
    return SString(std::to_string(value));
}

std::u16string SString::ToU16() const {
    return SUtf8::ToU16(m_text);
}

SString SString::FromU16(std::u16string_view text) {
    return SString(SUtf8::FromU16(text));
}
