#include "output/file_export.h"

#include <cerrno>
#include <cstring>

#include "output/export_target.h"
#include "output/output_file.h"
#include "output/temporary_file.h"

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
    static TemporaryFile temporary;
    error = CreateTemporaryFile(target.path, &temporary);
    if (error != 0) {
        return error == kEveryNameTaken ? Result(kExportNoTemporaryFile, EEXIST)
                                        : Result(kExportOpenFailed, error);
    }
    error = WriteContent(&temporary.file, write, content);
    if (error == 0 && target.kind == kTargetFile) {
        error = SetPermissionBits(&temporary.file, target.permissions);
    }
    if (error == 0) {
        error = SyncOutputFile(&temporary.file);
    }
    if (error != 0) {
        DiscardTemporaryFile(&temporary);
        return Result(kExportWriteFailed, error);
    }
    error = PlaceTemporaryFile(&temporary, target);
    if (error != 0) {
        return error == kEveryNameTaken ? Result(kExportNoTemporaryFile, EEXIST)
                                        : Result(kExportReplaceFailed, error);
    }
    return Result(kExportDone, 0);
}
