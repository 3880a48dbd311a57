#include "output/temporary_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "output/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include <cwchar>

#include "output/wide_path.h"

bool unnamedTemporaryFiles = false;

static HANDLE HandleOf(const TemporaryFile* temporary) {
    return reinterpret_cast<HANDLE>(temporary->file.handle);
}

// Marks the open file for deletion when its last handle closes, or takes the mark off.
static bool MarkForDeletion(HANDLE file, bool deleted) {
    FILE_DISPOSITION_INFO disposition = {static_cast<BOOLEAN>(deleted ? TRUE : FALSE)};
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition,
                                      sizeof disposition) != 0;
}

// A NameTaker: a new file at name, open for writing and for its rename (DELETE), marked
// for deletion at once.
static int CreateMarkedFile(const char* name, void* context) {
    TemporaryFile* temporary = static_cast<TemporaryFile*>(context);
    static wchar_t path[kWidePathUnits];
    if (!WidePath(name, path)) {
        return ENAMETOOLONG;
    }
    const HANDLE file = CreateFileW(path, GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return ErrnoOfLastError();
    }
    if (!MarkForDeletion(file, true)) {
        const int error = ErrnoOfLastError();
        CloseHandle(file);
        DeleteFileW(path);
        return error;
    }
    temporary->file.handle = reinterpret_cast<intptr_t>(file);
    temporary->file.error = 0;
    return 0;
}

int CreateTemporaryFile(const char* path, TemporaryFile* temporary) {
    temporary->named = true;
    return TakeFreshName(path, temporary->name, sizeof temporary->name, CreateMarkedFile,
                         temporary);
}

// Renames the open file to path (absolute, or from the current folder), replacing a file
// there.
static int RenameOpenFile(HANDLE file, const char* path) {
    static union {
        FILE_RENAME_INFO info;
        char bytes[sizeof(FILE_RENAME_INFO) + kWidePathUnits * sizeof(wchar_t)];
    } request;
    memset(&request, 0, sizeof request);
    if (!WidePath(path, request.info.FileName)) {
        return ENAMETOOLONG;
    }
    request.info.ReplaceIfExists = TRUE;
    request.info.RootDirectory = nullptr;
    request.info.FileNameLength =
        static_cast<DWORD>(wcslen(request.info.FileName) * sizeof(wchar_t));
    if (!SetFileInformationByHandle(file, FileRenameInfo, &request, sizeof request)) {
        return ErrnoOfLastError();
    }
    return 0;
}

// Windows renames no file that is marked for deletion: the mark comes off just before the
// rename and goes back on when the rename fails, so that closing the file removes it.
// Only a process killed between those two calls leaves the file behind. The file was
// flushed before: after the rename, closing it has nothing left to report.
int PlaceTemporaryFile(TemporaryFile* temporary, const ExportTarget& target) {
    const HANDLE file = HandleOf(temporary);
    int error = MarkForDeletion(file, false) ? 0 : ErrnoOfLastError();
    if (error == 0) {
        error = RenameOpenFile(file, target.path);
        if (error != 0) {
            MarkForDeletion(file, true);
        }
    }
    CloseHandle(file);
    return error;
}

void DiscardTemporaryFile(TemporaryFile* temporary) {
    CloseHandle(HandleOf(temporary));
}

// The system removes a file marked for deletion however the process ends.
void RemovePendingTemporaryFile() {}
#else
#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

bool unnamedTemporaryFiles = true;

// The name of the temporary file that stands in the folder, for the handler of the stop
// signals; null while there is none. It changes only while those signals are held.
static const char* volatile pendingName = nullptr;

// Holds SIGINT and SIGTERM while a name is made or removed and pendingName follows, so
// that the handler never misses a file of the export nor removes what is not one.
static void HoldStopSignals(sigset_t* held) {
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGINT);
    sigaddset(&stop, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stop, held);
}

static void ReleaseStopSignals(const sigset_t* held) {
    pthread_sigmask(SIG_SETMASK, held, nullptr);
}

void RemovePendingTemporaryFile() {
    const char* name = pendingName;
    if (name != nullptr) {
        unlink(name);
    }
}

// Removes the named temporary file and forgets it.
static void RemoveNamedFile(TemporaryFile* temporary) {
    sigset_t held;
    HoldStopSignals(&held);
    unlink(temporary->name);
    pendingName = nullptr;
    temporary->named = false;
    ReleaseStopSignals(&held);
}

// A NameTaker: a new file at name, open for writing. It never opens anything that is
// already there and never follows a symbolic link.
static int CreateNamedFile(const char* name, void* context) {
    TemporaryFile* temporary = static_cast<TemporaryFile*>(context);
    sigset_t held;
    HoldStopSignals(&held);
    const int fd = open(name, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    const int error = fd < 0 ? ErrnoOfLastError() : 0;
    if (fd >= 0) {
        pendingName = temporary->name;
        temporary->file.handle = fd;
        temporary->file.error = 0;
    }
    ReleaseStopSignals(&held);
    return error;
}

// The unnamed file is named through its entry in /proc: linkat with AT_EMPTY_PATH would
// need a privilege the user may not have.
static void ProcLinkOf(const TemporaryFile* temporary, char* link, size_t size) {
    snprintf(link, size, "/proc/self/fd/%d", static_cast<int>(temporary->file.handle));
}

// An unnamed file in path's folder, or an errno value when the file system or the system
// has none, or when /proc cannot name it later.
static int CreateUnnamedFile(const char* path, TemporaryFile* temporary) {
#ifdef O_TMPFILE
    char folder[kMaxTargetPathBytes];
    const size_t length = FolderLength(path);
    if (length >= sizeof folder) {
        return ENAMETOOLONG;
    }
    memcpy(folder, path, length);
    folder[length] = '\0';
    const int fd = open(length == 0 ? "." : folder, O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd < 0) {
        return ErrnoOfLastError();
    }
    temporary->file.handle = fd;
    temporary->file.error = 0;
    char link[32];
    ProcLinkOf(temporary, link, sizeof link);
    if (access(link, F_OK) != 0) {
        const int error = ErrnoOfLastError();
        close(fd);
        return error;
    }
    return 0;
#else
    (void)path;
    (void)temporary;
    return EOPNOTSUPP;
#endif
}

int CreateTemporaryFile(const char* path, TemporaryFile* temporary) {
    temporary->named = false;
    if (unnamedTemporaryFiles && CreateUnnamedFile(path, temporary) == 0) {
        return 0;
    }
    const int error =
        TakeFreshName(path, temporary->name, sizeof temporary->name, CreateNamedFile, temporary);
    temporary->named = error == 0;
    return error;
}

// Gives the unnamed file the name name: 0, EEXIST when something stands there, or an
// errno value. A name beside the target becomes pending; the target's own does not.
static int LinkUnnamedFile(TemporaryFile* temporary, const char* name, bool pending) {
    char link[32];
    ProcLinkOf(temporary, link, sizeof link);
    sigset_t held;
    HoldStopSignals(&held);
    const bool linked = linkat(AT_FDCWD, link, AT_FDCWD, name, AT_SYMLINK_FOLLOW) == 0;
    const int error = linked ? 0 : ErrnoOfLastError();
    if (linked && pending) {
        pendingName = temporary->name;
        temporary->named = true;
    }
    ReleaseStopSignals(&held);
    return error;
}

// A NameTaker: links the unnamed file at a fresh name beside the target.
static int LinkAtFreshName(const char* name, void* context) {
    return LinkUnnamedFile(static_cast<TemporaryFile*>(context), name, true);
}

// rename replaces the name to, whatever it is, and never writes through a link at it.
static int RenameOverTarget(TemporaryFile* temporary, const char* to) {
    sigset_t held;
    HoldStopSignals(&held);
    const bool renamed = rename(temporary->name, to) == 0;
    const int error = renamed ? 0 : ErrnoOfLastError();
    if (renamed) {
        pendingName = nullptr;
        temporary->named = false;
    }
    ReleaseStopSignals(&held);
    return error;
}

// The unnamed file takes a missing target's name at once. Over anything that is there it
// goes by a fresh name and a rename, as linkat replaces nothing: only SIGKILL between those
// two calls leaves that name behind. The file was synced before: closing it after the link
// has nothing left to report.
static int PlaceUnnamedFile(TemporaryFile* temporary, const ExportTarget& target) {
    int error = EEXIST;
    if (target.kind == kTargetMissing) {
        error = LinkUnnamedFile(temporary, target.path, false);
    }
    if (error == EEXIST) {
        error = TakeFreshName(target.path, temporary->name, sizeof temporary->name, LinkAtFreshName,
                              temporary);
        if (error == 0) {
            close(static_cast<int>(temporary->file.handle));
            error = RenameOverTarget(temporary, target.path);
            if (error != 0) {
                RemoveNamedFile(temporary);
            }
            return error;
        }
    }
    close(static_cast<int>(temporary->file.handle));
    return error;
}

int PlaceTemporaryFile(TemporaryFile* temporary, const ExportTarget& target) {
    if (!temporary->named) {
        return PlaceUnnamedFile(temporary, target);
    }
    int error = CloseOutputFile(&temporary->file);
    if (error == 0) {
        error = RenameOverTarget(temporary, target.path);
    }
    if (error != 0) {
        RemoveNamedFile(temporary);
    }
    return error;
}

void DiscardTemporaryFile(TemporaryFile* temporary) {
    close(static_cast<int>(temporary->file.handle));
    if (temporary->named) {
        RemoveNamedFile(temporary);
    }
}
#endif
