#include "win32/export_report.h"

#include "win32/program_language.h"
#include "win32/wide_text.h"

void ShowExportResult(HWND window, ExportKind kind, const char* fileName,
                      const ExportResult& result) {
    char text[4 * kMaxExportPathBytes + 1024];
    if (result.stage == kExportDone) {
        FormatExportNotice(kind, fileName, programLanguage, text, sizeof text);
        MessageBoxUtf8(window, text, UiText(kTextNoticeCaption), MB_OK);
    } else {
        FormatExportFailure(kind, fileName, result, programLanguage, text, sizeof text);
        MessageBoxUtf8(window, text, UiText(kTextErrorCaption), MB_OK | MB_ICONERROR);
    }
}
