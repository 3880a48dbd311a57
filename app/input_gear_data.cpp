// The data input command: the dialog edits the gear, then the profile is recomputed
// whichever button closed it. The picture stays until the next drawing command.
#include "app/main_window.h"
#include "model/data_input_dialog.h"
#include "model/tooth_profile.h"
#include "resources/resource.h"

void InputGearData(HWND window) {
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_GEAR_DATA), window, DataInputDialogProc, 0);
    gearGeometry.drawnToothCount = ComputeToothProfile();
}
