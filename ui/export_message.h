// The texts that report an export, in either language: the notice that the file was made,
// or why it was not, each naming the kind of file. No platform types.
#pragma once

#include <cstddef>

#include "output/file_export.h"
#include "ui/catalogue.h"

enum ExportKind {
    kScriptFile,  // the CAD command script
    kDxfFile,     // the DXF drawing
    kSvgFile,     // the SVG picture
};

void FormatExportNotice(ExportKind kind, const char* fileName, Language language, char* text,
                        size_t size);

void FormatExportFailure(ExportKind kind, const char* fileName, const ExportResult& result,
                         Language language, char* text, size_t size);
