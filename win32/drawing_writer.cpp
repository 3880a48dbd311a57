#include "win32/drawing_writer.h"

#include "formats/cad_export.h"
#include "ui/outline_message.h"
#include "win32/export_report.h"
#include "win32/outline_setting.h"
#include "win32/program_language.h"
#include "win32/save_as_dialog.h"
#include "win32/wide_text.h"

// What differs between the two files: the dialog's offer, the message and the writer.
struct DrawingFile {
    TextId filter;
    const char* extension;
    const char* defaultName;
    ExportKind kind;
    ExportResult (*write)(const char* fileName, const CadDrawing& drawing);
};

// The outline as the settings say. A typed tolerance finer than the fit reaches for this
// gear or its mate (typed for a smaller module) is refused before anything is asked or
// written.
static void WriteDrawingFile(HWND window, const DrawingFile& file, CadDrawing drawing) {
    const GearParameters& limiting = FitLimitingGear(drawing);
    drawing.outline = OutlineChoiceFor(CurrentOutlineSetting(), limiting);
    if (!OutlineToleranceAccepted(limiting, drawing.outline.tolerance)) {
        char text[1024];
        FormatToleranceRefusal(limiting, programLanguage, text, sizeof text);
        MessageBoxUtf8(window, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
        return;
    }
    // A path of UTF-16 units takes at most three bytes a unit in UTF-8.
    char fileName[3 * 1024];
    const SaveAsChoice choice = {UiText(file.filter), file.extension, file.defaultName};
    if (AskSaveAsName(window, choice, fileName, sizeof fileName)) {
        ShowExportResult(window, file.kind, fileName, file.write(fileName, drawing));
    }
}

void WriteDxfFile(HWND window, const Gear& gear) {
    static const DrawingFile dxf = {kTextDxfFilter, "dxf", "test.dxf", kDxfFile, ExportDxfDrawing};
    WriteDrawingFile(window, dxf, GearDrawing(gear, OutlineChoice()));
}

void WriteSvgFile(HWND window, const Gear& gear) {
    static const DrawingFile svg = {kTextSvgFilter, "svg", "test.svg", kSvgFile, ExportSvgDrawing};
    WriteDrawingFile(window, svg, GearDrawing(gear, OutlineChoice()));
}

void WritePairDxfFile(HWND window, const GearPair& pair) {
    static const DrawingFile dxf = {kTextDxfFilter, "dxf", "pair.dxf", kDxfFile, ExportDxfDrawing};
    WriteDrawingFile(window, dxf, PairDrawing(pair, OutlineChoice()));
}

void WritePairSvgFile(HWND window, const GearPair& pair) {
    static const DrawingFile svg = {kTextSvgFilter, "svg", "pair.svg", kSvgFile, ExportSvgDrawing};
    WriteDrawingFile(window, svg, PairDrawing(pair, OutlineChoice()));
}
