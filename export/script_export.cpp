#include "export/script_export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "export/replace_file.h"

static ScriptExportResult Result(ScriptExportStage stage, int error) {
    ScriptExportResult result;
    result.stage = stage;
    result.error = error;
    return result;
}

ScriptExportResult ExportDrawingScript(const char* fileName, const DrawingScript& script) {
    static const char kSuffix[] = ".~tmp";
    if (strlen(fileName) > kMaxScriptPathBytes) {
        return Result(kExportNameTooLong, ENAMETOOLONG);
    }
    char temporaryName[kMaxScriptPathBytes + sizeof kSuffix];
    snprintf(temporaryName, sizeof temporaryName, "%s%s", fileName, kSuffix);

    errno = 0;
    FILE* file = fopen(temporaryName, "wb");
    if (file == nullptr) {
        return Result(kExportOpenFailed, errno);
    }
    bool written = WriteDrawingScript(file, script);
    int error = errno;
    if (fflush(file) != 0) {
        written = false;
        error = errno;
    }
    if (fclose(file) != 0) {
        written = false;
        error = errno;
    }
    if (!written) {
        remove(temporaryName);
        return Result(kExportWriteFailed, error != 0 ? error : EIO);
    }
    error = ReplaceFileWith(temporaryName, fileName);
    if (error != 0) {
        remove(temporaryName);
        return Result(kExportReplaceFailed, error);
    }
    return Result(kExportDone, 0);
}
