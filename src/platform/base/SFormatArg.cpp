#include "platform/base/SFormatArg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/base/SUtf8.h"

namespace {

// The widest field and the longest numeric precision one directive may ask for. printf pads to
// any size it is told; a format read from a string table, or a width computed into a '*'
// argument, must not make one directive allocate without end.
constexpr int kMaxField = 4096;

struct Directive {
    std::string flags;
    int width = -1;
    int precision = -1;
    char conversion = 0;
};

class ArgReader {
public:
    ArgReader(const SFormatArg* args, size_t count) : m_args(args), m_count(count) {}
    const SFormatArg* Next() { return m_next < m_count ? &m_args[m_next++] : nullptr; }
    // A '*' width or precision, held to the 32-bit range whatever the argument's type.
    int64_t NextInt() {
        const SFormatArg* a = Next();
        if (!a) return 0;
        switch (a->kind) {
            case SFormatArg::Kind::Signed: return std::clamp<int64_t>(a->i, INT32_MIN, INT32_MAX);
            case SFormatArg::Kind::Unsigned: return static_cast<int64_t>(std::min<uint64_t>(a->u, INT32_MAX));
            case SFormatArg::Kind::Double:
                if (std::isnan(a->d)) return 0;
                return static_cast<int64_t>(std::clamp<double>(a->d, INT32_MIN, INT32_MAX));
            default: return 0;
        }
    }

private:
    const SFormatArg* m_args;
    size_t m_count;
    size_t m_next = 0;
};

// A double as the nearest 64-bit integer: converting one beyond that range, or NaN, has no
// defined result.
int64_t Saturated(double d) {
    if (std::isnan(d)) return 0;
    if (d >= 9223372036854775808.0) return INT64_MAX;
    if (d < -9223372036854775808.0) return INT64_MIN;
    return static_cast<int64_t>(d);
}

// An integer argument as a signed conversion reads it: its bit pattern at its own width, so that
// a 32-bit unsigned value with the top bit set is negative under "%d" as it is under printf.
int64_t AsSigned(const SFormatArg& a) {
    switch (a.kind) {
        case SFormatArg::Kind::Signed: return a.i;
        case SFormatArg::Kind::Unsigned:
            return a.wide ? static_cast<int64_t>(a.u) : static_cast<int32_t>(static_cast<uint32_t>(a.u));
        case SFormatArg::Kind::Double: return Saturated(a.d);
        case SFormatArg::Kind::Pointer: return static_cast<int64_t>(reinterpret_cast<uintptr_t>(a.p));
        case SFormatArg::Kind::Text: return 0;
    }
    return 0;
}

// Unsigned conversions of a negative value show its pattern at the argument's width: 32 bits for
// a 32-bit value, as the platform the formats were written for does ("%0.8X" of an HRESULT gives
// 80004005), and 64 bits for a 64-bit one.
uint64_t AsUnsigned(const SFormatArg& a) {
    if (a.kind == SFormatArg::Kind::Signed)
        return a.wide ? static_cast<uint64_t>(a.i) : static_cast<uint32_t>(static_cast<int32_t>(a.i));
    if (a.kind == SFormatArg::Kind::Unsigned) return a.u;
    return static_cast<uint64_t>(AsSigned(a));
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Whether `c` is one of `set`. Unlike strchr, a zero byte is in no set: a format held by length
// may carry one, and it must never become part of the directive handed to the C library.
bool IsOneOf(char c, std::string_view set) {
    return set.find(c) != std::string_view::npos;
}

// The decimal count at `i` (a width or a precision), held to the 32-bit range.
int64_t ReadCount(std::string_view format, size_t& i) {
    int64_t value = 0;
    for (; i < format.size() && IsDigit(format[i]); ++i)
        value = std::min<int64_t>(value * 10 + (format[i] - '0'), INT32_MAX);
    return value;
}

std::string BuildDirective(const Directive& directive, const char* length) {
    std::string out = "%" + directive.flags;
    if (directive.width >= 0) out += std::to_string(directive.width);
    if (directive.precision >= 0) {
        out += '.';
        out += std::to_string(directive.precision);
    }
    out += length;
    out += directive.conversion;
    return out;
}

template <class T>
void Append(std::string& out, const std::string& directive, T value) {
    char small[128];
    int n = std::snprintf(small, sizeof small, directive.c_str(), value);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof small) {
        out.append(small, static_cast<size_t>(n));
        return;
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), directive.c_str(), value);
    out.append(big.data(), static_cast<size_t>(n));
}

template <class T>
void AppendDecimal(std::string& out, T value) {
    char digits[24];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    out.append(digits, result.ptr);
}

// The plain "%d", "%u", "%c" and "%s", which the document writers use by the thousand per page,
// go without the C library's parse of a directive; they give the bytes printf gives.
bool FormatPlain(std::string& out, const Directive& directive, const SFormatArg& a) {
    if (!directive.flags.empty() || directive.width >= 0 || directive.precision >= 0) return false;
    switch (directive.conversion) {
        case 'd':
        case 'i': AppendDecimal(out, AsSigned(a)); return true;
        case 'u': AppendDecimal(out, AsUnsigned(a)); return true;
        case 'c': out += static_cast<char>(static_cast<unsigned char>(AsSigned(a))); return true;
        case 's': out += a.kind == SFormatArg::Kind::Text && a.s ? a.s : ""; return true;
        default: return false;
    }
}

void FormatOne(std::string& out, Directive directive, const SFormatArg* a) {
    if (!a) return;
    if (FormatPlain(out, directive, *a)) return;
    // A precision pads numbers with digits; on a text it only limits, so it may stay as given.
    if (directive.conversion != 's') directive.precision = std::min(directive.precision, kMaxField);
    switch (directive.conversion) {
        case 'd':
        case 'i':
            Append(out, BuildDirective(directive, "ll"), static_cast<long long>(AsSigned(*a)));
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            Append(out, BuildDirective(directive, "ll"), static_cast<unsigned long long>(AsUnsigned(*a)));
            break;
        case 'c':
            Append(out, BuildDirective(directive, ""), static_cast<int>(AsSigned(*a)));
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': {
            double d = a->kind == SFormatArg::Kind::Double ? a->d : static_cast<double>(AsSigned(*a));
            Append(out, BuildDirective(directive, ""), d);
            break;
        }
        case 's': {
            const char* s = a->kind == SFormatArg::Kind::Text && a->s ? a->s : "";
            if (directive.precision < 0) {
                Append(out, BuildDirective(directive, ""), s);
                break;
            }
            // The precision counts bytes, but the text is UTF-8: the limit keeps whole characters.
            // A few bytes past it are looked at, so that a character straddling it is seen whole.
            size_t limit = static_cast<size_t>(directive.precision);
            std::string kept = SUtf8::TruncateBytes(std::string_view(s, strnlen(s, limit + 4)), limit);
            directive.precision = -1;
            Append(out, BuildDirective(directive, ""), kept.c_str());
            break;
        }
        case 'p':
            Append(out, BuildDirective(directive, ""), a->kind == SFormatArg::Kind::Pointer ? a->p : nullptr);
            break;
        default:
            break;
    }
}

}  // namespace

std::string SFormatV(std::string_view format, const SFormatArg* args, size_t count) {
    std::string out;
    out.reserve(format.size() + 16);
    ArgReader reader(args, count);
    size_t i = 0;
    while (i < format.size()) {
        if (format[i] != '%') {
            // The text up to the next directive at once.
            const size_t next = std::min(format.find('%', i), format.size());
            out.append(format.substr(i, next - i));
            i = next;
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Directive directive;
        while (i < format.size() && IsOneOf(format[i], "-+ #0")) directive.flags += format[i++];
        int64_t width = -1;
        if (i < format.size() && format[i] == '*') {
            width = reader.NextInt();
            if (width < 0) {
                directive.flags += '-';
                width = -width;
            }
            ++i;
        } else if (i < format.size() && IsDigit(format[i])) {
            width = ReadCount(format, i);
        }
        int64_t precision = -1;
        if (i < format.size() && format[i] == '.') {
            ++i;
            if (i < format.size() && format[i] == '*') {
                precision = reader.NextInt();
                ++i;
            } else {
                precision = ReadCount(format, i);
            }
        }
        directive.width = static_cast<int>(std::min<int64_t>(width, kMaxField));
        directive.precision = static_cast<int>(precision);
        while (i < format.size() && IsOneOf(format[i], "hlLqjztI")) {
            // "I64" and "I32" length prefixes of the platform the formats were written for.
            if (format[i] == 'I' && i + 2 < format.size() &&
                (format.substr(i + 1, 2) == "64" || format.substr(i + 1, 2) == "32"))
                i += 2;
            ++i;
        }
        if (i >= format.size()) break;
        directive.conversion = format[i++];
        if (directive.precision >= 0 && IsOneOf(directive.conversion, "diuxXo")) {
            // printf ignores the '0' flag once a precision is given; keep that rule explicit.
            std::string flags;
            for (char f : directive.flags)
                if (f != '0') flags += f;
            directive.flags = flags;
        }
        FormatOne(out, directive, reader.Next());
    }
    return out;
}
