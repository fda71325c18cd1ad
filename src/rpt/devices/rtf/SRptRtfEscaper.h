#pragma once
// How texts of the report model, which are UTF-8, become RTF. Control characters and braces are
// escaped as the writer's mode asks; a character beyond ASCII becomes "\'hh" when Windows-1252
// has it and "\uN\'3f" otherwise (N a signed 16-bit UTF-16 unit, two of them beyond U+FFFF), so
// that the document stays 7-bit and any reader sees the same text. ASCII is never changed by the
// encoding itself, but for NUL, which is left out in every mode.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/base/SString.h"

// The bits of a text mode: any of them asks for the escaping of tabs, carriage returns and braces.
inline constexpr uint32_t RTFTEXT_ESCAPE = 1;
inline constexpr uint32_t RTFTEXT_LINEBREAKS = 2;   // a line feed becomes "\par " (else it is dropped)
inline constexpr uint32_t RTFTEXT_BACKSLASHES = 4;  // a backslash is doubled
// A header, footer or title-page field text (EscapeFieldText); the other bits are not looked at.
inline constexpr uint32_t RTFTEXT_FIELD = 8;

// The modes the writers use: composed RTF, item texts, header and footer texts, contents entries.
inline constexpr uint32_t RTFTEXT_RAW = 0;
inline constexpr uint32_t RTFTEXT_ITEM = RTFTEXT_ESCAPE | RTFTEXT_LINEBREAKS | RTFTEXT_BACKSLASHES;
inline constexpr uint32_t RTFTEXT_HEADER = RTFTEXT_ESCAPE | RTFTEXT_LINEBREAKS;
inline constexpr uint32_t RTFTEXT_ENTRY = RTFTEXT_ESCAPE | RTFTEXT_BACKSLASHES;

class SRptRtfEscaper {
public:
    // The text as the mode asks; mode 0 only encodes what is not ASCII.
    static SString Escape(std::string_view text, uint32_t mode);
    // A header, footer or title-page field text: escaped as in RTFTEXT_HEADER, but the field words
    // that the expansion put in ("\chdate ", "\chtime ", "\chpgn ") stay live while every other
    // backslash is doubled, so that a path typed into a header stays text.
    static SString EscapeFieldText(std::string_view text);
    // A face name of the font table: braces, backslashes and the entry's ';' are escaped.
    static SString EscapeFaceName(std::string_view text);

    // Appends a number in decimal, with at least `minDigits` digits after the sign (as "%.Nd").
    static void AppendNumber(int32_t value, std::string& out, int minDigits = 1);
    // Appends the RTF form of the code point (128 and above).
    static void AppendEncoded(uint32_t codePoint, std::string& out);

    // Whether Escape would change the text in that mode.
    static bool NeedsEscape(std::string_view text, uint32_t mode) {
        return (mode & RTFTEXT_FIELD) != 0 || PlainRunEnd(text, 0, mode) < text.size();
    }

private:
    // Handles the characters every escaping mode shares; false when `c` is none of them.
    static bool AppendEscaped(char c, uint32_t mode, std::string& out);
    // Where the bytes from `pos` on stop standing for themselves in `mode`: the first that is not
    // ASCII or, unless raw, one that AppendEscaped handles.
    static size_t PlainRunEnd(std::string_view text, size_t pos, uint32_t mode);
    // Appends the character at `pos` (advancing it) encoded when it is not ASCII; true when it was.
    static bool AppendNonAscii(std::string_view text, size_t& pos, std::string& out);
    static void AppendHexByte(uint8_t value, std::string& out);
};
