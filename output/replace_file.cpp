#include "output/replace_file.h"

#include <cstdio>

#include "output/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include <cerrno>

#include "output/wide_path.h"

// The C runtime's rename refuses an existing target on Windows.
int ReplaceFileWith(const char* from, const char* to) {
    static wchar_t wideFrom[kWidePathUnits];
    static wchar_t wideTo[kWidePathUnits];
    if (!WidePath(from, wideFrom) || !WidePath(to, wideTo)) {
        return ENAMETOOLONG;
    }
    if (MoveFileExW(wideFrom, wideTo, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    return ErrnoOfLastError();
}
#else
// rename replaces the name to, whatever it is, and never writes through a link at it.
int ReplaceFileWith(const char* from, const char* to) {
    return rename(from, to) == 0 ? 0 : ErrnoOfLastError();
}
#endif
