// The drawing script written to a named file the safe way every export is.
#pragma once

#include "output/file_export.h"
#include "formats/script_text.h"

ExportResult ExportDrawingScript(const char* fileName, const Gear& gear);
