#include "win32/script_writer.h"

#include "formats/script_export.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"
#include "ui/resource.h"
#include "ui/view_transform.h"
#include "win32/export_report.h"
#include "win32/program_language.h"
#include "win32/script_name_dialog.h"

void WriteScriptFile(HWND window) {
    RunDialog(window, IDD_SCRIPT_NAME, ScriptNameDialogProc, 0);
    char fileName[kScriptFileNameSize];
    FormScriptFileName(scriptBaseName, fileName, sizeof fileName);
    // The script draws about the origin; the next drawing command sets its own.
    viewTransform.originX = 0.0f;
    viewTransform.originY = 0.0f;
    const DrawingScript script = {&gearGeometry,         &toothProfile,
                                  lastPointIndex,        gearGeometry.drawnToothCount,
                                  viewTransform.originX, viewTransform.originY};
    ShowExportResult(window, kScriptFile, fileName, ExportDrawingScript(fileName, script));
}
