#include "formats/script_export.h"

static bool WriteScriptContent(OutputSink* sink, const void* content) {
    return WriteDrawingScript(sink, *static_cast<const DrawingScript*>(content));
}

ExportResult ExportDrawingScript(const char* fileName, const DrawingScript& script) {
    return ExportFile(fileName, WriteScriptContent, &script);
}
