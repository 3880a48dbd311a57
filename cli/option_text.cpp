#include "cli/option_text.h"

#include <climits>
#include <cstdlib>
#include <cstring>

#include "text/utf8.h"

// The white space C's readers skip before a number; the tool takes it after one too.
static bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// The number's text without its blanks: from the returned start up to *end.
static const char* Unblanked(const char* text, const char** end) {
    while (IsBlank(*text)) {
        text++;
    }
    const char* last = text;
    for (const char* c = text; *c != '\0'; c++) {
        if (!IsBlank(*c)) {
            last = c + 1;
        }
    }
    *end = last;
    return text;
}

// "0x1.8p1" and "-0X10": strtod reads hexadecimal, which a designer never means and the
// program's dialog does not read.
static bool IsHexadecimal(const char* text) {
    if (*text == '+' || *text == '-') {
        text++;
    }
    return text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
}

bool ReadWholeNumberOption(const char* text, int* value) {
    const char* end = nullptr;
    const char* start = Unblanked(text, &end);
    char* stop = nullptr;
    const long v = strtol(start, &stop, 10);
    if (stop == start || stop != end) {
        return false;
    }
    // Beyond the int range the nearest int, as the dialog reads it: a whole number that
    // large is still one, and the field's range refuses it by name.
    *value = v < INT_MIN ? INT_MIN : v > INT_MAX ? INT_MAX : static_cast<int>(v);
    return true;
}

bool ReadNumberOption(const char* text, double* value) {
    const char* end = nullptr;
    const char* start = Unblanked(text, &end);
    if (IsHexadecimal(start)) {
        return false;
    }
    char* stop = nullptr;
    const double v = strtod(start, &stop);
    if (stop == start || stop != end) {
        return false;
    }
    *value = v;
    return true;
}

// Characters that change what a terminal shows without being seen: the C1 controls (0x9b
// starts an escape sequence like ESC [), the controls of the writing direction, which can
// reorder the rest of the line, the line and paragraph separators, and the byte order mark.
static bool IsHiddenControl(unsigned c) {
    return (c >= 0x80 && c <= 0x9f) || c == 0x61c || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || c == 0xfeff;
}

void PrintEscaped(FILE* stream, const char* text) {
    while (*text != '\0') {
        unsigned c = 0;
        const int length = DecodeUtf8(text, &c);
        if (length == 0) {
            // A byte that is no UTF-8: shown, never passed to the terminal.
            fprintf(stream, "\\x%02x", static_cast<unsigned char>(*text));
            text++;
            continue;
        }
        if (c == '\n') {
            fputs("\\n", stream);
        } else if (c == '\t') {
            fputs("\\t", stream);
        } else if (c == '\r') {
            fputs("\\r", stream);
        } else if (c < 0x20 || c == 0x7f) {
            fprintf(stream, "\\x%02x", c);
        } else if (IsHiddenControl(c)) {
            fprintf(stream, "\\u%04x", c);
        } else {
            fwrite(text, 1, static_cast<size_t>(length), stream);
        }
        text += length;
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

void PrintRefusal(const char* sentence) {
    fputs("involute: ", stderr);
    for (const char* c = sentence; *c != '\0'; c++) {
        fputc(*c == '\n' ? ' ' : *c, stderr);
    }
    fputc('\n', stderr);
}
