#pragma once
// What a reader of outside bytes (a settings file, a type library, a template file) answers: its
// result code and, when the input is refused, where it went wrong, so that a message can point
// at the place.
#include <cstdint>

#include "platform/com/HRESULT.h"

struct SReadResult {
    HRESULT code = S_OK;
    // The byte offset from the start of the input at which it went wrong.
    uint64_t offset = 0;
    // For text, the line and the column (in bytes) of that byte, both counted from 1; 0 where
    // they mean nothing (a binary input, a failure to read rather than a malformed input).
    uint32_t line = 0;
    uint32_t column = 0;
};
