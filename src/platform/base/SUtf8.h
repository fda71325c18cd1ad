#pragma once
// UTF-8 helpers: character boundaries and UTF-16 conversion.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

class SUtf8 {
public:
    // Length in bytes of the well-formed sequence at `pos`, or 0 when it is ill-formed.
    static size_t SequenceLength(std::string_view text, size_t pos);
    // Whether the whole text is well-formed UTF-8.
    static bool IsWellFormed(std::string_view text);
    // Length in bytes of the character at `pos`: a byte that begins no well-formed sequence is a
    // character of its own. 0 only at or past the end.
    static size_t CharLength(std::string_view text, size_t pos);
    // Whether `set` holds the character `c` (a whole character's bytes) as one of its characters.
    static bool SetHoldsChar(std::string_view set, std::string_view c);
    // Number of characters; an ill-formed byte counts as one character.
    static size_t CountChars(std::string_view text);
    // The longest prefix of at most `maxChars` characters.
    static std::string Truncate(std::string_view text, size_t maxChars);
    // The longest prefix of at most `maxBytes` bytes that does not cut a sequence.
    static std::string TruncateBytes(std::string_view text, size_t maxBytes);
    // Decodes one code point at `pos` and advances; ill-formed input gives U+FFFD and one byte.
    static uint32_t Decode(std::string_view text, size_t& pos);
    static void Encode(uint32_t codePoint, std::string& out);
    static std::u16string ToU16(std::string_view text);
    static std::string FromU16(std::u16string_view text);
};
