#include "win32/gear_report_dialog.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <commctrl.h>

#include "formats/gear_report_text.h"
#include "formats/pair_report_text.h"
#include "formats/text_buffer.h"
#include "gear/cut_gear_data.h"
#include "text/utf8.h"
#include "ui/resource.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/report_pages.h"
#include "win32/wide_text.h"

// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextSize = 80;

// The data the dialog shows and the inputs they were computed for. The pin and k boxes
// keep the exact inputs while their text is unchanged: four decimals may round a pin.
struct GearReportState {
    GearData data;
    GearData mateData;     // the mate's, with its own pin and k
    const GearPair* pair;  // the pair, when a mate is set and runs with the gear
    double pinDiameter;
    int spanTeeth;
    char pinText[4 * kReadTextSize];
    char spanText[4 * kReadTextSize];
};

static GearReportState reportState;

static void ShowLabels(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextGearReportCaption));
    SetControlTextUtf8(dialog, IDC_REPORT_RECOMPUTE, UiText(kTextRecompute));
    SetControlTextUtf8(dialog, IDC_REPORT_COPY, UiText(kTextCopy));
    SetControlTextUtf8(dialog, IDCANCEL, UiText(kTextClose));
}

// What is read back of a box as UTF-8.
static void BoxText(HWND dialog, int id, char* text) {
    ControlTextUtf8(dialog, id, kReadTextSize, text, 4 * kReadTextSize);
}

// Every label and value of data with four decimals (counts whole; a ring's span not
// applicable, its pins between), then the warnings, a line each.
static void ShowGearData(HWND dialog, const GearData& data) {
    char text[400];
    for (int i = 0; i < kQuantityCount; i++) {
        const GearQuantity quantity = static_cast<GearQuantity>(i);
        FormatGearDataLabel(data, quantity, programLanguage, text, sizeof text);
        SetControlTextUtf8(dialog, IDC_REPORT_LABEL_FIRST + i, text);
        SetControlTextUtf8(dialog, IDC_REPORT_UNIT_FIRST + i,
                           GearQuantityApplies(data, quantity) ? GearQuantityUnit(quantity) : "");
        FormatGearQuantity(data, quantity, programLanguage, text, sizeof text);
        SetControlTextUtf8(dialog, IDC_REPORT_VALUE_FIRST + i, text);
    }
    // A ring has no span to measure over another k.
    SendDlgItemMessageW(dialog, IDC_REPORT_SPAN_TEETH, EM_SETREADONLY,
                        !GearQuantityApplies(data, kQuantitySpanTeeth), 0);
    char warnings[2048] = "";
    for (int i = 0; i < data.warningCount; i++) {
        strncat(warnings, GearWarningText(data.warnings[i], programLanguage),
                sizeof warnings - strlen(warnings) - 1);
        strncat(warnings, "\r\n", sizeof warnings - strlen(warnings) - 1);
    }
    SetControlTextUtf8(dialog, IDC_REPORT_WARNINGS, warnings);
}

// The page the tabs show; the gear's own boxes remember what they were computed for.
static void ShowData(HWND dialog) {
    GearReportState& s = reportState;
    const ReportPage page = ShownReportPage(dialog);
    ShowReportRows(dialog, page, s.pair);
    if (page == kMatePage) {
        ShowGearData(dialog, s.mateData);
        SendDlgItemMessageW(dialog, IDC_REPORT_SPAN_TEETH, EM_SETREADONLY, TRUE, 0);
    } else if (page == kGearPage) {
        ShowGearData(dialog, s.data);
        BoxText(dialog, IDC_REPORT_PIN_DIAMETER, s.pinText);
        BoxText(dialog, IDC_REPORT_SPAN_TEETH, s.spanText);
    }
}

static void Compute(HWND dialog, double pinDiameter, int spanTeeth) {
    ComputeCutGearData(currentGear.parameters, programCut, pinDiameter, spanTeeth,
                       &reportState.data);
    reportState.pinDiameter = reportState.data.pinDiameter;
    reportState.spanTeeth = reportState.data.spanTeeth;
    ShowData(dialog);
}

// The pair and the mate's data, when a mate is set and runs with the gear.
static void ComputeMate() {
    reportState.pair = PairReady() ? &programMate.pair : nullptr;
    if (reportState.pair != nullptr) {
        ComputeCutGearData(reportState.pair->mate.parameters, reportState.pair->mate.cut, 0, 0,
                           &reportState.mateData);
    }
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
    const GearQuantity box =
        refusal == kPinDiameterRefused ? kQuantityPinDiameter : kQuantitySpanTeeth;
    char label[256];
    FormatGearDataLabel(reportState.data, box, programLanguage, label, sizeof label);
    char named[300];
    snprintf(named, sizeof named, UiText(kTextFieldInSentence), label);
    char text[1024];
    FormatCutGearDataRefusal(refusal, currentGear.parameters, programCut.internal, programLanguage,
                             named, text, sizeof text);
    MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(
        dialog, refusal == kPinDiameterRefused ? IDC_REPORT_PIN_DIAMETER : IDC_REPORT_SPAN_TEETH);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// Reads the pin and k boxes; a changed box must hold a pin above 0 up to the tip diameter,
// or a whole k from 1 to z - 1. A refusal changes nothing.
static void Recompute(HWND dialog) {
    GearReportState& s = reportState;
    char pinText[4 * kReadTextSize];
    char spanText[4 * kReadTextSize];
    BoxText(dialog, IDC_REPORT_PIN_DIAMETER, pinText);
    BoxText(dialog, IDC_REPORT_SPAN_TEETH, spanText);
    double pin = s.pinDiameter;
    int span = s.spanTeeth;
    if (strcmp(pinText, s.pinText) != 0 &&
        (!ReadNumber(pinText, &pin) ||
         !CutPinDiameterAccepted(currentGear.parameters, programCut, pin))) {
        ShowRefusal(dialog, kPinDiameterRefused);
        return;
    }
    if (strcmp(spanText, s.spanText) != 0 &&
        (!ReadWholeNumber(spanText, &span) ||
         !CutSpanTeethAccepted(currentGear.parameters, programCut, span))) {
        ShowRefusal(dialog, kSpanTeethRefused);
        return;
    }
    Compute(dialog, pin, span);
}

// The whole report, every page, in the program's language, as Unicode text: right in any
// program it is pasted into.
static void CopyReport(HWND dialog) {
    static char text[32768];
    static char page[16384];
    static char16_t wide[32768];
    TextBuffer buffer = StartText(text, sizeof text);
    const GearReportState& s = reportState;
    if (s.pair != nullptr) {
        AppendText(&buffer, UiText(kTextCopyGearHeading));
        AppendText(&buffer, "\r\n");
    }
    FormatGearReport(s.data, programLanguage, "\r\n", page, sizeof page);
    AppendText(&buffer, page);
    if (s.pair != nullptr) {
        AppendText(&buffer, UiText(kTextCopyMateHeading));
        AppendText(&buffer, "\r\n");
        FormatGearReport(s.mateData, programLanguage, "\r\n", page, sizeof page);
        AppendText(&buffer, page);
        AppendText(&buffer, UiText(kTextCopyPairHeading));
        AppendText(&buffer, "\r\n");
        FormatPairReport(*s.pair, programLanguage, "\r\n", page, sizeof page);
        AppendText(&buffer, page);
    }
    Utf8ToUtf16(text, wide, 32768);
    size_t length = 0;
    while (wide[length] != 0) {
        length++;
    }
    if (!OpenClipboard(dialog)) {
        return;
    }
    EmptyClipboard();
    const SIZE_T bytes = (length + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    void* locked = memory != nullptr ? GlobalLock(memory) : nullptr;
    if (locked != nullptr) {
        memcpy(locked, wide, bytes);
        GlobalUnlock(memory);
        if (SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
            GlobalFree(memory);
        }
    } else if (memory != nullptr) {
        GlobalFree(memory);
    }
    CloseClipboard();
}

INT_PTR CALLBACK GearReportDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowLabels(dialog);
            ComputeMate();
            AddReportPages(dialog, reportState.pair);
            Compute(dialog, 0, 0);
            return TRUE;
        case WM_NOTIFY:
            if (reinterpret_cast<const NMHDR*>(lParam)->idFrom == IDC_REPORT_TABS &&
                reinterpret_cast<const NMHDR*>(lParam)->code == TCN_SELCHANGE) {
                ShowData(dialog);
                return TRUE;
            }
            return FALSE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:  // Enter where no button has the focus
                case IDC_REPORT_RECOMPUTE:
                    if (ShownReportPage(dialog) == kGearPage) {
                        Recompute(dialog);
                    }
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
    RunDialog(window, IDD_GEAR_REPORT, GearReportDialogProc, 0);
}
