// The message box that ends every export from the program: the notice that the file was
// made, or the error that names the file and says why not.
#pragma once

#include <windows.h>

#include "ui/export_message.h"

void ShowExportResult(HWND window, ExportKind kind, const char* fileName,
                      const ExportResult& result);
