#include "win32/data_input_dialog.h"

#include <cstdio>

#include "gear/gear_parameters.h"
#include "ui/number_reading.h"
#include "gear/parameter_check.h"
#include "ui/parameter_message.h"
#include "ui/resource.h"

// "%7.4f" prints every integer digit: room for the largest double.
static const int kFieldTextSize = 400;
// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextSize = 80;

static void ShowInteger(HWND dialog, int id, int value) {
    char text[kFieldTextSize];
    snprintf(text, sizeof text, "%d", value);
    SetWindowTextA(GetDlgItem(dialog, id), text);
}

static void ShowReal(HWND dialog, int id, double value) {
    char text[kFieldTextSize];
    snprintf(text, sizeof text, "%7.4f", value);
    SetWindowTextA(GetDlgItem(dialog, id), text);
}

static int ReadInteger(HWND dialog, int id) {
    char text[kReadTextSize] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, kReadTextSize);
    return ReadIntegerText(text);
}

static double ReadReal(HWND dialog, int id) {
    char text[kReadTextSize] = "";
    GetWindowTextA(GetDlgItem(dialog, id), text, kReadTextSize);
    return ReadRealText(text);
}

static void ShowGearParameters(HWND dialog) {
    const GearParameters& p = gearParameters;
    ShowInteger(dialog, IDC_TEETH, p.toothCount);
    ShowReal(dialog, IDC_MODULE, p.module);
    ShowReal(dialog, IDC_PRESSURE_ANGLE, p.pressureAngleDeg);
    ShowReal(dialog, IDC_PROFILE_SHIFT, p.profileShiftCoef);
    ShowReal(dialog, IDC_ADDENDUM, p.addendumCoef);
    ShowReal(dialog, IDC_DEDENDUM, p.dedendumCoef);
    ShowReal(dialog, IDC_TOOL_TIP_RADIUS, p.toolTipRadiusCoef);
    ShowInteger(dialog, IDC_INVOLUTE_DIVISIONS, p.involuteDivisions);
    ShowInteger(dialog, IDC_FILLET_DIVISIONS, p.filletDivisions);
}

static GearParameters ReadGearParameters(HWND dialog) {
    GearParameters p;
    p.toothCount = ReadInteger(dialog, IDC_TEETH);
    p.module = ReadReal(dialog, IDC_MODULE);
    p.pressureAngleDeg = ReadReal(dialog, IDC_PRESSURE_ANGLE);
    p.profileShiftCoef = ReadReal(dialog, IDC_PROFILE_SHIFT);
    p.addendumCoef = ReadReal(dialog, IDC_ADDENDUM);
    p.dedendumCoef = ReadReal(dialog, IDC_DEDENDUM);
    p.toolTipRadiusCoef = ReadReal(dialog, IDC_TOOL_TIP_RADIUS);
    p.involuteDivisions = ReadInteger(dialog, IDC_INVOLUTE_DIVISIONS);
    p.filletDivisions = ReadInteger(dialog, IDC_FILLET_DIVISIONS);
    return p;
}

static int EditOfField(GearField field) {
    switch (field) {
        case kFieldToothCount:
            return IDC_TEETH;
        case kFieldModule:
            return IDC_MODULE;
        case kFieldPressureAngle:
            return IDC_PRESSURE_ANGLE;
        case kFieldProfileShift:
            return IDC_PROFILE_SHIFT;
        case kFieldAddendum:
            return IDC_ADDENDUM;
        case kFieldDedendum:
            return IDC_DEDENDUM;
        case kFieldToolTipRadius:
            return IDC_TOOL_TIP_RADIUS;
        case kFieldInvoluteDivisions:
            return IDC_INVOLUTE_DIVISIONS;
        case kFieldFilletDivisions:
        case kFieldNone:
            break;
    }
    return IDC_FILLET_DIVISIONS;
}

// Says what is wrong, then puts the focus on the box to correct with its text selected.
static void ShowRefusal(HWND dialog, const ParameterProblem& problem) {
    char text[1024];
    FormatParameterMessage(problem, text, sizeof text);
    MessageBoxA(dialog, text, "입력 오류", MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dialog, EditOfField(problem.field));
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

// Stores all nine fields together, and only when the gear model can compute them.
static void ConfirmGearParameters(HWND dialog) {
    const GearParameters read = ReadGearParameters(dialog);
    const ParameterProblem problem = CheckGearParameters(read);
    if (problem.rule != kRuleAccepted) {
        ShowRefusal(dialog, problem);
        return;
    }
    gearParameters = read;
    lastPointIndex = read.involuteDivisions + read.filletDivisions;
    EndDialog(dialog, 1);
}

INT_PTR CALLBACK DataInputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ShowGearParameters(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    ConfirmGearParameters(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 1);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}
