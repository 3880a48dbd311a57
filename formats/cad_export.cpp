#include "formats/cad_export.h"

#include "formats/dxf_text.h"
#include "formats/svg_text.h"

static bool WriteDxfContent(OutputSink* sink, const void* content) {
    return WriteDxfDrawing(sink, *static_cast<const CadDrawing*>(content));
}

static bool WriteSvgContent(OutputSink* sink, const void* content) {
    return WriteSvgDrawing(sink, *static_cast<const CadDrawing*>(content));
}

ExportResult ExportDxfDrawing(const char* fileName, const CadDrawing& drawing) {
    return ExportFile(fileName, WriteDxfContent, &drawing);
}

ExportResult ExportSvgDrawing(const char* fileName, const CadDrawing& drawing) {
    return ExportFile(fileName, WriteSvgContent, &drawing);
}
