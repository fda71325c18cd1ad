#pragma once
// The name of a language by its 16-bit language id, as the system's version resources name it
// ("English (United States)" for 0x409); "Language Neutral" for an id it does not know.
#include <cstdint>

// Copies the name into `buffer` (at most `size` - 1 bytes, always terminated when `size` is not
// 0) and answers the number of bytes copied; with a null buffer, answers the length of the name.
uint32_t VerLanguageNameA(uint32_t language, char* buffer, uint32_t size);
