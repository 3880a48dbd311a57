// The file an export writes into, opened and written with the platform's own calls (open
// and write, CreateFile and WriteFile): no C runtime buffer between the sink's blocks and
// the system. No platform types.
#pragma once

#include <cstddef>
#include <cstdint>

struct OutputFile {
    intptr_t handle;  // the descriptor, or the Windows HANDLE
    int error;        // the errno value of the first write that failed, else 0
};

// Opens the device or pipe at name for writing (a resolved path: on POSIX no link is
// followed). A pipe that nobody opens for reading within about a second is refused (ENXIO),
// never waited for. 0 or an errno value.
int OpenDeviceFile(const char* name, OutputFile* file);

// An OutputFlush: writes all count bytes to the OutputFile target.
bool WriteToOutputFile(void* target, const char* bytes, size_t count);

// Gives the file the rwx bits permissions; does nothing on Windows. 0 or an errno value.
int SetPermissionBits(OutputFile* file, unsigned permissions);

// Waits until what was written is on the disk, so that a rename over the target never
// leaves an empty file after a power loss. 0 or an errno value.
int SyncOutputFile(OutputFile* file);

// 0 or an errno value.
int CloseOutputFile(OutputFile* file);
