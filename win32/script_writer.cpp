#include "win32/script_writer.h"

#include "win32/export_report.h"
#include "formats/script_export.h"
#include "win32/script_name_dialog.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"
#include "ui/view_transform.h"
#include "ui/resource.h"

void WriteScriptFile(HWND window) {
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_SCRIPT_NAME), window, ScriptNameDialogProc, 0);
    char fileName[kScriptBaseNameSize + 4];
    FormScriptFileName(scriptBaseName, fileName, sizeof fileName);
    // The script draws about the origin; the next drawing command sets its own.
    viewTransform.originX = 0.0f;
    viewTransform.originY = 0.0f;
    const DrawingScript script = {&gearGeometry,         &toothProfile,
                                  lastPointIndex,        gearGeometry.drawnToothCount,
                                  viewTransform.originX, viewTransform.originY};
    ShowExportResult(window, kScriptFile, fileName, ExportDrawingScript(fileName, script));
}
