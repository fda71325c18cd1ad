#pragma once
// One line of text, "Café 10 €", as text files store it: UTF-8 with and without its byte-order
// mark, UTF-16 in both byte orders with theirs, and Windows-1252; and an RTF file that holds the
// same text as raw 8-bit bytes, as its code page allows.
#include <string>
#include <vector>

struct STestTextForm {
    const char* name;
    std::string bytes;
};

// The text in UTF-8.
inline const std::string kTestFormText = "Caf\xC3\xA9 10 \xE2\x82\xAC";

inline std::vector<STestTextForm> STestTextForms() {
    return {
        {"UTF-8", kTestFormText},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + kTestFormText},
        {"UTF-16 little-endian", std::string("\xFF\xFE"
                                             "C\0a\0f\0\xE9\0 \0"
                                             "1\0"
                                             "0\0 \0\xAC\x20",
                                             20)},
        {"UTF-16 big-endian", std::string("\xFE\xFF\0C\0a\0f\0\xE9\0 \0"
                                          "1\0"
                                          "0\0 \x20\xAC",
                                          20)},
        {"Windows-1252", "Caf\xE9 10 \x80"},
    };
}

// The RTF file: its text, merged or shown as plain text, is the same line.
inline const std::string kTestRawRtf = "{\\rtf1\\ansi\\ansicpg1252 Caf\xE9 10 \x80\\par}";
