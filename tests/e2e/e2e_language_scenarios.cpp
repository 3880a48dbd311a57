// The program on a Windows that does not speak Korean: files through its dialogs into a
// folder with a Korean name, the Language menu switching at once and remembered, and a
// damaged remembered choice ignored.
#include <string>

#include "tests/e2e/e2e_driver.h"
#include "ui/export_message.h"
#include "ui/resource.h"

namespace {

const char kFolder[] = "기어 도면";
std::string NoticeFor(ExportKind kind, const std::string& fileName, Language language) {
    char text[4096];
    FormatExportNotice(kind, fileName.c_str(), language, text, sizeof text);
    return text;
}

void FilesGoIntoAFolderWithAKoreanName(const E2eSetting& setting) {
    const std::string folder = setting.folder + "\\" + kFolder;
    CreateDirectoryW(Wide(folder).c_str(), nullptr);
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    const std::string base = std::string(kFolder) + "\\톱니";
    HWND name = OpenByMenu(program, 'A', 'M', Say(kTextScriptNameCaption));
    if (name != nullptr) {
        TypeInto(name, IDC_SCRIPT_NAME, base);
        PressKey(VK_RETURN);
        const std::string notice = AnswerBox(program, Say(kTextNoticeCaption));
        Check(notice == NoticeFor(kScriptFile, base + ".scr", kEnglish),
              "the notice names the script by its Korean name: " + notice);
    }
    Check(ReadFileBytes(folder + "\\톱니.scr") == setting.defaultScript,
          "the script in '기어 도면' is byte for byte the native tool's");

    const std::string dxf = folder + "\\톱니.dxf";
    Check(SaveDrawingAs(program, 'D', base) == NoticeFor(kDxfFile, dxf, kEnglish),
          "the DXF notice names " + dxf);
    Check(ReadFileBytes(dxf) == setting.defaultDxf,
          "the DXF in '기어 도면' is byte for byte the native tool's");
    const std::string svg = folder + "\\톱니.svg";
    Check(SaveDrawingAs(program, 'V', base) == NoticeFor(kSvgFile, svg, kEnglish),
          "the SVG notice names " + svg);
    Check(ReadFileBytes(svg) == setting.defaultSvg,
          "the SVG in '기어 도면' is byte for byte the native tool's");
    StopProgram(&program);
}

// The data dialog's caption and first label say which language the program speaks.
bool Speaks(const RunningProgram& program, Language language, const std::string& when) {
    HWND dialog = OpenByMenu(program, 'D', 0, Text(kTextGearDataCaption, language));
    if (dialog == nullptr) {
        return false;
    }
    const bool spoken =
        ControlText(dialog, IDC_LABEL_TEETH) == Text(kTextFieldToothCount, language) &&
        ControlText(dialog, IDOK) == Text(kTextOk, language);
    Check(spoken, when + ": the data dialog reads " + ControlText(dialog, IDC_LABEL_TEETH));
    PressKey(VK_ESCAPE);
    WindowGone(dialog, 5000);
    return spoken;
}

// Alt+L, then the item: the first is 한국어, the second English.
void ChooseLanguage(const RunningProgram& program, Language language) {
    BringToFront(program.window);
    WaitUntil([&] { return HasKeyboard(program.window); }, 5000);
    PressWithAlt('L');
    Check(WaitUntil([&] { return MenuOpen(program); }, 5000), "the Language menu opens");
    if (language == kEnglish) {
        PressKey(VK_DOWN);
    }
    PressKey(VK_RETURN);
    Check(WaitUntil([&] { return !MenuOpen(program); }, 5000), "the Language menu closes");
}

void LanguageMenuSwitchesAtOnceAndIsRemembered(const E2eSetting& setting) {
    RunningProgram program;
    if (!Start(setting, &program)) {
        return;
    }
    ChooseLanguage(program, kKorean);
    Speaks(program, kKorean, "한국어 chosen on an English Windows");
    StopProgram(&program);
    if (Start(setting, &program)) {
        Speaks(program, kKorean, "after a restart");
        ChooseLanguage(program, kEnglish);
        Speaks(program, kEnglish, "English chosen again");
        StopProgram(&program);
    }
}

// A remembered choice that is not one: the program follows Windows (English here).
void DamagedChoiceIsIgnored(const E2eSetting& setting) {
    const std::wstring tooLong(400, L'k');
    const DWORD number = 1;
    const struct {
        DWORD type;
        const void* data;
        DWORD bytes;
        const char* what;
    } damaged[] = {
        {REG_SZ, L"fr", 6, "an unknown language"},
        {REG_DWORD, &number, sizeof number, "a number"},
        {REG_SZ, tooLong.c_str(), static_cast<DWORD>((tooLong.size() + 1) * 2), "a long text"},
    };
    for (const auto& value : damaged) {
        HKEY key = nullptr;
        RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Odontra", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr);
        RegSetValueExW(key, L"Language", 0, value.type, static_cast<const BYTE*>(value.data),
                       value.bytes);
        RegCloseKey(key);
        RunningProgram program;
        if (Start(setting, &program)) {
            Speaks(program, kEnglish, std::string("a setting holding ") + value.what);
            StopProgram(&program);
        }
    }
    RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Odontra");
}

}  // namespace

void RunLanguageScenarios(const E2eSetting& setting) {
    FilesGoIntoAFolderWithAKoreanName(setting);
    LanguageMenuSwitchesAtOnceAndIsRemembered(setting);
    DamagedChoiceIsIgnored(setting);
}
