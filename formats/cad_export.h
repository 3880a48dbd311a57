// The DXF and the SVG drawing written to a named file the safe way every export is.
#pragma once

#include "formats/cad_drawing.h"
#include "output/file_export.h"

ExportResult ExportDxfDrawing(const char* fileName, const CadDrawing& drawing);
ExportResult ExportSvgDrawing(const char* fileName, const CadDrawing& drawing);
