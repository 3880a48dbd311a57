#include "output/output_file.h"

#include <cerrno>

#include "output/system_error.h"

#ifdef _WIN32
#include <windows.h>

#include "output/wide_path.h"

static HANDLE HandleOf(const OutputFile* file) {
    return reinterpret_cast<HANDLE>(file->handle);
}

static int Opened(HANDLE handle, OutputFile* file) {
    if (handle == INVALID_HANDLE_VALUE) {
        return ErrnoOfLastError();
    }
    file->handle = reinterpret_cast<intptr_t>(handle);
    file->error = 0;
    return 0;
}

int OpenDeviceFile(const char* name, OutputFile* file) {
    static wchar_t path[kWidePathUnits];
    if (!WidePath(name, path)) {
        return ENAMETOOLONG;
    }
    return Opened(CreateFileW(path, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr),
                  file);
}

bool WriteToOutputFile(void* target, const char* bytes, size_t count) {
    OutputFile* file = static_cast<OutputFile*>(target);
    while (count > 0) {
        const DWORD part = count < 0x40000000 ? static_cast<DWORD>(count) : 0x40000000;
        DWORD written = 0;
        if (!WriteFile(HandleOf(file), bytes, part, &written, nullptr) || written == 0) {
            file->error = ErrnoOfLastError();
            return false;
        }
        bytes += written;
        count -= written;
    }
    return true;
}

int SetPermissionBits(OutputFile*, unsigned) {
    return 0;
}

int SyncOutputFile(OutputFile* file) {
    return FlushFileBuffers(HandleOf(file)) ? 0 : ErrnoOfLastError();
}

int CloseOutputFile(OutputFile* file) {
    return CloseHandle(HandleOf(file)) ? 0 : ErrnoOfLastError();
}
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static int Opened(int fd, OutputFile* file) {
    if (fd < 0) {
        return ErrnoOfLastError();
    }
    file->handle = fd;
    file->error = 0;
    return 0;
}

// A reader that starts with the export may open the pipe a moment after it: the open is
// tried again for about this long before the pipe counts as having none.
static const long kReaderWaitMilliseconds = 1000;
static const long kReaderPollMilliseconds = 10;

// O_NONBLOCK only for the open: a pipe without a reader fails (ENXIO) instead of hanging;
// the writes then wait as they should.
int OpenDeviceFile(const char* name, OutputFile* file) {
    const int flags = O_WRONLY | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    int fd = open(name, flags);
    for (long waited = 0; fd < 0 && errno == ENXIO && waited < kReaderWaitMilliseconds;
         waited += kReaderPollMilliseconds) {
        const timespec pause = {0, kReaderPollMilliseconds * 1000000};
        nanosleep(&pause, nullptr);
        fd = open(name, flags);
    }
    if (fd < 0) {
        return ErrnoOfLastError();
    }
    const int status = fcntl(fd, F_GETFL);
    if (status == -1 || fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        const int error = ErrnoOfLastError();
        close(fd);
        return error;
    }
    return Opened(fd, file);
}

bool WriteToOutputFile(void* target, const char* bytes, size_t count) {
    OutputFile* file = static_cast<OutputFile*>(target);
    while (count > 0) {
        const ssize_t written = write(static_cast<int>(file->handle), bytes, count);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            file->error = written < 0 ? ErrnoOfLastError() : EIO;
            return false;
        }
        bytes += written;
        count -= static_cast<size_t>(written);
    }
    return true;
}

int SetPermissionBits(OutputFile* file, unsigned permissions) {
    return fchmod(static_cast<int>(file->handle), permissions) == 0 ? 0 : ErrnoOfLastError();
}

int SyncOutputFile(OutputFile* file) {
    return fsync(static_cast<int>(file->handle)) == 0 ? 0 : ErrnoOfLastError();
}

int CloseOutputFile(OutputFile* file) {
    return close(static_cast<int>(file->handle)) == 0 ? 0 : ErrnoOfLastError();
}
#endif
