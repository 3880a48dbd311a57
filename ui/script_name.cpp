#include "ui/script_name.h"

#include <cstdio>

#include "text/utf8.h"

// The bytes and places of the character at text; a byte that is no UTF-8 counts alone.
static int CharacterAt(const char* text, size_t* places) {
    unsigned c = 0;
    const int length = DecodeUtf8(text, &c);
    if (length == 0) {
        *places = 2;
        return 1;
    }
    *places = c < 0x80 ? 1 : 2;
    return length;
}

size_t NameWidth(const char* text) {
    size_t width = 0;
    while (*text != '\0') {
        size_t places = 0;
        text += CharacterAt(text, &places);
        width += places;
    }
    return width;
}

size_t CopyBaseName(const char* text, char* out) {
    size_t used = 0;
    size_t width = 0;
    while (text[used] != '\0') {
        size_t places = 0;
        const int length = CharacterAt(text + used, &places);
        if (width + places > kScriptBaseNameWidth || used + length > kScriptBaseNameSize - 1) {
            break;
        }
        for (int b = 0; b < length; b++) {
            out[used + b] = text[used + b];
        }
        used += length;
        width += places;
    }
    out[used] = '\0';
    return used;
}

void FormScriptFileName(const char* baseName, char* out, size_t size) {
    snprintf(out, size, "%s.scr", baseName);
}
