#include "win32/export_report.h"

void ShowExportResult(HWND window, ExportKind kind, const char* fileName,
                      const ExportResult& result) {
    char text[kMaxExportPathBytes + 256];
    if (result.stage == kExportDone) {
        FormatExportNotice(kind, fileName, text, sizeof text);
        MessageBoxA(window, text, "알림 메세지", MB_OK);
    } else {
        FormatExportFailure(kind, fileName, result, text, sizeof text);
        MessageBoxA(window, text, "오류 메세지", MB_OK | MB_ICONERROR);
    }
}
