#pragma once
// Type-safe printf-style formatting. Arguments are captured with their real types and widths, so a
// "%ld" or "%d" written for a 32-bit value formats correctly whatever the length modifier says,
// and a 64-bit value keeps all its bits.
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

class SString;

struct SFormatArg {
    enum class Kind { Signed, Unsigned, Double, Text, Pointer };
    Kind kind = Kind::Signed;
    // An integer wider than 32 bits. Narrower ones are promoted to 32 bits, as a variadic call
    // promotes them, so that their bit pattern under an unsigned conversion is the 32-bit one.
    bool wide = false;
    int64_t i = 0;
    uint64_t u = 0;
    double d = 0;
    const char* s = nullptr;
    const void* p = nullptr;

    template <class T>
    static SFormatArg From(const T& value) {
        SFormatArg a;
        using U = std::decay_t<T>;
        if constexpr (std::is_same_v<U, bool>) {
            a.kind = Kind::Signed;
            a.i = value ? 1 : 0;
        } else if constexpr (std::is_enum_v<U>) {
            a.kind = Kind::Signed;
            a.wide = sizeof(U) > sizeof(int32_t);
            a.i = static_cast<int64_t>(value);
        } else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>) {
            a.kind = Kind::Signed;
            a.wide = sizeof(U) > sizeof(int32_t);
            a.i = value;
        } else if constexpr (std::is_integral_v<U>) {
            a.kind = Kind::Unsigned;
            a.wide = sizeof(U) > sizeof(int32_t);
            a.u = value;
        } else if constexpr (std::is_floating_point_v<U>) {
            a.kind = Kind::Double;
            a.d = value;
        } else if constexpr (std::is_same_v<U, const char*> || std::is_same_v<U, char*>) {
            a.kind = Kind::Text;
            a.s = value;
        } else if constexpr (std::is_same_v<U, std::string>) {
            a.kind = Kind::Text;
            a.s = value.c_str();
        } else if constexpr (std::is_same_v<U, SString>) {
            a.kind = Kind::Text;
            a.s = value.c_str();
        } else if constexpr (std::is_pointer_v<U>) {
            a.kind = Kind::Pointer;
            a.p = value;
        } else {
            static_assert(std::is_pointer_v<U>, "unsupported format argument");
        }
        return a;
    }
};

// Formats `format` with the arguments: the printf conversions d i u x X o c s p f e g %, with
// flags, width and precision (also '*'); length modifiers are accepted and ignored, since each
// argument carries its own width. A missing argument formats as nothing; a wrong kind is converted.
std::string SFormatV(std::string_view format, const SFormatArg* args, size_t count);

template <class... Args>
std::string SFormatText(std::string_view format, const Args&... args) {
    if constexpr (sizeof...(Args) == 0) {
        return SFormatV(format, nullptr, 0);
    } else {
        const SFormatArg packed[] = {SFormatArg::From(args)...};
        return SFormatV(format, packed, sizeof...(Args));
    }
}
