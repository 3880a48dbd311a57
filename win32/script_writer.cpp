#include "win32/script_writer.h"

#include "formats/script_export.h"
#include "ui/resource.h"
#include "win32/export_report.h"
#include "win32/program_language.h"
#include "win32/script_name_dialog.h"

void WriteScriptFile(HWND window, const Gear& gear) {
    RunDialog(window, IDD_SCRIPT_NAME, ScriptNameDialogProc, 0);
    char fileName[kScriptFileNameSize];
    FormScriptFileName(scriptBaseName, fileName, sizeof fileName);
    ShowExportResult(window, kScriptFile, fileName, ExportDrawingScript(fileName, gear));
}
