// What the tool says of a file it wrote: nothing when it was written, else one line on
// stderr naming the file and why.
#pragma once

#include "output/file_export.h"

// Exit status 0 when the file was written, else 1 and one line on stderr.
int ExportOutcome(const char* fileName, const ExportResult& result);
