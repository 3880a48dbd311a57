// Writing a file without ever losing an existing one to a failed export, and without
// touching any file but the target: the content goes to a temporary file beside the target
// (temporary_file.h), which replaces the target only when every byte was written and which
// an export cut short does not leave behind.
// A symbolic link at the target is followed and kept, the file it leads to replaced; a
// device or a pipe is written into; a regular file keeps its permission bits, and a
// read-only one is refused. Every export of the program and the tool goes through here.
// No platform types.
#pragma once

#include <cstddef>

#include "output/output_sink.h"

// Longest file name, in bytes, that an export takes.
const size_t kMaxExportPathBytes = 1000;

enum ExportStage {
    kExportDone,
    kExportNameTooLong,
    kExportOpenFailed,
    kExportNoTemporaryFile,  // every name drawn for the temporary file was taken
    kExportWriteFailed,
    kExportReplaceFailed,
};

struct ExportResult {
    ExportStage stage;
    int error;  // the errno value of the failure, 0 where there is none
};

// Puts the whole content into sink; false when the content cannot be written at all.
typedef bool (*ContentWriter)(OutputSink* sink, const void* content);

ExportResult ExportFile(const char* fileName, ContentWriter write, const void* content);
