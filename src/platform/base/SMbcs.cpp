#include "platform/base/SMbcs.h"

#include <cstring>
#include <string>
#include <string_view>

#include "platform/base/SUtf8.h"

namespace {
constexpr int kTruncated = 80;
constexpr int kInvalid = 22;

std::string_view View(const char* text) {
    return text ? std::string_view(text) : std::string_view();
}

const char* Bytes(const unsigned char* text) {
    return reinterpret_cast<const char*>(text);
}

// The first `count` characters of `text`.
std::string_view Prefix(std::string_view text, size_t count) {
    size_t pos = 0;
    for (size_t chars = 0; pos < text.size() && chars < count; ++chars) pos += SUtf8::CharLength(text, pos);
    return text.substr(0, pos);
}

int Sign(int value) {
    return value < 0 ? -1 : (value > 0 ? 1 : 0);
}

int CompareBytes(std::string_view a, std::string_view b) {
    return Sign(a.compare(b));
}

unsigned char FoldAscii(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u - 'A' + 'a') : u;
}

int CompareFolded(std::string_view a, std::string_view b) {
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = FoldAscii(a[i]);
        unsigned char cb = FoldAscii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The byte offset of the first (or last) character whose code point is `c`, or npos.
size_t FindChar(std::string_view text, unsigned int c, bool last) {
    size_t found = std::string_view::npos;
    for (size_t pos = 0; pos < text.size();) {
        size_t next = pos;
        uint32_t cp = SUtf8::Decode(text, next);
        // An ill-formed byte decodes as U+FFFD; it matches only itself as a byte value.
        bool wellFormed = SUtf8::SequenceLength(text, pos) != 0;
        if (wellFormed ? cp == c : static_cast<unsigned char>(text[pos]) == c) {
            found = pos;
            if (!last) return found;
        }
        pos = next;
    }
    return found;
}

const char* FindCharIn(const char* text, unsigned int c, bool last) {
    if (!text) return nullptr;
    std::string_view view(text);
    if (c == 0) return text + view.size();
    size_t pos = FindChar(view, c, last);
    return pos == std::string_view::npos ? nullptr : text + pos;
}

const char* FindSub(const char* text, const char* sub) {
    if (!text) return nullptr;
    std::string_view view(text);
    std::string_view needle = View(sub);
    if (needle.empty()) return text;
    for (size_t pos = 0; pos + needle.size() <= view.size(); pos += SUtf8::CharLength(view, pos)) {
        if (view.compare(pos, needle.size(), needle) == 0) return text + pos;
    }
    return nullptr;
}

const char* Advance(const char* text, size_t count) {
    if (!text) return nullptr;
    std::string_view view(text);
    return text + Prefix(view, count).size();
}
}  // namespace

int _mbscmp(const char* a, const char* b) {
    return CompareBytes(View(a), View(b));
}

int _mbscmp(const unsigned char* a, const unsigned char* b) {
    return _mbscmp(Bytes(a), Bytes(b));
}

int _mbsncmp(const char* a, const char* b, size_t count) {
    return CompareBytes(Prefix(View(a), count), Prefix(View(b), count));
}

int _mbsncmp(const unsigned char* a, const unsigned char* b, size_t count) {
    return _mbsncmp(Bytes(a), Bytes(b), count);
}

const char* _mbschr(const char* text, unsigned int c) {
    return FindCharIn(text, c, false);
}

char* _mbschr(char* text, unsigned int c) {
    return const_cast<char*>(FindCharIn(text, c, false));
}

const unsigned char* _mbschr(const unsigned char* text, unsigned int c) {
    return reinterpret_cast<const unsigned char*>(FindCharIn(Bytes(text), c, false));
}

const char* _mbsrchr(const char* text, unsigned int c) {
    return FindCharIn(text, c, true);
}

char* _mbsrchr(char* text, unsigned int c) {
    return const_cast<char*>(FindCharIn(text, c, true));
}

const unsigned char* _mbsrchr(const unsigned char* text, unsigned int c) {
    return reinterpret_cast<const unsigned char*>(FindCharIn(Bytes(text), c, true));
}

const char* _mbsstr(const char* text, const char* sub) {
    return FindSub(text, sub);
}

char* _mbsstr(char* text, const char* sub) {
    return const_cast<char*>(FindSub(text, sub));
}

const unsigned char* _mbsstr(const unsigned char* text, const unsigned char* sub) {
    return reinterpret_cast<const unsigned char*>(FindSub(Bytes(text), Bytes(sub)));
}

size_t _mbslen(const char* text) {
    return SUtf8::CountChars(View(text));
}

size_t _mbslen(const unsigned char* text) {
    return _mbslen(Bytes(text));
}

const char* _mbsinc(const char* text) {
    return Advance(text, 1);
}

char* _mbsinc(char* text) {
    return const_cast<char*>(Advance(text, 1));
}

const unsigned char* _mbsinc(const unsigned char* text) {
    return reinterpret_cast<const unsigned char*>(Advance(Bytes(text), 1));
}

const char* _mbsninc(const char* text, size_t count) {
    return Advance(text, count);
}

char* _mbsninc(char* text, size_t count) {
    return const_cast<char*>(Advance(text, count));
}

const unsigned char* _mbsninc(const unsigned char* text, size_t count) {
    return reinterpret_cast<const unsigned char*>(Advance(Bytes(text), count));
}

int _mbsnbcpy_s(char* dest, size_t destSize, const char* src, size_t count) {
    if (!dest || destSize == 0) return kInvalid;
    size_t room = destSize - 1;
    size_t limit = count < room ? count : room;
    // Look a few bytes beyond the limit so that a sequence straddling it is seen whole and left out.
    size_t lookAhead = limit + 4 < limit ? limit : limit + 4;
    std::string_view source = src ? std::string_view(src, strnlen(src, lookAhead)) : std::string_view();
    std::string copied = SUtf8::TruncateBytes(source, limit);
    std::memcpy(dest, copied.data(), copied.size());
    dest[copied.size()] = '\0';
    // Cut short for want of room when the requested bytes did not all fit.
    size_t wanted = source.size() < count ? source.size() : count;
    return wanted > room ? kTruncated : 0;
}

int _mbsnbcpy_s(unsigned char* dest, size_t destSize, const unsigned char* src, size_t count) {
    return _mbsnbcpy_s(reinterpret_cast<char*>(dest), destSize, Bytes(src), count);
}

int _tcsicmp(const char* a, const char* b) {
    return CompareFolded(View(a), View(b));
}

int _tcscmpi(const char* a, const char* b) {
    return _tcsicmp(a, b);
}

int _tcsnicmp(const char* a, const char* b, size_t count) {
    return CompareFolded(Prefix(View(a), count), Prefix(View(b), count));
}

int _tcsncmpi(const char* a, const char* b, size_t count) {
    return _tcsnicmp(a, b, count);
}
