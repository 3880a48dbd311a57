// The data input command: the dialog edits the gear, then the profile is recomputed
// whichever button closed it. The picture stays until the next drawing command.
#include "ui/resource.h"
#include "win32/data_input_dialog.h"
#include "win32/main_window.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"

void InputGearData(HWND window) {
    RunDialog(window, IDD_GEAR_DATA, DataInputDialogProc, 0);
    SetCurrentGear(currentGear.parameters);
}
