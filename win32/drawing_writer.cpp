#include "win32/drawing_writer.h"

#include "formats/cad_export.h"
#include "gear/gear_parameters.h"
#include "gear/tooth_profile.h"
#include "win32/export_report.h"
#include "win32/program_language.h"
#include "win32/save_as_dialog.h"

// The drawing of the gear the program shows, about the origin.
static CadDrawing CurrentDrawing() {
    return {&gearGeometry, &toothProfile, lastPointIndex, gearParameters.filletDivisions,
            gearGeometry.drawnToothCount};
}

// What differs between the two files: the dialog's offer, the message and the writer.
struct DrawingFile {
    TextId filter;
    const char* extension;
    const char* defaultName;
    ExportKind kind;
    ExportResult (*write)(const char* fileName, const CadDrawing& drawing);
};

static void WriteDrawingFile(HWND window, const DrawingFile& file) {
    // A path of UTF-16 units takes at most three bytes a unit in UTF-8.
    char fileName[3 * 1024];
    const SaveAsChoice choice = {UiText(file.filter), file.extension, file.defaultName};
    if (AskSaveAsName(window, choice, fileName, sizeof fileName)) {
        ShowExportResult(window, file.kind, fileName, file.write(fileName, CurrentDrawing()));
    }
}

void WriteDxfFile(HWND window) {
    static const DrawingFile dxf = {kTextDxfFilter, "dxf", "test.dxf", kDxfFile, ExportDxfDrawing};
    WriteDrawingFile(window, dxf);
}

void WriteSvgFile(HWND window) {
    static const DrawingFile svg = {kTextSvgFilter, "svg", "test.svg", kSvgFile, ExportSvgDrawing};
    WriteDrawingFile(window, svg);
}
