// Writing the drawing script to a named file without ever losing an existing file to a
// failed export: the script goes to a temporary file beside the target, which replaces
// the target only when every byte was written. No platform types.
#pragma once

#include <cstddef>

#include "export/script_text.h"

// Longest file name, in bytes, that an export takes.
const size_t kMaxScriptPathBytes = 1000;

enum ScriptExportStage {
    kExportDone,
    kExportNameTooLong,
    kExportOpenFailed,
    kExportWriteFailed,
    kExportReplaceFailed,
};

struct ScriptExportResult {
    ScriptExportStage stage;
    int error;  // the errno value of the failure, 0 where there is none
};

ScriptExportResult ExportDrawingScript(const char* fileName, const DrawingScript& script);
