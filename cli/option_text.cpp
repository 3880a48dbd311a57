#include "cli/option_text.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

bool ReadWholeNumberOption(const char* text, int* value) {
    char* end = nullptr;
    errno = 0;
    const long v = strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
        return false;
    }
    *value = static_cast<int>(v);
    return true;
}

bool ReadNumberOption(const char* text, double* value) {
    char* end = nullptr;
    const double v = strtod(text, &end);
    if (end == text || *end != '\0') {
        return false;
    }
    *value = v;
    return true;
}

void PrintEscaped(FILE* stream, const char* text) {
    for (const char* c = text; *c != '\0'; c++) {
        const unsigned char byte = static_cast<unsigned char>(*c);
        const unsigned char next = static_cast<unsigned char>(c[1]);
        if (byte == 0xc2 && next >= 0x80 && next <= 0x9f) {
            // A C1 control in UTF-8 (0x9b starts an escape sequence like ESC [).
            fprintf(stream, "\\u%04x", next);
            c++;
        } else if (byte == '\n') {
            fputs("\\n", stream);
        } else if (byte == '\t') {
            fputs("\\t", stream);
        } else if (byte == '\r') {
            fputs("\\r", stream);
        } else if (byte < 0x20 || byte == 0x7f || byte == 0x9b) {
            // 0x9b alone is the one-byte form of ESC [ on terminals that take 8-bit controls.
            fprintf(stream, "\\x%02x", byte);
        } else {
            fputc(byte, stream);
        }
    }
}

void PrintNotANumber(const char* option, const char* text, bool wholeNumber) {
    fprintf(stderr, "involute: %s: '", option);
    PrintEscaped(stderr, text);
    fprintf(stderr, "' is not %s\n", wholeNumber ? "a whole number" : "a number");
}

// The value of "--name VALUE" or "--name=VALUE" at argv[at], or null when argv[at] is
// another option; *taken is the number of words used.
const char* OptionValueAt(const char* name, int argc, char** argv, int at, int* taken,
                          bool* missing) {
    const char* word = argv[at];
    const size_t length = strlen(name);
    *missing = false;
    if (strncmp(word, name, length) != 0) {
        return nullptr;
    }
    if (word[length] == '=') {
        *taken = 1;
        return word + length + 1;
    }
    if (word[length] != '\0') {
        return nullptr;
    }
    if (at + 1 >= argc) {
        *missing = true;
        fprintf(stderr, "involute: %s needs a value\n", name);
        return nullptr;
    }
    *taken = 2;
    return argv[at + 1];
}
