#include "platform/base/VerLanguageName.h"

#include <cstring>
#include <iterator>

namespace {

struct LanguageName {
    uint32_t id;
    const char* name;
};

const LanguageName kNames[] = {
    {0x0407, "German (Germany)"},    {0x0409, "English (United States)"},  {0x040A, "Spanish (Traditional Sort)"},
    {0x040C, "French (France)"},     {0x0410, "Italian (Italy)"},          {0x0411, "Japanese"},
    {0x0413, "Dutch (Netherlands)"}, {0x0809, "English (United Kingdom)"}, {0x0C0A, "Spanish (Spain)"},
};

const char* NameOf(uint32_t language) {
    for (const LanguageName& entry : kNames)
        if (entry.id == language) return entry.name;
    return "Language Neutral";
}

}  // namespace

uint32_t VerLanguageNameA(uint32_t language, char* buffer, uint32_t size) {
    const char* name = NameOf(language);
    const size_t length = std::strlen(name);
    if (!buffer) return static_cast<uint32_t>(length);
    if (size == 0) return 0;
    // The names are ASCII: any cut is on a character boundary.
    const size_t copied = length < size ? length : size - 1;
    std::memcpy(buffer, name, copied);
    buffer[copied] = '\0';
    return static_cast<uint32_t>(copied);
}
