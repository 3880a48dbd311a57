#include "ui/script_name.h"

#include <cstdio>

// A lead byte of code page 949 starts a two-byte character.
static size_t CharacterLength(const char* c) {
    const unsigned char lead = static_cast<unsigned char>(c[0]);
    if (lead >= 0x81 && lead <= 0xFE && c[1] != '\0') {
        return 2;
    }
    return 1;
}

size_t CopyWholeCharacters(const char* text, char* out, size_t size) {
    if (size == 0) {
        return 0;
    }
    size_t used = 0;
    while (text[used] != '\0') {
        const size_t length = CharacterLength(text + used);
        if (used + length > size - 1) {
            break;
        }
        for (size_t b = 0; b < length; b++) {
            out[used + b] = text[used + b];
        }
        used += length;
    }
    out[used] = '\0';
    return used;
}

void FormScriptFileName(const char* baseName, char* out, size_t size) {
    snprintf(out, size, "%s.scr", baseName);
}
