#include "export/replace_file.h"

#include <cerrno>
#include <cstdio>

#ifdef _WIN32
#include <windows.h>

// The C runtime's rename refuses an existing target on Windows.
int ReplaceFileWith(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return 0;
    }
    switch (GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
            return EACCES;
        default:
            return EIO;
    }
}
#else
int ReplaceFileWith(const char* from, const char* to) {
    return rename(from, to) == 0 ? 0 : errno;
}
#endif
