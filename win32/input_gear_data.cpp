// The data input command: the dialog edits the gear, then the profile is recomputed
// whichever button closed it. The picture stays until the next drawing command.
#include "win32/main_window.h"
#include "win32/data_input_dialog.h"
#include "gear/tooth_profile.h"
#include "ui/resource.h"

void InputGearData(HWND window) {
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_GEAR_DATA), window, DataInputDialogProc, 0);
    gearGeometry.drawnToothCount = ComputeToothProfile();
}
