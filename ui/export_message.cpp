#include "ui/export_message.h"

#include <cerrno>
#include <cstdio>

// What the notice calls each kind of file, and what the failure calls it.
struct KindText {
    TextId notice;
    TextId name;
};

static KindText TextOf(ExportKind kind) {
    switch (kind) {
        case kDxfFile:
            return {kTextDxfKindNotice, kTextDxfKindName};
        case kSvgFile:
            return {kTextSvgKindNotice, kTextSvgKindName};
        case kScriptFile:
            break;
    }
    return {kTextScriptKindNotice, kTextScriptKindName};
}

void FormatExportNotice(ExportKind kind, const char* fileName, Language language, char* text,
                        size_t size) {
    snprintf(text, size, Text(kTextExportNotice, language), Text(TextOf(kind).notice, language),
             fileName);
}

static TextId ReasonOf(const ExportResult& result) {
    if (result.stage == kExportNoTemporaryFile) {
        return kTextReasonNoTemporaryFile;
    }
    switch (result.error) {
        case ENOENT:
            return kTextReasonNoFolder;
        case EACCES:
        case EPERM:
        case EROFS:
            return kTextReasonNoPermission;
        case ENOSPC:
            return kTextReasonDiskFull;
        case EINVAL:
        case ENAMETOOLONG:
            return kTextReasonBadName;
        case EISDIR:
            return kTextReasonFolderThere;
        default:
            break;
    }
    return result.stage == kExportOpenFailed ? kTextReasonCannotOpen : kTextReasonWriteFailed;
}

void FormatExportFailure(ExportKind kind, const char* fileName, const ExportResult& result,
                         Language language, char* text, size_t size) {
    snprintf(text, size, Text(kTextExportFailure, language), Text(TextOf(kind).name, language),
             fileName, Text(ReasonOf(result), language));
}
