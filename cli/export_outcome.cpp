#include "cli/export_outcome.h"

#include <cstdio>
#include <cstring>

#include "cli/option_text.h"

int ExportOutcome(const char* fileName, const ExportResult& result) {
    if (result.stage == kExportDone) {
        return 0;
    }
    fprintf(stderr, "involute: cannot write ");
    PrintEscaped(stderr, fileName);
    if (result.stage == kExportNoTemporaryFile) {
        fprintf(stderr, ": no temporary file could be created beside it\n");
    } else {
        fprintf(stderr, ": %s\n", result.error != 0 ? strerror(result.error) : "write failed");
    }
    return 1;
}
