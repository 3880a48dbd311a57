// Writing a file without ever losing an existing one to a failed export: the content goes
// to a temporary file beside the target, which replaces the target only when every byte
// was written. Every export of the program and the tool goes through here. No platform
// types.
#pragma once

#include <cstddef>

#include "export/output_sink.h"

// Longest file name, in bytes, that an export takes.
const size_t kMaxExportPathBytes = 1000;

enum ExportStage {
    kExportDone,
    kExportNameTooLong,
    kExportOpenFailed,
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
