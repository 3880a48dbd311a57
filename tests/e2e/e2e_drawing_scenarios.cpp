// The DXF and SVG commands: the Save As dialog typed into as a person would, the notice,
// the file on disk, Cancel, and a target that cannot be written.
#include <string>

#include "tests/e2e/e2e_driver.h"
#include "ui/export_message.h"

namespace {

std::string NoticeFor(ExportKind kind, const std::string& fileName) {
    char text[1300];
    FormatExportNotice(kind, fileName.c_str(), testLanguage, text, sizeof text);
    return text;
}

// Alt+A, then the item's key: the Save As dialog, its name box holding the default name.
HWND OpenSaveAs(const RunningProgram& program, WORD itemKey, const char* defaultName) {
    HWND dialog = OpenByMenu(program, 'A', itemKey, SaveAsCaption());
    if (dialog != nullptr) {
        Check(ControlText(dialog, kSaveAsNameBox) == defaultName,
              std::string("the name box shows ") + defaultName + ", not " +
                  ControlText(dialog, kSaveAsNameBox));
    }
    return dialog;
}

void DefaultNameWritesTestDxf(const E2eSetting& setting, const RunningProgram& program) {
    HWND dialog = OpenSaveAs(program, 'D', "test.dxf");
    if (dialog == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    Check(WindowGone(dialog, 5000), "Enter closes the Save As dialog");
    const std::string file = setting.folder + "\\test.dxf";
    const std::string notice = AnswerBox(program, Say(kTextNoticeCaption));
    Check(notice == NoticeFor(kDxfFile, file), "the notice names " + file + ": " + notice);
    Check(ReadFileBytes(file) == setting.defaultDxf,
          "test.dxf is byte for byte the involute tool's DXF of the default gear");
}

void TypedNameGetsTheSvgExtension(const E2eSetting& setting, const RunningProgram& program) {
    HWND dialog = OpenSaveAs(program, 'V', "test.svg");
    if (dialog == nullptr) {
        return;
    }
    TypeText("gear");
    WaitUntil([&] { return ControlText(dialog, kSaveAsNameBox) == "gear"; }, 5000);
    PressKey(VK_RETURN);
    const std::string file = setting.folder + "\\gear.svg";
    const std::string notice = AnswerBox(program, Say(kTextNoticeCaption));
    Check(notice == NoticeFor(kSvgFile, file), "the notice names " + file + ": " + notice);
    Check(ReadFileBytes(file) == setting.defaultSvg,
          "gear.svg is byte for byte the involute tool's SVG of the default gear");
}

void CancelWritesNothing(const E2eSetting& setting, const RunningProgram& program) {
    for (WORD itemKey : {'D', 'V'}) {
        HWND dialog = OpenByMenu(program, 'A', itemKey, SaveAsCaption());
        if (dialog == nullptr) {
            return;
        }
        TypeText("cancelled");
        WaitUntil([&] { return ControlText(dialog, kSaveAsNameBox) == "cancelled"; }, 5000);
        PressKey(VK_ESCAPE);
        Check(WindowGone(dialog, 5000), "Esc closes the Save As dialog");
        Check(WaitForWindow(program, Say(kTextNoticeCaption), 500) == nullptr, "Cancel: no notice");
        Check(WaitForWindow(program, Say(kTextErrorCaption), 100) == nullptr, "Cancel: no error");
    }
    Check(!FileExists(setting.folder + "\\cancelled.dxf") &&
              !FileExists(setting.folder + "\\cancelled.svg") &&
              !FileExists(setting.folder + "\\cancelled"),
          "Cancel writes no file");
}

void MissingFolderIsReportedAsAFailure(const E2eSetting& setting, const RunningProgram& program) {
    HWND dialog = OpenByMenu(program, 'A', 'D', SaveAsCaption());
    if (dialog == nullptr) {
        return;
    }
    TypeText("no-such-folder\\gear");
    WaitUntil([&] { return ControlText(dialog, kSaveAsNameBox) == "no-such-folder\\gear"; }, 5000);
    PressKey(VK_RETURN);
    const std::string text = AnswerBox(program, Say(kTextErrorCaption));
    Check(text.find("DXF") != std::string::npos &&
              text.find("no-such-folder\\gear.dxf") != std::string::npos,
          "the error names the DXF file: " + text);
    Check(WaitForWindow(program, Say(kTextNoticeCaption), 500) == nullptr,
          "no success notice follows");
    Check(!FileExists(setting.folder + "\\no-such-folder"), "nothing is left behind");
}

}  // namespace

void RunDrawingScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    DefaultNameWritesTestDxf(setting, program);
    TypedNameGetsTheSvgExtension(setting, program);
    CancelWritesNothing(setting, program);
    MissingFolderIsReportedAsAFailure(setting, program);
    StopProgram(&program);
}
