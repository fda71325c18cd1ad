#pragma once
// The record that starts a print job: its size word (20, a version tag), the document's name,
// the file to print to (null: the printer's own output), and the data type and flags (0 here).
#include <cstdint>

// What the print job operations answer on failure.
inline constexpr int32_t SP_ERROR = -1;

struct DOCINFOA {
    int32_t cbSize = 20;
    const char* lpszDocName = nullptr;
    const char* lpszOutput = nullptr;
    const char* lpszDatatype = nullptr;
    uint32_t fwType = 0;
};
