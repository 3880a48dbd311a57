#include "export/file_export.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "export/replace_file.h"

static ExportResult Result(ExportStage stage, int error) {
    ExportResult result;
    result.stage = stage;
    result.error = error;
    return result;
}

static bool WriteToFile(void* target, const char* bytes, size_t count) {
    return fwrite(bytes, 1, count, static_cast<FILE*>(target)) == count;
}

ExportResult ExportFile(const char* fileName, ContentWriter write, const void* content) {
    static const char kSuffix[] = ".~tmp";
    if (strlen(fileName) > kMaxExportPathBytes) {
        return Result(kExportNameTooLong, ENAMETOOLONG);
    }
    char temporaryName[kMaxExportPathBytes + sizeof kSuffix];
    snprintf(temporaryName, sizeof temporaryName, "%s%s", fileName, kSuffix);

    errno = 0;
    FILE* file = fopen(temporaryName, "wb");
    if (file == nullptr) {
        return Result(kExportOpenFailed, errno);
    }
    static OutputSink sink;
    OpenSink(&sink, WriteToFile, file);
    errno = 0;
    bool written = write(&sink, content);
    written = CloseSink(&sink) && written;
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
