// The script file's name: the base name the user typed, held to the room the name has
// always had (39 places, where a character beyond ASCII takes two, as a Korean syllable
// does in code page 949), with ".scr" appended. UTF-8. No platform types.
#pragma once

#include <cstddef>

// Places in a base name; a character below U+0080 takes one, any other two.
const size_t kScriptBaseNameWidth = 39;

// Bytes of a base name in UTF-8 with its terminating zero: the widest name of four-byte
// characters fits.
const size_t kScriptBaseNameSize = 2 * kScriptBaseNameWidth + 2;

// Bytes of the whole file name, ".scr" and the terminating zero included.
const size_t kScriptFileNameSize = kScriptBaseNameSize + 4;

// Places the UTF-8 text takes.
size_t NameWidth(const char* text);

// Copies the longest beginning of text that takes at most kScriptBaseNameWidth places,
// in whole characters, into out (kScriptBaseNameSize bytes); returns the bytes copied.
size_t CopyBaseName(const char* text, char* out);

// baseName followed by ".scr", always.
void FormScriptFileName(const char* baseName, char* out, size_t size);
