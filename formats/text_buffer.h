// Text put together piece by piece into a buffer of a given size, never past it, always
// zero-terminated; and the numbers of the JSON reports. No platform types.
#pragma once

#include <cstddef>

struct TextBuffer {
    char* text;
    size_t size;
    size_t used;
};

// An empty text in the size bytes at text.
TextBuffer StartText(char* text, size_t size);

// Appends piece, as much as fits.
void AppendText(TextBuffer* buffer, const char* piece);

// A JSON number with 17 significant digits, enough to read back the same double; null for
// a value that is not a finite number.
void FormatJsonNumber(double value, char* text, size_t size);

// Cuts the blanks off the end of line.
void TrimTrailingBlanks(char* line);
