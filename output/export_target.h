// What an export's target name stands for: the file that is finally written (a chain of
// symbolic links followed to its end, so that the links stay) and what is there now.
// No platform types.
#pragma once

#include <cstddef>

enum TargetKind {
    kTargetMissing,  // nothing there yet: a new file is made
    kTargetFile,     // a regular file: replaced whole, keeping its permission bits
    kTargetFolder,   // a folder: its replacement fails, as any failed export does
    kTargetDevice,   // a device or a pipe, which cannot be replaced: written into
};

// Longest resolved path an export writes to, the terminating zero included.
const size_t kMaxTargetPathBytes = 4096;

struct ExportTarget {
    TargetKind kind;
    unsigned permissions;  // the rwx bits of a regular file (no set-id bits)
    bool readOnly;         // a regular file that must not be replaced
    char path[kMaxTargetPathBytes];
};

// Fills target for fileName: 0, or the errno value of why it cannot be found out.
int InspectExportTarget(const char* fileName, ExportTarget* target);
