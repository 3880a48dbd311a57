#include "win32/drawing_writer.h"

#include "formats/cad_export.h"
#include "win32/export_report.h"
#include "win32/save_as_dialog.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"

// The drawing of the gear the program shows, about the origin.
static CadDrawing CurrentDrawing() {
    return {&gearGeometry, &toothProfile, lastPointIndex, gearParameters.filletDivisions,
            gearGeometry.drawnToothCount};
}

// What differs between the two files: the dialog's offer, the message and the writer.
struct DrawingFile {
    SaveAsChoice choice;
    ExportKind kind;
    ExportResult (*write)(const char* fileName, const CadDrawing& drawing);
};

static void WriteDrawingFile(HWND window, const DrawingFile& file) {
    char fileName[kMaxExportPathBytes];
    if (AskSaveAsName(window, file.choice, fileName, sizeof fileName)) {
        ShowExportResult(window, file.kind, fileName, file.write(fileName, CurrentDrawing()));
    }
}

void WriteDxfFile(HWND window) {
    static const DrawingFile dxf = {
        {"DXF drawing (*.dxf)\0*.dxf\0All files (*.*)\0*.*\0", "dxf", "test.dxf"},
        kDxfFile,
        ExportDxfDrawing};
    WriteDrawingFile(window, dxf);
}

void WriteSvgFile(HWND window) {
    static const DrawingFile svg = {
        {"SVG picture (*.svg)\0*.svg\0All files (*.*)\0*.*\0", "svg", "test.svg"},
        kSvgFile,
        ExportSvgDrawing};
    WriteDrawingFile(window, svg);
}
