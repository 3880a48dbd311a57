// The end-to-end suite: scenarios that use the real program as a person would, in the
// language Windows speaks for this run.
#pragma once

#include <windows.h>

#include <string>

#include "tests/e2e/e2e_screen.h"
#include "ui/catalogue.h"

struct E2eSetting {
    std::string exe;            // the program, a Windows path
    std::string folder;         // its working folder, where scripts are written
    std::string defaultScript;  // involute script of the default gear
    std::string twelveScript;   // involute script --teeth 12 --shift 0.5
    std::string defaultDxf;     // involute dxf of the default gear
    std::string defaultSvg;     // involute svg of the default gear
    std::string dividedDxf;     // involute dxf --outline divided of the default gear
    std::string pairDxf;        // involute pair dxf --mate-teeth 48 --center-distance 72.5
    std::string ringDxf;        // involute dxf --internal --teeth 50
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kCyan = RGB(0, 255, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

// The language the program is expected to speak in this run.
extern Language testLanguage;

// The catalogue's text in that language.
std::string Say(TextId id);

// Counts one check and says what failed.
void Check(bool passed, const std::string& what);

// Starts the program, or counts a failure and answers false.
bool Start(const E2eSetting& setting, RunningProgram* program);

// Opens a dialog or box by keys and waits for it; null (and a failure) if it never shows.
HWND OpenByMenu(const RunningProgram& program, WORD menuKey, WORD itemKey,
                const std::string& caption);

// Waits for the message box with the caption, closes it by Enter and answers its text.
std::string AnswerBox(const RunningProgram& program, const std::string& caption);

// Windows' own caption of its Save As dialog, in Windows' language, and its file name box.
std::string SaveAsCaption();
const int kSaveAsNameBox = 0x47c;  // cmb13

// Alt+A, the item's key, the name typed into the Save As dialog and Enter: the text of the
// notice that follows.
std::string SaveDrawingAs(const RunningProgram& program, WORD itemKey, const std::string& name);

// Chooses Profile Draw and its item ('O' one tooth, 'T' whole gear); the picture is then
// waited for by the caller's own expectation.
void ChooseView(const RunningProgram& program, WORD itemKey);

// Tabs to the box, types the text over what it holds and waits until the box shows it.
void TypeInto(HWND dialog, int id, const std::string& text);

// Types the teeth and module into the data dialog and confirms them with Enter.
void EnterGear(const RunningProgram& program, const char* teeth, const char* module);

// Makes the current gear a ring, cut by the default shaper, in the Gear Type and Cutter
// dialog (under Profile Draw), as a person does: Tab to the gear type, Down, Enter.
void ChooseRingCut(const RunningProgram& program);

void RunProgramScenarios(const E2eSetting& setting);
void RunScriptScenarios(const E2eSetting& setting);
void RunDataInputScenarios(const E2eSetting& setting);
void RunViewScenarios(const E2eSetting& setting);
void RunReportScenarios(const E2eSetting& setting);
void RunDrawingScenarios(const E2eSetting& setting);
void RunLanguageScenarios(const E2eSetting& setting);
void RunPairScenarios(const E2eSetting& setting);
void RunOutlineScenarios(const E2eSetting& setting);

// Times the heavy commands for the largest gear; prints, checks nothing.
int RunTiming(const E2eSetting& setting);
