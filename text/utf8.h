// UTF-8, the encoding of every text inside the program, and UTF-16, the encoding of the
// Win32 edge: one character decoded at a time, and whole texts converted into buffers of
// a given size. Invalid input becomes U+FFFD, never a wrong character. No platform types.
#pragma once

#include <cstddef>

// The character U+FFFD that stands for bytes that are no UTF-8.
const unsigned kReplacementCharacter = 0xFFFD;

// The length in bytes (1 to 4) of the well-formed UTF-8 character at text, with its code
// point in *codePoint; 0 when the bytes there are no character (an invalid or cut-off
// sequence, an overlong form or a surrogate), or at the terminating zero.
int DecodeUtf8(const char* text, unsigned* codePoint);

// Converts the zero-terminated UTF-8 text into UTF-16 in out (size units, the terminating
// zero included). False, with out holding what fitted, when it did not fit.
bool Utf8ToUtf16(const char* text, char16_t* out, size_t size);

// Converts the zero-terminated UTF-16 text into UTF-8 in out (size bytes, the terminating
// zero included), never cutting a character. False when it did not fit.
bool Utf16ToUtf8(const char16_t* text, char* out, size_t size);
