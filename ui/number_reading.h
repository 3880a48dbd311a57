// Reading the numbers typed into the data input dialog the way atoi and atof read them,
// without their undefined behaviour for numbers out of range. No platform types.
#pragma once

// atoi's result wherever atoi is defined; beyond the int range the nearest int.
int ReadIntegerText(const char* text);

// atof's result wherever atof is defined; beyond the double range +-HUGE_VAL.
double ReadRealText(const char* text);

// True when the text, spaces around it aside, is one number as strtod reads it, finite.
bool ReadWholeRealText(const char* text, double* value);
