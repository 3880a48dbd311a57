#include "win32/program_language.h"

#include <cstring>

#include "win32/settings.h"

Language programLanguage = kKorean;

static const wchar_t kLanguageSetting[] = L"Language";

// How the setting names each language.
static const char* SettingOf(Language language) {
    return language == kKorean ? "ko" : "en";
}

static Language WindowsLanguage() {
    return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_KOREAN ? kKorean : kEnglish;
}

Language StartingLanguage() {
    char value[16];
    if (ReadSetting(kLanguageSetting, value, sizeof value)) {
        const Language languages[] = {kKorean, kEnglish};
        for (Language language : languages) {
            if (strcmp(value, SettingOf(language)) == 0) {
                return language;
            }
        }
    }
    return WindowsLanguage();
}

void ChooseLanguage(Language language) {
    programLanguage = language;
    WriteSetting(kLanguageSetting, SettingOf(language));
}

const char* UiText(TextId id) {
    return Text(id, programLanguage);
}

INT_PTR RunDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter) {
    const WORD wanted = programLanguage == kKorean ? MAKELANGID(LANG_KOREAN, SUBLANG_DEFAULT)
                                                   : MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
    HRSRC resource = FindResourceExW(nullptr, RT_DIALOG, MAKEINTRESOURCEW(id), wanted);
    HGLOBAL loaded = resource != nullptr ? LoadResource(nullptr, resource) : nullptr;
    const void* templateData = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (templateData == nullptr) {
        return DialogBoxParamW(nullptr, MAKEINTRESOURCEW(id), owner, procedure, parameter);
    }
    return DialogBoxIndirectParamW(nullptr, static_cast<LPCDLGTEMPLATEW>(templateData), owner,
                                   procedure, parameter);
}

// The font of this height that shows the program's language, where the system's own does not
// (Korean where the code page is not 949); else null.
static HFONT LanguageFontOfHeight(LONG height) {
    // Windows' Korean code page is 949; its system font then holds the Hangul syllables.
    if (programLanguage != kKorean || GetACP() == 949) {
        return nullptr;
    }
    static HFONT font = nullptr;
    static LONG fontHeight = 0;
    if (font == nullptr || fontHeight != height) {
        // The dialog font, which Windows links to a Korean font where it has none of its own.
        LOGFONTW description = {};
        description.lfHeight = height;
        description.lfWeight = FW_NORMAL;
        description.lfCharSet = DEFAULT_CHARSET;
        wcscpy(description.lfFaceName, L"MS Shell Dlg");
        if (font != nullptr) {
            DeleteObject(font);
        }
        font = CreateFontIndirectW(&description);
        fontHeight = height;
    }
    return font;
}

// The height of a font, as its description gives it.
static LONG HeightOf(HGDIOBJ font) {
    LOGFONTW description = {};
    GetObjectW(font, sizeof description, &description);
    return description.lfHeight;
}

HFONT LanguageFont() {
    return LanguageFontOfHeight(HeightOf(GetStockObject(SYSTEM_FONT)));
}

static BOOL CALLBACK SetChildFont(HWND child, LPARAM font) {
    SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

void FitDialogFont(HWND dialog) {
    const HGDIOBJ own = reinterpret_cast<HGDIOBJ>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    HFONT font = LanguageFontOfHeight(HeightOf(own != nullptr ? own : GetStockObject(SYSTEM_FONT)));
    if (font != nullptr) {
        EnumChildWindows(dialog, SetChildFont, reinterpret_cast<LPARAM>(font));
    }
}
