// Reading an option's value strictly, and echoing what was typed on one line: control
// characters shown escaped, so a refused value cannot break or colour the message.
#pragma once

#include <cstdio>

// The whole text is a whole number in the int range.
bool ReadWholeNumberOption(const char* text, int* value);

// The whole text is a number as strtod reads it.
bool ReadNumberOption(const char* text, double* value);

// Writes text with \n, \t, \r, \xHH for other control bytes and \u00HH for C1 controls.
void PrintEscaped(FILE* stream, const char* text);

// "involute: OPTION: 'TEXT' is not a (whole) number", TEXT escaped.
void PrintNotANumber(const char* option, const char* text, bool wholeNumber);

// The value of "--name VALUE" or "--name=VALUE" at argv[at], or null when argv[at] is
// another option; *taken is the number of words used. A missing value is said on stderr and
// sets *missing.
const char* OptionValueAt(const char* name, int argc, char** argv, int at, int* taken,
                          bool* missing);
