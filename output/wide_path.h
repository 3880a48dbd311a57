// File names are UTF-8 inside the program; Windows' file calls take them as UTF-16, so that
// any name works whatever the code page. Only the Windows side of the output uses this.
#pragma once

#include <cstddef>

#ifdef _WIN32
// Longest path, in wide characters with the zero.
const size_t kWidePathUnits = 4096;

// The UTF-8 name as a wide path in out (kWidePathUnits); false when it does not fit.
bool WidePath(const char* name, wchar_t* out);

// The wide path as UTF-8 in out (size bytes); false when it does not fit.
bool NarrowPath(const wchar_t* path, char* out, size_t size);
#endif
