// Dialog 104 and the script file: what the person types, the notice, the file on disk.
#include <string>

#include "tests/e2e/e2e_driver.h"
#include "ui/export_message.h"
#include "ui/resource.h"

namespace {

const int kNameEdit = IDC_SCRIPT_NAME;

std::string NoticeFor(const std::string& fileName) {
    char text[1024];
    FormatExportNotice(kScriptFile, fileName.c_str(), testLanguage, text, sizeof text);
    return text;
}

// Opens the name dialog; when name is given, types it over the shown one.
HWND OpenNameDialog(const RunningProgram& program, const char* name) {
    HWND dialog = OpenByMenu(program, 'A', 'M', Say(kTextScriptNameCaption));
    if (dialog != nullptr && name != nullptr) {
        Check(TabTo(dialog, kNameEdit), "Tab reaches the name box");
        TypeText(name);
        const std::string shown = name;
        WaitUntil([&] { return ControlText(dialog, kNameEdit) == shown.substr(0, 39); }, 5000);
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
    Check(AnswerBox(program, Say(kTextNoticeCaption)) == NoticeFor("test.scr"),
          "the notice names test.scr");
    Check(ReadFileBytes(setting.folder + "\\test.scr") == setting.defaultScript,
          "test.scr is byte for byte the involute tool's script of the default gear");
}

void EscapeKeepsTheNameAndStillExports(const E2eSetting& setting, const RunningProgram& program) {
    RemoveFile(setting.folder + "\\test.scr");
    if (OpenNameDialog(program, "other") == nullptr) {
        return;
    }
    PressKey(VK_ESCAPE);
    Check(AnswerBox(program, Say(kTextNoticeCaption)) == NoticeFor("test.scr"),
          "after Esc the export still follows, under the old name");
    Check(FileExists(setting.folder + "\\test.scr"), "Esc: test.scr written again");
    Check(!FileExists(setting.folder + "\\other.scr"), "Esc: the typed name is dropped");
}

void NewNameIsUsedAndShownNextTime(const E2eSetting& setting, const RunningProgram& program) {
    if (OpenNameDialog(program, "gear") == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    Check(AnswerBox(program, Say(kTextNoticeCaption)) == NoticeFor("gear.scr"),
          "the notice names gear.scr");
    Check(ReadFileBytes(setting.folder + "\\gear.scr") == setting.defaultScript,
          "gear.scr holds the script");
    HWND dialog = OpenNameDialog(program, nullptr);
    if (dialog == nullptr) {
        return;
    }
    Check(ControlText(dialog, kNameEdit) == "gear", "reopened, the box shows the last name");
    PressKey(VK_ESCAPE);
    AnswerBox(program, Say(kTextNoticeCaption));
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
    Check(AnswerBox(program, Say(kTextNoticeCaption)) == NoticeFor(file),
          "the notice names the 39-character file");
    Check(FileExists(setting.folder + "\\" + file), "the 39-character file is written");
}

void MissingFolderIsReportedAsAFailure(const E2eSetting& setting, const RunningProgram& program) {
    if (OpenNameDialog(program, "no-such-folder\\gear") == nullptr) {
        return;
    }
    PressKey(VK_RETURN);
    const std::string text = AnswerBox(program, Say(kTextErrorCaption));
    Check(text.find("no-such-folder\\gear.scr") != std::string::npos,
          "the error names the file: " + text);
    Check(WaitForWindow(program, Say(kTextNoticeCaption), 500) == nullptr,
          "no success notice follows");
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
