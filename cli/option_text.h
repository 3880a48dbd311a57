// Reading an option's value strictly, and echoing what was typed on one line: controls
// and bytes that are no UTF-8 shown escaped, so a refused value can neither break the
// message's line nor colour or reorder what the terminal shows.
#pragma once

#include <cstdio>

// The whole text, blanks on either side allowed, is a whole number; beyond the int range
// value is the nearest int.
bool ReadWholeNumberOption(const char* text, int* value);

// The whole text, blanks on either side allowed, is a decimal number as strtod reads it
// ("nan" and "inf" included, for the limits to refuse); hexadecimal is not a number here.
bool ReadNumberOption(const char* text, double* value);

// Writes text with \n, \t, \r, \xHH for other control bytes and for bytes that are no
// UTF-8, and \uHHHH for C1 controls, direction controls, line and paragraph separators and
// the byte order mark; every other character as it is.
void PrintEscaped(FILE* stream, const char* text);

// "involute: OPTION: 'TEXT' is not a (whole) number", TEXT escaped.
void PrintNotANumber(const char* option, const char* text, bool wholeNumber);

// The value of "--name VALUE" or "--name=VALUE" at argv[at], or null when argv[at] is
// another option; *taken is the number of words used. A missing value is said on stderr and
// sets *missing.
const char* OptionValueAt(const char* name, int argc, char** argv, int at, int* taken,
                          bool* missing);

// Prints "involute: " and the refusal's sentence on stderr as one line: the line breaks the
// dialogs' sentences have become blanks.
void PrintRefusal(const char* sentence);
