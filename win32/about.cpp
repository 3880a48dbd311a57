// The about display: lines written straight onto the window, then a message box; the
// next paint copies the canvas back over the lines.
#include "win32/main_window.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

static const struct {
    int y;
    TextId text;
} kAboutLines[] = {
    {10, kTextAboutLine1}, {35, kTextAboutLine2},  {50, kTextAboutLine3},  {75, kTextAboutLine4},
    {90, kTextAboutLine5}, {120, kTextAboutLine6}, {140, kTextAboutLine7},
};

void ShowAbout(HWND window) {
    HDC dc = GetDC(window);
    HFONT font = LanguageFont();
    HGDIOBJ previous = font != nullptr ? SelectObject(dc, font) : nullptr;
    for (const auto& line : kAboutLines) {
        wchar_t text[512];
        ToWide(UiText(line.text), text, 512);
        TextOutW(dc, 20, line.y, text, static_cast<int>(wcslen(text)));
    }
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    ReleaseDC(window, dc);
    MessageBoxUtf8(window, UiText(kTextAboutTitle), UiText(kTextAboutCaption), MB_OK);
    InvalidateRect(window, nullptr, TRUE);
}
