// The language the program speaks: the one chosen in the Language menu, remembered for the
// next start, else Korean where Windows' display language is Korean and English elsewhere.
// Its dialogs come in that language, in a font that can show it.
#pragma once

#include <windows.h>

#include "ui/catalogue.h"

extern Language programLanguage;

// The remembered choice, or Windows' own language where there is none (or a damaged one).
Language StartingLanguage();

// Speaks language from now on and remembers it.
void ChooseLanguage(Language language);

// The text of id in the program's language.
const char* UiText(TextId id);

// Runs the dialog template id in the program's language, modally.
INT_PTR RunDialog(HWND owner, int id, DLGPROC procedure, LPARAM parameter);

// For the program's language on a Windows whose system font lacks its letters (Korean
// where the code page is not 949): a font that shows them, else null (keep the font).
HFONT LanguageFont();

// Gives every control of the dialog LanguageFont(), where there is one.
void FitDialogFont(HWND dialog);
