// What the program remembers between runs, as text values under
// HKEY_CURRENT_USER\Software\Odontra. A value that is missing, of another type, too long
// or unreadable reads as not there: a damaged setting never stops the program.
#pragma once

#include <cstddef>

// True with the value (UTF-8) in out when it is there as a text that fits.
bool ReadSetting(const wchar_t* name, char* out, size_t size);

// Stores the value; a failure is not reported (the choice holds for this run).
void WriteSetting(const wchar_t* name, const char* value);
