#pragma once
// The one string type: UTF-8 text (the platform's multibyte encoding), value semantics.
#include <compare>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "platform/base/SFormatArg.h"

class SString {
public:
    SString() = default;
    SString(const char* text) : m_text(text ? text : "") {}
    SString(const char* text, size_t length) : m_text(text ? std::string(text, length) : std::string()) {}
    SString(std::string text) : m_text(std::move(text)) {}
    SString(std::string_view text) : m_text(text) {}
    SString(size_t count, char c) : m_text(count, c) {}

    // Access.
    const char* c_str() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }
    std::string& str() { return m_text; }
    std::string_view view() const { return m_text; }
    int32_t GetLength() const { return static_cast<int32_t>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int32_t index) const;
    char operator[](int32_t index) const { return GetAt(index); }
    char operator[](size_t index) const { return GetAt(static_cast<int32_t>(index)); }
    void SetAt(int32_t index, char c);

    // Assignment and concatenation.
    SString& operator=(const char* text) {
        m_text = text ? text : "";
        return *this;
    }
    SString& operator+=(const SString& other) {
        m_text += other.m_text;
        return *this;
    }
    SString& operator+=(const char* text) {
        if (text) m_text += text;
        return *this;
    }
    SString& operator+=(char c) {
        m_text += c;
        return *this;
    }
    friend SString operator+(const SString& a, const SString& b) { return SString(a.m_text + b.m_text); }
    friend SString operator+(const SString& a, const char* b) { return SString(a.m_text + (b ? b : "")); }
    friend SString operator+(const char* a, const SString& b) { return SString((a ? a : "") + b.m_text); }
    friend SString operator+(const SString& a, char b) { return SString(a.m_text + b); }

    // Comparison: byte order, as multibyte-aware comparison is on UTF-8.
    friend bool operator==(const SString& a, const SString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const SString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator!=(const SString& a, const SString& b) { return a.m_text != b.m_text; }
    friend bool operator!=(const SString& a, const char* b) { return !(a == b); }
    // Defined so that ordered containers never fall back on comparing the converted pointers.
    friend std::strong_ordering operator<=>(const SString& a, const SString& b) { return a.m_text <=> b.m_text; }
    friend std::strong_ordering operator<=>(const SString& a, const char* b) { return a.m_text <=> std::string_view(b ? b : ""); }
    int Compare(const char* other) const;
    // ASCII case-insensitive.
    int CompareNoCase(const char* other) const;
    // Writes the text itself (not the address it converts to), for diagnostics and test output.
    friend std::ostream& operator<<(std::ostream& out, const SString& s);

    // printf-style formatting; with a string id the format is loaded from the current module
    // state's string table first.
    template <class... Args>
    void Format(const char* format, const Args&... args) {
        m_text = SFormatText(format ? format : "", args...);
    }
    template <class... Args>
    void Format(uint32_t formatId, const Args&... args) {
        SString format;
        format.LoadString(formatId);
        m_text = SFormatText(format.m_text, args...);
    }
    // Loads string `id` of the current module state; keeps `defaultText` when there is none.
    // True when the table had the string.
    bool LoadString(uint32_t id, const char* defaultText = "");

    // Searching: positions are byte offsets, -1 when not found.
    int32_t Find(char c, int32_t start = 0) const;
    int32_t Find(const char* text, int32_t start = 0) const;
    int32_t ReverseFind(char c) const;
    int32_t FindOneOf(const char* chars) const;

    // Extraction; counts are clamped to the text.
    SString Left(int32_t count) const;
    SString Right(int32_t count) const;
    SString Mid(int32_t first) const;
    SString Mid(int32_t first, int32_t count) const;
    // The text before the first line break ("\r" or "\n").
    SString FirstLine() const;
    // At most `maxChars` characters, never cutting a UTF-8 sequence.
    SString LeftChars(int32_t maxChars) const;
    int32_t GetCharCount() const;

    // Editing.
    SString& TrimLeft();
    SString& TrimRight();
    SString& Trim();
    SString& TrimLeft(const char* chars);
    SString& TrimRight(const char* chars);
    SString& MakeUpper();
    SString& MakeLower();
    int32_t Replace(const char* from, const char* to);
    int32_t Replace(char from, char to);
    void Insert(int32_t index, const char* text);
    void Delete(int32_t index, int32_t count = 1);

    // Number conversion as the class library does it: optional blanks, an optional sign, then
    // digits; 0 when there are none.
    int32_t ToInt() const;
    static SString FromInt(int64_t value);

    // UTF-16 conversion (ill-formed input becomes U+FFFD).
    std::u16string ToU16() const;
    static SString FromU16(std::u16string_view text);

private:
    std::string m_text;
};

template <>
struct std::hash<SString> {
    size_t operator()(const SString& s) const noexcept { return std::hash<std::string>()(s.str()); }
};
