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
