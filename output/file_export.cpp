#include "output/file_export.h"

#include <cerrno>
#include <cstring>

#include "output/export_target.h"
#include "output/output_file.h"
#include "output/replace_file.h"
#include "output/temporary_name.h"

// A name already taken is drawn again; after this many draws something is wrong.
static const int kTemporaryNameDraws = 16;

static ExportResult Result(ExportStage stage, int error) {
    ExportResult result;
    result.stage = stage;
    result.error = error;
    return result;
}

// Puts the whole content through one block buffer into file: 0 or an errno value.
static int WriteContent(OutputFile* file, ContentWriter write, const void* content) {
    static OutputSink sink;
    OpenSink(&sink, WriteToOutputFile, file);
    bool written = write(&sink, content);
    written = CloseSink(&sink) && written;
    if (written) {
        return 0;
    }
    return file->error != 0 ? file->error : EIO;
}

// A device or a pipe cannot be replaced by another file: the content goes into it.
static ExportResult WriteIntoDevice(const char* path, ContentWriter write, const void* content) {
    OutputFile file;
    int error = OpenDeviceFile(path, &file);
    if (error != 0) {
        return Result(kExportOpenFailed, error);
    }
    error = WriteContent(&file, write, content);
    const int closeError = CloseOutputFile(&file);
    if (error == 0) {
        error = closeError;
    }
    return error == 0 ? Result(kExportDone, 0) : Result(kExportWriteFailed, error);
}

// Makes a new file under a fresh random name beside target: 0 or an errno value.
static int CreateTemporaryFile(const char* target, char* name, size_t size, OutputFile* file) {
    int error = EEXIST;
    for (int draw = 0; draw < kTemporaryNameDraws && error == EEXIST; draw++) {
        if (!FormTemporaryName(target, name, size)) {
            return EIO;
        }
        error = CreateNewFile(name, file);
    }
    return error;
}

ExportResult ExportFile(const char* fileName, ContentWriter write, const void* content) {
    if (strlen(fileName) > kMaxExportPathBytes) {
        return Result(kExportNameTooLong, ENAMETOOLONG);
    }
    if (fileName[0] == '\0') {
        return Result(kExportOpenFailed, ENOENT);
    }
    static ExportTarget target;
    int error = InspectExportTarget(fileName, &target);
    if (error != 0) {
        return Result(kExportOpenFailed, error);
    }
    if (target.kind == kTargetDevice) {
        return WriteIntoDevice(target.path, write, content);
    }
    // Windows refuses to replace a read-only file; every build refuses it alike.
    if (target.kind == kTargetFile && target.readOnly) {
        return Result(kExportOpenFailed, EACCES);
    }
    char temporaryName[kMaxTargetPathBytes + kTemporaryNameBytes];
    OutputFile file;
    error = CreateTemporaryFile(target.path, temporaryName, sizeof temporaryName, &file);
    if (error != 0) {
        return Result(kExportOpenFailed, error);
    }
    error = WriteContent(&file, write, content);
    if (error == 0 && target.kind == kTargetFile) {
        error = SetPermissionBits(&file, target.permissions);
    }
    if (error == 0) {
        error = SyncOutputFile(&file);
    }
    const int closeError = CloseOutputFile(&file);
    if (error == 0) {
        error = closeError;
    }
    if (error != 0) {
        RemoveFile(temporaryName);
        return Result(kExportWriteFailed, error);
    }
    error = ReplaceFileWith(temporaryName, target.path);
    if (error != 0) {
        RemoveFile(temporaryName);
        return Result(kExportReplaceFailed, error);
    }
    return Result(kExportDone, 0);
}
