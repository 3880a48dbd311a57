#include "win32/drawing_writer.h"

#include "formats/cad_export.h"
#include "win32/export_report.h"
#include "win32/program_language.h"
#include "win32/save_as_dialog.h"

// What differs between the two files: the dialog's offer, the message and the writer.
struct DrawingFile {
    TextId filter;
    const char* extension;
    const char* defaultName;
    ExportKind kind;
    ExportResult (*write)(const char* fileName, const CadDrawing& drawing);
};

static void WriteDrawingFile(HWND window, const DrawingFile& file, const CadDrawing& drawing) {
    // A path of UTF-16 units takes at most three bytes a unit in UTF-8.
    char fileName[3 * 1024];
    const SaveAsChoice choice = {UiText(file.filter), file.extension, file.defaultName};
    if (AskSaveAsName(window, choice, fileName, sizeof fileName)) {
        ShowExportResult(window, file.kind, fileName, file.write(fileName, drawing));
    }
}

void WriteDxfFile(HWND window, const Gear& gear) {
    static const DrawingFile dxf = {kTextDxfFilter, "dxf", "test.dxf", kDxfFile, ExportDxfDrawing};
    WriteDrawingFile(window, dxf, {&gear});
}

void WriteSvgFile(HWND window, const Gear& gear) {
    static const DrawingFile svg = {kTextSvgFilter, "svg", "test.svg", kSvgFile, ExportSvgDrawing};
    WriteDrawingFile(window, svg, {&gear});
}
