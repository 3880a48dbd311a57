#include "win32/mating_gear_dialog.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "ui/number_reading.h"
#include "ui/pair_message.h"
#include "ui/resource.h"
#include "win32/program_gears.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

// What is read back of a box: 79 characters and the terminating zero.
static const int kReadTextUnits = 80;

static void BoxText(HWND dialog, int id, char* text, size_t size) {
    ControlTextUtf8(dialog, id, kReadTextUnits, text, size);
}

static void ShowTexts(HWND dialog) {
    SetWindowTextUtf8(dialog, UiText(kTextMateCaption));
    const struct {
        int control;
        TextId text;
    } texts[] = {{IDC_MATE_LABEL_TEETH, kTextMateToothCount},
                 {IDC_MATE_LABEL_SHIFT, kTextMateShift},
                 {IDC_MATE_LABEL_CENTRE, kTextCentreDistance},
                 {IDC_MATE_CENTRE_NOTE, kTextCentreDistanceEmptyIsTight},
                 {IDC_MATE_SHORTEN, kTextShortenTips},
                 {IDC_MATE_INTERNAL, kTextMateInternal},
                 {IDC_MATE_SHAPER, kTextMateShaper},
                 {IDC_MATE_LABEL_CUTTER_TEETH, kTextFieldCutterTeeth},
                 {IDC_MATE_LABEL_CUTTER_SHIFT, kTextFieldCutterShift},
                 {IDOK, kTextOk},
                 {IDCANCEL, kTextCancel},
                 {IDC_MATE_NONE, kTextNoMate}};
    for (const auto& text : texts) {
        SetControlTextUtf8(dialog, text.control, UiText(text.text));
    }
}

// The mate the dialog starts from: the one set, else the default for the current gear.
static MateChoice StartingChoice() {
    return programMate.set ? programMate.choice
                           : DefaultMateChoice(currentGear.parameters, programCut);
}

// The teeth, shift and cutter as the boxes hold them, read as the data dialog reads its
// boxes.
static MateChoice ReadTeethAndShift(HWND dialog) {
    MateChoice choice = StartingChoice();
    char text[4 * kReadTextUnits];
    BoxText(dialog, IDC_MATE_TEETH, text, sizeof text);
    choice.toothCount = ReadIntegerText(text);
    BoxText(dialog, IDC_MATE_SHIFT, text, sizeof text);
    choice.shiftCoef = ReadRealText(text);
    choice.cut.internal = IsDlgButtonChecked(dialog, IDC_MATE_INTERNAL) == BST_CHECKED;
    choice.cut.cutter =
        choice.cut.internal || IsDlgButtonChecked(dialog, IDC_MATE_SHAPER) == BST_CHECKED
            ? kShaperCutter
            : kRackCutter;
    BoxText(dialog, IDC_MATE_CUTTER_TEETH, text, sizeof text);
    choice.cut.cutterTeeth = ReadIntegerText(text);
    BoxText(dialog, IDC_MATE_CUTTER_SHIFT, text, sizeof text);
    choice.cut.cutterShiftCoef = ReadRealText(text);
    return choice;
}

// A ring is cut by a shaper; the mate of a ring is an external gear; the cutter's boxes
// matter only for a shaper; tips are shortened in an external pair only.
static void EnableCutter(HWND dialog) {
    const bool ring = IsDlgButtonChecked(dialog, IDC_MATE_INTERNAL) == BST_CHECKED;
    if (ring) {
        CheckDlgButton(dialog, IDC_MATE_SHAPER, BST_CHECKED);
    }
    EnableWindow(GetDlgItem(dialog, IDC_MATE_INTERNAL), !programCut.internal);
    EnableWindow(GetDlgItem(dialog, IDC_MATE_SHAPER), !ring);
    const bool shaper = IsDlgButtonChecked(dialog, IDC_MATE_SHAPER) == BST_CHECKED;
    EnableWindow(GetDlgItem(dialog, IDC_MATE_CUTTER_TEETH), shaper);
    EnableWindow(GetDlgItem(dialog, IDC_MATE_CUTTER_SHIFT), shaper);
    EnableWindow(GetDlgItem(dialog, IDC_MATE_SHORTEN), !ring && !programCut.internal);
}

// The tight centre distance for the teeth and shift as typed, as a hint beside the box.
static void ShowHint(HWND dialog) {
    const double tight =
        TightCentreDistance(currentGear.parameters, programCut, ReadTeethAndShift(dialog));
    char text[200];
    snprintf(text, sizeof text, UiText(kTextTightCentreDistanceHint), tight);
    SetControlTextUtf8(dialog, IDC_MATE_HINT, text);
}

static void ShowChoice(HWND dialog) {
    const MateChoice choice = StartingChoice();
    char text[400];
    snprintf(text, sizeof text, "%d", choice.toothCount);
    SetControlTextUtf8(dialog, IDC_MATE_TEETH, text);
    snprintf(text, sizeof text, "%7.4f", choice.shiftCoef);
    SetControlTextUtf8(dialog, IDC_MATE_SHIFT, text);
    if (choice.centreDistance > 0) {
        snprintf(text, sizeof text, "%.4f", choice.centreDistance);
    } else {
        text[0] = '\0';
    }
    SetControlTextUtf8(dialog, IDC_MATE_CENTRE, text);
    CheckDlgButton(dialog, IDC_MATE_SHORTEN, choice.shortenTips ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_MATE_INTERNAL, choice.cut.internal ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_MATE_SHAPER,
                   choice.cut.cutter == kShaperCutter ? BST_CHECKED : BST_UNCHECKED);
    snprintf(text, sizeof text, "%d", choice.cut.cutterTeeth);
    SetControlTextUtf8(dialog, IDC_MATE_CUTTER_TEETH, text);
    snprintf(text, sizeof text, "%7.4f", choice.cut.cutterShiftCoef);
    SetControlTextUtf8(dialog, IDC_MATE_CUTTER_SHIFT, text);
    EnableCutter(dialog);
    ShowHint(dialog);
}

// Says what is wrong, then puts the focus on the box to correct with its text selected.
static void ShowRefusal(HWND dialog, int box, const char* label, const char* sentence) {
    char head[400];
    snprintf(head, sizeof head, UiText(kTextRefusalHead), label);
    char text[2048];
    snprintf(text, sizeof text, "%s%s", head, sentence);
    MessageBoxUtf8(dialog, text, UiText(kTextInputErrorCaption), MB_OK | MB_ICONWARNING);
    HWND edit = GetDlgItem(dialog, box);
    SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    SendMessageW(edit, EM_SETSEL, 0, -1);
}

// The centre distance box: empty for the tight mesh, else a number above 0.
static bool ReadCentreDistance(HWND dialog, double* centreDistance) {
    char text[4 * kReadTextUnits];
    BoxText(dialog, IDC_MATE_CENTRE, text, sizeof text);
    const char* c = text;
    while (*c == ' ' || *c == '\t') {
        c++;
    }
    if (*c == '\0') {
        *centreDistance = 0;
        return true;
    }
    char* end = nullptr;
    *centreDistance = strtod(c, &end);
    while (end != c && (*end == ' ' || *end == '\t')) {
        end++;
    }
    return end != c && *end == '\0' && *centreDistance > 0 && *centreDistance < HUGE_VAL;
}

// Sets the mate as the boxes give it, when the pair runs.
static void ConfirmMate(HWND dialog) {
    MateChoice choice = ReadTeethAndShift(dialog);
    choice.shortenTips = IsDlgButtonChecked(dialog, IDC_MATE_SHORTEN) == BST_CHECKED;
    const char* centreLabel = UiText(kTextCentreDistance);
    char named[300];
    if (!ReadCentreDistance(dialog, &choice.centreDistance)) {
        char sentence[600];
        snprintf(named, sizeof named, UiText(kTextFieldInSentence), centreLabel);
        snprintf(sentence, sizeof sentence, UiText(kTextRuleCentreDistanceNotANumber), named);
        ShowRefusal(dialog, IDC_MATE_CENTRE, centreLabel, sentence);
        return;
    }
    static GearPair pair;
    const PairProblem problem = ComputeGearPair(currentGear.parameters, programCut, choice, &pair);
    if (problem.mate.rule != kRuleAccepted || problem.pair != kPairAccepted) {
        const MateFieldNames names = {UiText(kTextMateToothCount), UiText(kTextMateShift),
                                      centreLabel, UiText(kTextMateInternal)};
        char label[300];
        MateFieldName(problem, choice, names, programLanguage, false, label, sizeof label);
        snprintf(named, sizeof named, UiText(kTextFieldInSentence), label);
        char sentence[1500];
        FormatPairSentence(problem, currentGear.parameters, choice, programLanguage, named,
                           sentence, sizeof sentence);
        const MateField field = MateFieldOf(problem, choice);
        const int box = field == kMateFieldShift                  ? IDC_MATE_SHIFT
                        : field == kMateFieldCentreDistance       ? IDC_MATE_CENTRE
                        : problem.mate.field == kFieldCutterTeeth ? IDC_MATE_CUTTER_TEETH
                        : problem.mate.field == kFieldCutterShift ? IDC_MATE_CUTTER_SHIFT
                                                                  : IDC_MATE_TEETH;
        ShowRefusal(dialog, box, label, sentence);
        return;
    }
    SetMate(choice);
    EndDialog(dialog, 1);
}

static INT_PTR CALLBACK MatingGearDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            FitDialogFont(dialog);
            ShowTexts(dialog);
            ShowChoice(dialog);
            return TRUE;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case IDOK:
                    ConfirmMate(dialog);
                    return TRUE;
                case IDCANCEL:
                    EndDialog(dialog, 0);
                    return TRUE;
                case IDC_MATE_NONE:
                    RemoveMate();
                    EndDialog(dialog, 1);
                    return TRUE;
                case IDC_MATE_TEETH:
                case IDC_MATE_SHIFT:
                    if (HIWORD(wParam) == EN_CHANGE) {
                        ShowHint(dialog);
                    }
                    return FALSE;
                case IDC_MATE_INTERNAL:
                case IDC_MATE_SHAPER:
                    EnableCutter(dialog);
                    ShowHint(dialog);
                    return FALSE;
                default:
                    return FALSE;
            }
        default:
            return FALSE;
    }
}

void ChooseMate(HWND window) {
    RunDialog(window, IDD_MATING_GEAR, MatingGearDialogProc, 0);
}
