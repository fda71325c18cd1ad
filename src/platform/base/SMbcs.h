#pragma once
// The multibyte string routines of the class library, on UTF-8 (the platform's multibyte
// encoding). Comparison is byte order, so a UTF-8 text compares as its code points do; searches
// and counts work on whole characters; case-insensitive comparison folds ASCII letters only.
// A null pointer is taken for the empty text. Comparisons answer -1, 0 or 1.
#include <cstddef>

// Comparison by bytes, case-sensitive.
int _mbscmp(const char* a, const char* b);
int _mbscmp(const unsigned char* a, const unsigned char* b);
// The same over at most `count` characters of each text.
int _mbsncmp(const char* a, const char* b, size_t count);
int _mbsncmp(const unsigned char* a, const unsigned char* b, size_t count);

// First and last occurrence of the character `c` (a code point), never inside another
// character's sequence. `c` 0 finds the terminating zero, as the byte routines do.
const char* _mbschr(const char* text, unsigned int c);
char* _mbschr(char* text, unsigned int c);
const unsigned char* _mbschr(const unsigned char* text, unsigned int c);
const char* _mbsrchr(const char* text, unsigned int c);
char* _mbsrchr(char* text, unsigned int c);
const unsigned char* _mbsrchr(const unsigned char* text, unsigned int c);
// First occurrence of `sub` beginning on a character boundary; an empty `sub` finds `text`.
const char* _mbsstr(const char* text, const char* sub);
char* _mbsstr(char* text, const char* sub);
const unsigned char* _mbsstr(const unsigned char* text, const unsigned char* sub);

// Number of characters; a byte that begins no well-formed sequence counts as one character.
size_t _mbslen(const char* text);
size_t _mbslen(const unsigned char* text);
// The next character, and the character `count` characters on (never past the terminator).
const char* _mbsinc(const char* text);
char* _mbsinc(char* text);
const unsigned char* _mbsinc(const unsigned char* text);
const char* _mbsninc(const char* text, size_t count);
char* _mbsninc(char* text, size_t count);
const unsigned char* _mbsninc(const unsigned char* text, size_t count);

// Bounded copy: copies the longest prefix of `src` that holds at most `count` bytes and fits in
// `destSize` bytes with its terminator, never cutting a character's sequence, and always
// terminates `dest`. Answers 0 when the first `count` bytes fitted whole, 80 (STRUNCATE) when
// the copy was cut short to fit `destSize`, 22 (EINVAL) for a null or empty destination.
int _mbsnbcpy_s(char* dest, size_t destSize, const char* src, size_t count);
int _mbsnbcpy_s(unsigned char* dest, size_t destSize, const unsigned char* src, size_t count);

// Case-insensitive comparison that folds ASCII letters only; other bytes compare by value.
int _tcsicmp(const char* a, const char* b);
int _tcscmpi(const char* a, const char* b);
// The same over at most `count` characters of each text.
int _tcsnicmp(const char* a, const char* b, size_t count);
int _tcsncmpi(const char* a, const char* b, size_t count);
