#include "formats/text_buffer.h"

#include <cmath>
#include <cstdio>
#include <cstring>

TextBuffer StartText(char* text, size_t size) {
    if (size > 0) {
        text[0] = '\0';
    }
    return {text, size, 0};
}

void AppendText(TextBuffer* buffer, const char* piece) {
    const size_t length = strlen(piece);
    if (buffer->size == 0 || buffer->used >= buffer->size - 1) {
        return;
    }
    const size_t room = buffer->size - 1 - buffer->used;
    const size_t n = length < room ? length : room;
    memcpy(buffer->text + buffer->used, piece, n);
    buffer->used += n;
    buffer->text[buffer->used] = '\0';
}

void FormatJsonNumber(double value, char* text, size_t size) {
    if (std::isfinite(value)) {
        snprintf(text, size, "%.17g", value);
    } else {
        snprintf(text, size, "null");
    }
}

void TrimTrailingBlanks(char* line) {
    size_t length = strlen(line);
    while (length > 0 && line[length - 1] == ' ') {
        line[--length] = '\0';
    }
}
