// The mating gear as a person uses it: no mate yet, the dialog sets one and refuses a centre
// distance that would make the teeth collide, the pair views draw and roll, the pair's DXF
// is written, the gear data gains the mate's and the pair's pages; a ring's DXF, and the
// ring with its pinion.
#include <cstdio>
#include <string>

#include "formats/pair_report_text.h"
#include "ui/export_message.h"
#include "tests/e2e/e2e_driver.h"
#include "ui/pair_message.h"
#include "ui/resource.h"

namespace {

const COLORREF kGreen = RGB(0, 128, 0);

int CountColour(const ClientPixels& shot, COLORREF colour) {
    int count = 0;
    for (COLORREF pixel : shot.pixels) {
        count += pixel == colour;
    }
    return count;
}

void WithoutAMateTheViewsSaySo(const RunningProgram& program) {
    ChooseView(program, 'G');
    Check(WaitUntil(
              [&] {
                  const ClientPixels shot = CaptureClient(program.window);
                  return CountColour(shot, kBlack) > 50 && CountColour(shot, kYellow) == 0;
              },
              5000),
          "without a mate the Gear Pair view says so instead of drawing");
}

// The refusal the dialog must show for this centre distance, as the core words it.
std::string ExpectedRefusal(double centreDistance) {
    MateChoice choice = DefaultMateChoice(DefaultGearParameters(), RackCut());
    choice.centreDistance = centreDistance;
    static GearPair pair;
    const PairProblem problem = ComputeGearPair(DefaultGearParameters(), RackCut(), choice, &pair);
    const std::string label = Say(kTextCentreDistance);
    char named[200];
    snprintf(named, sizeof named, Text(kTextFieldInSentence, testLanguage), label.c_str());
    char sentence[1000];
    FormatPairSentence(problem, DefaultGearParameters(), choice, testLanguage, named, sentence,
                       sizeof sentence);
    char head[300];
    snprintf(head, sizeof head, Text(kTextRefusalHead, testLanguage), label.c_str());
    return std::string(head) + sentence;
}

void TheDialogSetsAMateAndRefusesACollision(const RunningProgram& program) {
    HWND dialog = OpenByMenu(program, 'M', 0, Say(kTextMateCaption));
    if (dialog == nullptr) {
        return;
    }
    char hint[100];
    snprintf(hint, sizeof hint, Text(kTextTightCentreDistanceHint, testLanguage), 72.0);
    Check(ControlText(dialog, IDC_MATE_TEETH) == "48" && ControlText(dialog, IDC_MATE_HINT) == hint,
          "the dialog offers 48 teeth and names the tight centre distance: " +
              ControlText(dialog, IDC_MATE_HINT));
    TypeInto(dialog, IDC_MATE_CENTRE, "71");
    PressKey(VK_RETURN);
    const std::string message = AnswerBox(program, Say(kTextInputErrorCaption));
    Check(message == ExpectedRefusal(71), "a centre distance of 71 is refused: " + message);
    Check(
        IsWindowVisible(dialog) != FALSE &&
            WaitUntil([&] { return FocusedWindow(dialog) == GetDlgItem(dialog, IDC_MATE_CENTRE); },
                      2000),
        "the dialog stays open with the focus in the centre distance");
    TypeText("72.5");
    WaitUntil([&] { return ControlText(dialog, IDC_MATE_CENTRE) == "72.5"; }, 5000);
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000), "72.5 is taken");
}

void ThePairViewDrawsBothGearsAndRolls(const RunningProgram& program) {
    ChooseView(program, 'G');
    ClientPixels first;
    Check(WaitUntil(
              [&] {
                  first = CaptureClient(program.window);
                  return CountColour(first, kGreen) > 500 && CountColour(first, kBlue) > 500;
              },
              5000),
          "the Gear Pair view draws the gear blue and its mate green");
    PressKey(VK_RIGHT);
    Check(WaitUntil([&] { return CaptureClient(program.window).pixels != first.pixels; }, 5000),
          "Right rolls the pair");
    PressKey(VK_HOME);
    Check(WaitUntil([&] { return CaptureClient(program.window).pixels == first.pixels; }, 5000),
          "Home rolls it back to the start");
    ChooseView(program, 'M');
    Check(WaitUntil(
              [&] {
                  const ClientPixels zone = CaptureClient(program.window);
                  return CountColour(zone, kGreen) > 500 && CountColour(zone, kBlack) > 300;
              },
              5000),
          "the Mesh Zone view draws the meshing teeth and the path of contact");
}

// Both gears in mesh, as the view stands them at the start, through Make Pair DXF File: the
// very file the tool writes for the pair.
void ThePairDxfIsTheToolsBytes(const E2eSetting& setting, const RunningProgram& program) {
    const std::string file = setting.folder + "\\pair.dxf";
    char notice[1300];
    FormatExportNotice(kDxfFile, file.c_str(), testLanguage, notice, sizeof notice);
    Check(SaveDrawingAs(program, 'P', "pair") == notice, "the notice names " + file);
    Check(ReadFileBytes(file) == setting.pairDxf,
          "pair.dxf is byte for byte the tool's pair dxf --mate-teeth 48 --center-distance 72.5");
}

void TheGearDataHasThePairsPage(const RunningProgram& program) {
    HWND dialog = OpenByMenu(program, 'R', 0, Say(kTextGearReportCaption));
    if (dialog == nullptr) {
        return;
    }
    Check(TabTo(dialog, IDC_REPORT_TABS), "Tab reaches the pages");
    PressKey(VK_RIGHT);
    PressKey(VK_RIGHT);
    const int row = IDC_PAIR_VALUE_FIRST + kPairQuantityCentreDistance;
    Check(WaitUntil(
              [&] {
                  return IsWindowVisible(GetDlgItem(dialog, row)) &&
                         ControlText(dialog, row) == "72.5000";
              },
              5000),
          "the pair's page gives the centre distance 72.5000: " + ControlText(dialog, row));
    PressKey(VK_ESCAPE);
    Check(WindowGone(dialog, 5000), "the gear data closes");
}

// A ring of 50 teeth as the current gear with the default external pinion: the pinion
// stands inside, and the pair rolls.
void AnInternalPairRolls(const E2eSetting& setting, const RunningProgram& program) {
    EnterGear(program, "50", "2");
    ChooseRingCut(program);
    SaveDrawingAs(program, 'D', "ring");
    Check(ReadFileBytes(setting.folder + "\\ring.dxf") == setting.ringDxf,
          "the ring's DXF through the menu is byte for byte the tool's dxf --internal --teeth 50");
    HWND dialog = OpenByMenu(program, 'M', 0, Say(kTextMateCaption));
    if (dialog == nullptr) {
        return;
    }
    // Without the external pair's choices the dialog offers a pinion of half the teeth.
    Check(TabTo(dialog, IDC_MATE_NONE), "Tab reaches No mate");
    PressKey(VK_SPACE);
    Check(WindowGone(dialog, 5000), "No mate removes the mate");
    dialog = OpenByMenu(program, 'M', 0, Say(kTextMateCaption));
    if (dialog == nullptr) {
        return;
    }
    Check(ControlText(dialog, IDC_MATE_TEETH) == "25" &&
              IsWindowEnabled(GetDlgItem(dialog, IDC_MATE_INTERNAL)) == FALSE,
          "a ring's mate is offered with 25 teeth and cannot be a ring");
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000), "the pinion is taken");
    ChooseView(program, 'G');
    ClientPixels first;
    Check(WaitUntil(
              [&] {
                  first = CaptureClient(program.window);
                  return CountColour(first, kGreen) > 300 && CountColour(first, kBlue) > 500;
              },
              5000),
          "the Gear Pair view draws the ring and its pinion");
    PressKey(VK_RIGHT);
    Check(WaitUntil([&] { return CaptureClient(program.window).pixels != first.pixels; }, 5000),
          "Right rolls the internal pair");
    PressKey(VK_HOME);
    Check(WaitUntil([&] { return CaptureClient(program.window).pixels == first.pixels; }, 5000),
          "Home rolls the internal pair back");
}

}  // namespace

void RunPairScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    WithoutAMateTheViewsSaySo(program);
    TheDialogSetsAMateAndRefusesACollision(program);
    ThePairViewDrawsBothGearsAndRolls(program);
    ThePairDxfIsTheToolsBytes(setting, program);
    TheGearDataHasThePairsPage(program);
    AnInternalPairRolls(setting, program);
    StopProgram(&program);
}
