#include "ui/export_message.h"

#include <cerrno>
#include <cstdio>

// What the notice calls each kind of file, and what the failure calls it.
struct KindText {
    const char* notice;
    const char* name;
};

static KindText TextOf(ExportKind kind) {
    switch (kind) {
        case kDxfFile:
            return {"DXF 도면", "DXF"};
        case kSvgFile:
            return {"SVG 그림", "SVG"};
        case kScriptFile:
            break;
    }
    return {"AutoCad 용 script", "script"};
}

void FormatExportNotice(ExportKind kind, const char* fileName, char* text, size_t size) {
    snprintf(text, size, "%s 화일 %s가 만들어 졌습니다.\n", TextOf(kind).notice, fileName);
}

static const char* ReasonOf(const ExportResult& result) {
    switch (result.error) {
        case ENOENT:
            return "폴더가 없거나 화일 이름이 올바르지 않습니다.";
        case EACCES:
        case EPERM:
        case EROFS:
            return "쓰기 권한이 없거나 다른 프로그램이 화일을 사용하고 있습니다.";
        case ENOSPC:
            return "디스크에 빈 공간이 없습니다.";
        case EINVAL:
        case ENAMETOOLONG:
            return "화일 이름이 올바르지 않습니다.";
        case EISDIR:
            return "같은 이름의 폴더가 있습니다.";
        default:
            break;
    }
    return result.stage == kExportOpenFailed ? "화일을 열 수 없습니다."
                                             : "화일을 쓰는 중에 오류가 났습니다.";
}

void FormatExportFailure(ExportKind kind, const char* fileName, const ExportResult& result,
                         char* text, size_t size) {
    snprintf(text, size, "%s 화일 %s을(를) 만들지 못했습니다.\n%s\n", TextOf(kind).name, fileName,
             ReasonOf(result));
}
