// The script file's name: the base name the user typed, in whole characters of code page
// 949 (a Korean syllable takes two bytes), with ".scr" appended. No platform types.
#pragma once

#include <cstddef>

// Size of the base name buffer, the terminating zero included.
const size_t kScriptBaseNameSize = 40;

// Copies the longest beginning of text that fits into size - 1 bytes without cutting a
// double-byte character in half; returns the bytes copied.
size_t CopyWholeCharacters(const char* text, char* out, size_t size);

// baseName followed by ".scr", always.
void FormScriptFileName(const char* baseName, char* out, size_t size);
