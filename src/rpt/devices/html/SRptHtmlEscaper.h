#pragma once
// How texts of the report model, which are UTF-8, become HTML. The escaping mask says which of
// the mark-up characters a write turns into entities; a character beyond ASCII is always written
// as "&#N;" (N its code point), so that the pages stay 7-bit whatever the browser assumes. ASCII
// outside the mask's reach is never changed, but for NUL, which no page holds.
#include <cstdint>
#include <string_view>

#include "platform/base/SString.h"

// Masks of a write: mark-up as it stands, text fully escaped, and texts that land inside other
// mark-up (the page title, contents entries, attribute values) where line breaks stay as they are.
inline constexpr uint32_t HTMLTEXT_RAW = 0;
inline constexpr uint32_t HTMLTEXT_TEXT = 0x7F;
inline constexpr uint32_t HTMLTEXT_INLINE = 0x2C;

class SRptHtmlEscaper {
public:
    // The text as the mask asks.
    static SString Escape(std::string_view text, uint32_t mask);
    // A file name as it stands in an href: the bytes that a URL may not hold percent-encoded.
    static SString EncodeUrl(std::string_view name);

private:
    // Appends the entity of one mark-up character that the mask escapes; false when it does not.
    static bool AppendEscaped(char c, uint32_t mask, std::string& out);
};
