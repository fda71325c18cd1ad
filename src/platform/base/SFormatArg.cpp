#include "platform/base/SFormatArg.h"

#include <cstdio>
#include <cstring>

namespace {

struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    char conversion = 0;
};

class ArgReader {
public:
    ArgReader(const SFormatArg* args, size_t count) : m_args(args), m_count(count) {}
    const SFormatArg* Next() { return m_next < m_count ? &m_args[m_next++] : nullptr; }
    int NextInt() {
        const SFormatArg* a = Next();
        if (!a) return 0;
        switch (a->kind) {
            case SFormatArg::Kind::Signed: return static_cast<int>(a->i);
            case SFormatArg::Kind::Unsigned: return static_cast<int>(a->u);
            case SFormatArg::Kind::Double: return static_cast<int>(a->d);
            default: return 0;
        }
    }

private:
    const SFormatArg* m_args;
    size_t m_count;
    size_t m_next = 0;
};

int64_t AsSigned(const SFormatArg& a) {
    switch (a.kind) {
        case SFormatArg::Kind::Signed: return a.i;
        case SFormatArg::Kind::Unsigned: return static_cast<int64_t>(a.u);
        case SFormatArg::Kind::Double: return static_cast<int64_t>(a.d);
        case SFormatArg::Kind::Pointer: return static_cast<int64_t>(reinterpret_cast<uintptr_t>(a.p));
        case SFormatArg::Kind::Text: return 0;
    }
    return 0;
}

// Unsigned conversions of a negative 32-bit value show its 32-bit pattern, as the platform the
// formats were written for does ("%0.8X" of an HRESULT gives 80004005).
uint64_t AsUnsigned(const SFormatArg& a) {
    if (a.kind == SFormatArg::Kind::Signed) {
        if (a.i < 0 && a.i >= INT32_MIN) return static_cast<uint32_t>(static_cast<int32_t>(a.i));
        return static_cast<uint64_t>(a.i);
    }
    if (a.kind == SFormatArg::Kind::Unsigned) return a.u;
    return static_cast<uint64_t>(AsSigned(a));
}

std::string BuildSpec(const Spec& spec, const char* length) {
    std::string out = "%" + spec.flags;
    if (spec.width >= 0) out += std::to_string(spec.width);
    if (spec.precision >= 0) out += "." + std::to_string(spec.precision);
    out += length;
    out += spec.conversion;
    return out;
}

template <class T>
void Append(std::string& out, const std::string& spec, T value) {
    char small[128];
    int n = std::snprintf(small, sizeof small, spec.c_str(), value);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof small) {
        out.append(small, static_cast<size_t>(n));
        return;
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    std::snprintf(big.data(), big.size(), spec.c_str(), value);
    out.append(big.data(), static_cast<size_t>(n));
}

void FormatOne(std::string& out, Spec spec, const SFormatArg* a) {
    if (!a) return;
    switch (spec.conversion) {
        case 'd':
        case 'i':
            Append(out, BuildSpec(spec, "ll"), static_cast<long long>(AsSigned(*a)));
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            Append(out, BuildSpec(spec, "ll"), static_cast<unsigned long long>(AsUnsigned(*a)));
            break;
        case 'c':
            Append(out, BuildSpec(spec, ""), static_cast<int>(AsSigned(*a)));
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': {
            double d = a->kind == SFormatArg::Kind::Double ? a->d : static_cast<double>(AsSigned(*a));
            Append(out, BuildSpec(spec, ""), d);
            break;
        }
        case 's': {
            const char* s = a->kind == SFormatArg::Kind::Text && a->s ? a->s : "";
            Append(out, BuildSpec(spec, ""), s);
            break;
        }
        case 'p':
            Append(out, BuildSpec(spec, ""), a->kind == SFormatArg::Kind::Pointer ? a->p : nullptr);
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
        char c = format[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        ++i;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        Spec spec;
        while (i < format.size() && std::strchr("-+ #0", format[i])) spec.flags += format[i++];
        if (i < format.size() && format[i] == '*') {
            spec.width = reader.NextInt();
            if (spec.width < 0) {
                spec.flags += '-';
                spec.width = -spec.width;
            }
            ++i;
        } else {
            while (i < format.size() && format[i] >= '0' && format[i] <= '9')
                spec.width = (spec.width < 0 ? 0 : spec.width * 10) + (format[i++] - '0');
        }
        if (i < format.size() && format[i] == '.') {
            ++i;
            spec.precision = 0;
            if (i < format.size() && format[i] == '*') {
                spec.precision = reader.NextInt();
                ++i;
            } else {
                while (i < format.size() && format[i] >= '0' && format[i] <= '9')
                    spec.precision = spec.precision * 10 + (format[i++] - '0');
            }
        }
        while (i < format.size() && std::strchr("hlLqjztI", format[i])) {
            // "I64" and "I32" length prefixes of the platform the formats were written for.
            if (format[i] == 'I' && i + 2 < format.size() &&
                (format.substr(i + 1, 2) == "64" || format.substr(i + 1, 2) == "32"))
                i += 2;
            ++i;
        }
        if (i >= format.size()) break;
        spec.conversion = format[i++];
        if (spec.precision >= 0 && std::strchr("diuxXo", spec.conversion)) {
            // printf ignores the '0' flag once a precision is given; keep that rule explicit.
            std::string flags;
            for (char f : spec.flags)
                if (f != '0') flags += f;
            spec.flags = flags;
        }
        FormatOne(out, spec, reader.Next());
    }
    return out;
}
