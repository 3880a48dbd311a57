#include "win32/wide_text.h"

#include "text/utf8.h"

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows' wide characters are UTF-16");

// Room for the longest text the program shows: a message naming a long file name.
static const size_t kWideTextSize = 4096;

void ToWide(const char* text, wchar_t* out, size_t size) {
    Utf8ToUtf16(text, reinterpret_cast<char16_t*>(out), size);
}

void ToUtf8(const wchar_t* text, char* out, size_t size) {
    Utf16ToUtf8(reinterpret_cast<const char16_t*>(text), out, size);
}

void SetWindowTextUtf8(HWND window, const char* text) {
    wchar_t wide[kWideTextSize];
    ToWide(text, wide, kWideTextSize);
    SetWindowTextW(window, wide);
}

void SetControlTextUtf8(HWND dialog, int id, const char* text) {
    SetWindowTextUtf8(GetDlgItem(dialog, id), text);
}

void ControlTextUtf8(HWND dialog, int id, int units, char* out, size_t size) {
    wchar_t wide[kWideTextSize] = L"";
    const int limit = units < static_cast<int>(kWideTextSize) ? units : kWideTextSize;
    GetDlgItemTextW(dialog, id, wide, limit);
    ToUtf8(wide, out, size);
}

int MessageBoxUtf8(HWND owner, const char* text, const char* caption, UINT type) {
    wchar_t wideText[kWideTextSize];
    wchar_t wideCaption[256];
    ToWide(text, wideText, kWideTextSize);
    ToWide(caption, wideCaption, 256);
    return MessageBoxW(owner, wideText, wideCaption, type);
}
