#include "formats/script_export.h"

static bool WriteScriptContent(OutputSink* sink, const void* content) {
    return WriteDrawingScript(sink, *static_cast<const Gear*>(content));
}

ExportResult ExportDrawingScript(const char* fileName, const Gear& gear) {
    return ExportFile(fileName, WriteScriptContent, &gear);
}
