#include "export/drawing_writer.h"

#include "export/cad_export.h"
#include "export/export_message.h"
#include "export/save_as_dialog.h"
#include "model/gear_parameters.h"
#include "model/tooth_profile.h"

// The drawing of the gear the program shows, about the origin.
static CadDrawing CurrentDrawing() {
    return {&gearGeometry, &toothProfile, lastPointIndex, gearParameters.filletDivisions,
            gearGeometry.drawnToothCount};
}

static void ReportExport(HWND window, ExportKind kind, const char* fileName,
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

void WriteDxfFile(HWND window) {
    static const SaveAsChoice choice = {"DXF drawing (*.dxf)\0*.dxf\0All files (*.*)\0*.*\0", "dxf",
                                        "test.dxf"};
    char fileName[kMaxExportPathBytes];
    if (AskSaveAsName(window, choice, fileName, sizeof fileName)) {
        ReportExport(window, kDxfFile, fileName, ExportDxfDrawing(fileName, CurrentDrawing()));
    }
}

void WriteSvgFile(HWND window) {
    static const SaveAsChoice choice = {"SVG picture (*.svg)\0*.svg\0All files (*.*)\0*.*\0", "svg",
                                        "test.svg"};
    char fileName[kMaxExportPathBytes];
    if (AskSaveAsName(window, choice, fileName, sizeof fileName)) {
        ReportExport(window, kSvgFile, fileName, ExportSvgDrawing(fileName, CurrentDrawing()));
    }
}
