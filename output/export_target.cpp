#include "output/export_target.h"

#include <cerrno>
#include <cstring>

#include "output/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include "output/wide_path.h"

// The name opened without access rights: it only tells what is there, following links.
static HANDLE OpenForQuery(const char* name) {
    static wchar_t path[kWidePathUnits];
    if (!WidePath(name, path)) {
        SetLastError(ERROR_FILENAME_EXCED_RANGE);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

// The final path of the open file: where a chain of links or junctions leads, so that the
// file there is replaced and the links stay.
static int ResolveLinks(HANDLE file, ExportTarget* target) {
    static wchar_t path[kWidePathUnits];
    const DWORD length = GetFinalPathNameByHandleW(file, path, kWidePathUnits,
                                                   FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) {
        return ErrnoOfLastError();
    }
    if (length >= kWidePathUnits || !NarrowPath(path, target->path, sizeof target->path)) {
        return ENAMETOOLONG;
    }
    return 0;
}

static int InspectExisting(const char* fileName, ExportTarget* target) {
    HANDLE file = OpenForQuery(fileName);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0
                                                                              : ErrnoOfLastError();
    }
    int error = 0;
    BY_HANDLE_FILE_INFORMATION information;
    if (GetFileType(file) != FILE_TYPE_DISK) {
        target->kind = kTargetDevice;
    } else if (!GetFileInformationByHandle(file, &information)) {
        error = ErrnoOfLastError();
    } else if (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        target->kind = kTargetFolder;
    } else {
        target->kind = kTargetFile;
        target->readOnly = (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
        error = ResolveLinks(file, target);
    }
    CloseHandle(file);
    return error;
}
#else
#include <sys/stat.h>
#include <unistd.h>

// As many links in a row as the system itself follows before it gives up.
static const int kMostLinksInARow = 40;

// Replaces path by where the link at path points: an absolute link as it is, a relative
// one from the folder the link stands in.
static int FollowLink(char* path, size_t size) {
    char link[kMaxTargetPathBytes];
    const ssize_t length = readlink(path, link, sizeof link);
    if (length < 0) {
        return ErrnoOfLastError();
    }
    const size_t count = static_cast<size_t>(length);
    size_t keep = 0;
    if (count > 0 && link[0] != '/') {
        const char* slash = strrchr(path, '/');
        keep = slash == nullptr ? 0 : static_cast<size_t>(slash - path) + 1;
    }
    if (count >= sizeof link || keep + count >= size) {
        return ENAMETOOLONG;
    }
    memcpy(path + keep, link, count);
    path[keep + count] = '\0';
    return 0;
}

// Mode bits tell a read-only file even to root, for whom access() allows everything.
static bool IsReadOnly(const char* path, const struct stat& status) {
    return (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || access(path, W_OK) != 0;
}

static int InspectExisting(const char*, ExportTarget* target) {
    struct stat status;
    for (int links = 0;; links++) {
        if (lstat(target->path, &status) != 0) {
            return errno == ENOENT ? 0 : ErrnoOfLastError();
        }
        if (!S_ISLNK(status.st_mode)) {
            break;
        }
        if (links == kMostLinksInARow) {
            return ELOOP;
        }
        const int error = FollowLink(target->path, sizeof target->path);
        if (error != 0) {
            return error;
        }
    }
    if (S_ISREG(status.st_mode)) {
        target->kind = kTargetFile;
        target->permissions = status.st_mode & (S_IRWXU | S_IRWXG | S_IRWXO);
        target->readOnly = IsReadOnly(target->path, status);
    } else if (S_ISDIR(status.st_mode)) {
        target->kind = kTargetFolder;
    } else {
        target->kind = kTargetDevice;
    }
    return 0;
}
#endif

int InspectExportTarget(const char* fileName, ExportTarget* target) {
    target->kind = kTargetMissing;
    target->permissions = 0;
    target->readOnly = false;
    const size_t length = strlen(fileName);
    if (length >= sizeof target->path) {
        return ENAMETOOLONG;
    }
    memcpy(target->path, fileName, length + 1);
    return InspectExisting(fileName, target);
}
