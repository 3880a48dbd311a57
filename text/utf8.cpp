#include "text/utf8.h"

static bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

int DecodeUtf8(const char* text, unsigned* codePoint) {
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text);
    if (b[0] == 0) {
        return 0;
    }
    if (b[0] < 0x80) {
        *codePoint = b[0];
        return 1;
    }
    int length = 0;
    unsigned value = 0;
    unsigned least = 0;  // the smallest code point that needs this many bytes
    if ((b[0] & 0xE0) == 0xC0) {
        length = 2;
        value = b[0] & 0x1F;
        least = 0x80;
    } else if ((b[0] & 0xF0) == 0xE0) {
        length = 3;
        value = b[0] & 0x0F;
        least = 0x800;
    } else if ((b[0] & 0xF8) == 0xF0) {
        length = 4;
        value = b[0] & 0x07;
        least = 0x10000;
    } else {
        return 0;
    }
    for (int i = 1; i < length; i++) {
        if (!IsContinuation(b[i])) {
            return 0;
        }
        value = (value << 6) | (b[i] & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    *codePoint = value;
    return length;
}

bool Utf8ToUtf16(const char* text, char16_t* out, size_t size) {
    if (size == 0) {
        return false;
    }
    size_t used = 0;
    while (*text != '\0') {
        unsigned c = 0;
        int length = DecodeUtf8(text, &c);
        if (length == 0) {
            c = kReplacementCharacter;
            length = 1;
        }
        const size_t units = c >= 0x10000 ? 2 : 1;
        if (used + units > size - 1) {
            out[used] = 0;
            return false;
        }
        if (units == 2) {
            out[used++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out[used++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out[used++] = static_cast<char16_t>(c);
        }
        text += length;
    }
    out[used] = 0;
    return true;
}

// Appends the UTF-8 bytes of c; false when they do not fit before the terminating zero.
static bool PutCharacter(unsigned c, char* out, size_t size, size_t* used) {
    char bytes[4];
    int length = 0;
    if (c < 0x80) {
        bytes[length++] = static_cast<char>(c);
    } else if (c < 0x800) {
        bytes[length++] = static_cast<char>(0xC0 | (c >> 6));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        bytes[length++] = static_cast<char>(0xE0 | (c >> 12));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    } else {
        bytes[length++] = static_cast<char>(0xF0 | (c >> 18));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        bytes[length++] = static_cast<char>(0x80 | (c & 0x3F));
    }
    if (*used + length > size - 1) {
        return false;
    }
    for (int i = 0; i < length; i++) {
        out[(*used)++] = bytes[i];
    }
    return true;
}

bool Utf16ToUtf8(const char16_t* text, char* out, size_t size) {
    if (size == 0) {
        return false;
    }
    size_t used = 0;
    bool fitted = true;
    for (size_t i = 0; text[i] != 0; i++) {
        unsigned c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            i++;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacementCharacter;  // a surrogate without its other half
        }
        if (!PutCharacter(c, out, size, &used)) {
            fitted = false;
            break;
        }
    }
    out[used] = '\0';
    return fitted;
}
