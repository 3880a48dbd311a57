// Texts cross the Win32 edge as UTF-16 and live inside the program as UTF-8: the
// conversions, and the calls that set, read and show a text, each taking UTF-8.
#pragma once

#include <windows.h>

#include <cstddef>

// Converts the UTF-8 text into out (size wide characters, the zero included); a text too
// long is cut at a whole character.
void ToWide(const char* text, wchar_t* out, size_t size);

// Converts the wide text into UTF-8 in out (size bytes, the zero included).
void ToUtf8(const wchar_t* text, char* out, size_t size);

void SetWindowTextUtf8(HWND window, const char* text);
void SetControlTextUtf8(HWND dialog, int id, const char* text);

// The text of a control as UTF-8, of which at most units - 1 wide characters are read.
void ControlTextUtf8(HWND dialog, int id, int units, char* out, size_t size);

int MessageBoxUtf8(HWND owner, const char* text, const char* caption, UINT type);
