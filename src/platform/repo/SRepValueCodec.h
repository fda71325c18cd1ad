#pragma once
// The stored forms of an attribute value in the two document forms: a text for the XML form and
// little-endian bytes for the binary form. Reading checks every byte and character: a value
// that is not of its form throws SRepFormatException with the offset given by the caller, never
// a value made up of part of it.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/repo/SRepVariant.h"

class SRepValueCodec {
public:
    // The text of a value of `type` (the attribute's type word). Texts that XML cannot carry as
    // they are (control characters, bytes that are no UTF-8) are written as hexadecimal, with
    // `hex` set: the reader is told so by the element.
    static std::string ToText(uint32_t type, const SRepVariant& value, bool& hex);
    static SRepVariant FromText(uint32_t type, std::string_view text, bool hex, uint64_t offset);

    static std::string ToBytes(uint32_t type, const SRepVariant& value);
    static SRepVariant FromBytes(uint32_t type, std::string_view bytes, uint64_t offset);

    // Whether a text can stand in XML character data as it is.
    static bool IsXmlSafe(std::string_view text);

private:
    static SRepVariant MakeText(uint32_t type, std::string text);
};
