#include "win32/gear_report_dialog.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "formats/gear_report_text.h"
#include "gear/gear_data.h"
#include "gear/gear_parameters.h"
#include "ui/resource.h"

// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextSize = 80;

// The data the dialog shows and the inputs they were computed for. The pin and k boxes
// keep the exact inputs while their text is unchanged: four decimals may round a pin.
struct GearReportState {
    GearData data;
    double pinDiameter;
    int spanTeeth;
    char pinText[kReadTextSize];
    char spanText[kReadTextSize];
};

static GearReportState reportState;

static void ShowLabels(HWND dialog) {
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        SetDlgItemTextA(dialog, IDC_REPORT_LABEL_FIRST + i,
                        GearQuantityLabel(quantity, kReportKorean));
        SetDlgItemTextA(dialog, IDC_REPORT_UNIT_FIRST + i, GearQuantityUnit(quantity));
    }
}

// Every value with four decimals (counts whole), then the warnings, a line each.
static void ShowData(HWND dialog) {
    GearReportState& s = reportState;
    char text[400];
    for (int i = 0; i < kQuantityCount; i++) {
        FormatGearQuantity(s.data, static_cast<GearQuantity>(i), kReportKorean, text, sizeof text);
        SetDlgItemTextA(dialog, IDC_REPORT_VALUE_FIRST + i, text);
    }
    GetDlgItemTextA(dialog, IDC_REPORT_PIN_DIAMETER, s.pinText, kReadTextSize);
    GetDlgItemTextA(dialog, IDC_REPORT_SPAN_TEETH, s.spanText, kReadTextSize);
    char warnings[2048] = "";
    for (int i = 0; i < s.data.warningCount; i++) {
        strncat(warnings, GearWarningText(s.data.warnings[i], kReportKorean),
                sizeof warnings - strlen(warnings) - 1);
        strncat(warnings, "\r\n", sizeof warnings - strlen(warnings) - 1);
    }
    SetDlgItemTextA(dialog, IDC_REPORT_WARNINGS, warnings);
}

static void Compute(HWND dialog, double pinDiameter, int spanTeeth) {
    ComputeGearData(gearParameters, pinDiameter, spanTeeth, &reportState.data);
    reportState.pinDiameter = reportState.data.pinDiameter;
    reportState.spanTeeth = reportState.data.spanTeeth;
    ShowData(dialog);
}

// A whole box's text as a number, blanks around it allowed; false when it is none.
static bool ReadNumber(const char* text, double* value) {
    char* end = nullptr;
    *value = strtod(text, &end);
    while (end != text && (*end == ' ' || *end == '\t')) {
        end++;
    }
    return end != text && *end == '\0';
}

static bool ReadWholeNumber(const char* text, int* value) {
    char* end = nullptr;
    errno = 0;
    const long v = strtol(text, &end, 10);
    while (end != text && (*end == ' ' || *end == '\t')) {
        end++;
    }
    if (end == text || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) {
        return false;
    }
    *value = static_cast<int>(v);
    return true;
}

// Says what is wrong, then puts the focus on the box to correct with its text selected.
static void ShowRefusal(HWND dialog, GearDataRefusal refusal) {
    char text[512];
    FormatGearDataRefusal(refusal, gearParameters, kReportKorean, text, sizeof text);
    MessageBoxA(dialog, text, "입력 오류", MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(
        dialog, refusal == kPinDiameterRefused ? IDC_REPORT_PIN_DIAMETER : IDC_REPORT_SPAN_TEETH);
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageA(edit, EM_SETSEL, 0, -1);
}

// Reads the pin and k boxes; a changed box must hold a pin above 0 up to the tip diameter,
// or a whole k from 1 to z - 1. A refusal changes nothing.
static void Recompute(HWND dialog) {
    GearReportState& s = reportState;
    char pinText[kReadTextSize] = "";
    char spanText[kReadTextSize] = "";
    GetDlgItemTextA(dialog, IDC_REPORT_PIN_DIAMETER, pinText, kReadTextSize);
    GetDlgItemTextA(dialog, IDC_REPORT_SPAN_TEETH, spanText, kReadTextSize);
    double pin = s.pinDiameter;
    int span = s.spanTeeth;
    if (strcmp(pinText, s.pinText) != 0 &&
        (!ReadNumber(pinText, &pin) || !PinDiameterAccepted(gearParameters, pin))) {
        ShowRefusal(dialog, kPinDiameterRefused);
        return;
    }
    if (strcmp(spanText, s.spanText) != 0 &&
        (!ReadWholeNumber(spanText, &span) || !SpanTeethAccepted(gearParameters, span))) {
        ShowRefusal(dialog, kSpanTeethRefused);
        return;
    }
    Compute(dialog, pin, span);
}

// The whole report, Korean, as Unicode text: right in any program it is pasted into.
static void CopyReport(HWND dialog) {
    static char text[8192];
    FormatGearReport(reportState.data, kReportKorean, "\r\n", text, sizeof text);
    const int length = MultiByteToWideChar(949, 0, text, -1, nullptr, 0);
    if (length <= 0 || !OpenClipboard(dialog)) {
        return;
    }
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(length) * sizeof(WCHAR));
    WCHAR* wide = memory != nullptr ? static_cast<WCHAR*>(GlobalLock(memory)) : nullptr;
    if (wide != nullptr) {
        MultiByteToWideChar(949, 0, text, -1, wide, length);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    } else if (memory != nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

INT_PTR CALLBACK GearReportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            ShowLabels(dialog);
            Compute(dialog, 0, 0);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:  // Enter where no button has the focus
                case IDC_REPORT_RECOMPUTE:
                    Recompute(dialog);
                    return TRUE;
                case IDC_REPORT_COPY:
                    CopyReport(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void ShowGearReport(HWND window) {
    DialogBoxParamA(nullptr, MAKEINTRESOURCEA(IDD_GEAR_REPORT), window, GearReportDialogProc, 0);
}
