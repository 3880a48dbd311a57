// The Korean texts that report an export: the notice that the file was made, or why it
// was not. No platform types.
#pragma once

#include <cstddef>

#include "export/file_export.h"

void FormatExportNotice(const char* fileName, char* text, size_t size);

void FormatExportFailure(const char* fileName, const ExportResult& result, char* text, size_t size);
