// Dialog 104 and the script file: what the person types, the notice, the file on disk.
#include <string>

#include "ui/export_message.h"
#include "tests/e2e/e2e_driver.h"

namespace {

const int kNameEdit = 1008;

std::string NoticeFor(const char* fileName) {
    char text[256];
    FormatExportNotice(kScriptFile, fileName, text, sizeof text);
    return text;
}

// Opens the name dialog; when name is given, types it over the shown one.
HWND OpenNameDialog(const RunningProgram& program, const char* name) {
    HWND dialog = OpenByMenu(program, 'A', 'M', "Dialog");
    if (dialog != nullptr && name != nullptr) {
        Check(TabTo(dialog, kNameEdit), "Tab reaches the name box");
        TypeText(name);
    }
    return dialog;
}

void DefaultNameWritesTestScr(const E2eSetting& setting, const RunningProgram& program) {
    HWND dialog = OpenNameDialog(program, nullptr);
    if (dialog == nullptr) {
        return;
    }
    Check(ControlText(dialog, kNameEdit) == "test", "the name box shows test at first");
    PressKey(VK_RETURN);
    Check(AnswerBox(program, "알림 메세지") == NoticeFor("test.scr"), "the notice names test.scr");
    Check(ReadFileBytes(setting.folder + "\\test.scr") == setting.defaultScript,
          "test.scr is byte for byte the involute tool's script of the default gear");
}

void EscapeKeepsTheNameAndStillExports(const E2eSetting& setting, const RunningProgram& program) {
    DeleteFileA((setting.folder + "\\test.scr").c_str());
    if (OpenNameDialog(program, "other") == nullptr) {
        return;
    }
    PressKey(VK_ESCAPE);
    Check(AnswerBox(program, "알림 메세지") == NoticeFor("test.scr"),
          "after Esc the export still follows, under the old name");
    Check(FileExists(setting.folder + "\\test.scr"), "Esc: test.scr written again");
    Check(!FileExists(setting.folder + "\\other.scr"), "Esc: the typed name is dropped");
}

void NewNameIsUsedAndShownNextTime(const E2eSetting& setting, const RunningProgram& program) {
    if (OpenNameDialog(program, "gear") == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    Check(AnswerBox(program, "알림 메세지") == NoticeFor("gear.scr"), "the notice names gear.scr");
    Check(ReadFileBytes(setting.folder + "\\gear.scr") == setting.defaultScript,
          "gear.scr holds the script");
    HWND dialog = OpenNameDialog(program, nullptr);
    if (dialog == nullptr) {
        return;
    }
    Check(ControlText(dialog, kNameEdit) == "gear", "reopened, the box shows the last name");
    PressKey(VK_ESCAPE);
    AnswerBox(program, "알림 메세지");
}

void LongNameIsHeldToThirtyNineBytes(const E2eSetting& setting, const RunningProgram& program) {
    const std::string typed(45, 'n');
    HWND dialog = OpenNameDialog(program, typed.c_str());
    if (dialog == nullptr) {
        return;
    }
    const std::string kept = ControlText(dialog, kNameEdit);
    Check(kept == std::string(39, 'n'),
          "the name box holds 39 characters, not " + std::to_string(kept.size()));
    PressKey(VK_RETURN);
    const std::string file = std::string(39, 'n') + ".scr";
    Check(AnswerBox(program, "알림 메세지") == NoticeFor(file.c_str()),
          "the notice names the 39-character file");
    Check(FileExists(setting.folder + "\\" + file), "the 39-character file is written");
}

void MissingFolderIsReportedAsAFailure(const E2eSetting& setting, const RunningProgram& program) {
    if (OpenNameDialog(program, "no-such-folder\\gear") == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    const std::string text = AnswerBox(program, "오류 메세지");
    Check(text.find("no-such-folder\\gear.scr") != std::string::npos,
          "the error names the file: " + text);
    Check(WaitForWindow(program, "알림 메세지", 500) == nullptr, "no success notice follows");
    Check(!FileExists(setting.folder + "\\no-such-folder"), "nothing is left behind");
}

}  // namespace

void RunScriptScenarios(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    DefaultNameWritesTestScr(setting, program);
    EscapeKeepsTheNameAndStillExports(setting, program);
    NewNameIsUsedAndShownNextTime(setting, program);
    LongNameIsHeldToThirtyNineBytes(setting, program);
    MissingFolderIsReportedAsAFailure(setting, program);
    StopProgram(&program);
}
