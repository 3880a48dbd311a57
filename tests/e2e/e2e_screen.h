// What the end-to-end driver sees and does: the program's process and windows, keys
// typed as a person types them, the pixels on the screen, and waits for each of them.
// Texts are UTF-8, as in the program; they cross to Windows as UTF-16.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct RunningProgram {
    PROCESS_INFORMATION process;
    HWND window;
};

// Polls done until it holds or the time is up; whether it held.
bool WaitUntil(const std::function<bool()>& done, int milliseconds);

// Starts the program in folder and waits for its main window in front; window is null on
// failure.
RunningProgram StartProgram(const std::string& exe, const std::string& folder);

// Waits for the process to end; its exit code, or -1 when it did not end in time.
int WaitForExit(RunningProgram* program, int milliseconds);

// Ends a program that is still running.
void StopProgram(RunningProgram* program);

// A visible top-level window of the process with this caption ("#32770" dialogs included),
// once it is in front; null when none shows in time.
HWND WaitForWindow(const RunningProgram& program, const std::string& caption, int milliseconds);
bool WindowGone(HWND window, int milliseconds);

// Keys through the system's input queue, to the foreground window.
void PressKey(WORD key);
void PressWithAlt(WORD key);
void TypeText(const std::string& text);
void BringToFront(HWND window);

// The text of a window or dialog control, and of a message box's message.
std::string WindowText(HWND window);
std::string ControlText(HWND dialog, int id);
std::string MessageBoxText(HWND box);
HWND FocusedWindow(HWND anyWindowOfThread);

// A drop-down menu of the program is open.
bool MenuOpen(const RunningProgram& program);

// The window is in front, active and has the keyboard focus: keys reach it.
bool HasKeyboard(HWND window);

// Presses Tab until the control has the focus, as a person does; false if it never does.
bool TabTo(HWND dialog, int id);

// The client area as the screen shows it, pixel (x, y) at [y * width + x], as RGB.
struct ClientPixels {
    int width;
    int height;
    std::vector<COLORREF> pixels;
};

ClientPixels CaptureClient(HWND window);
COLORREF PixelAt(const ClientPixels& shot, int x, int y);

// Waits until the client area shows this colour at (x, y).
bool WaitForPixel(HWND window, int x, int y, COLORREF colour, int milliseconds);

// The client area, what the program draws, as a 24-bit BMP file.
bool SaveWindowImage(HWND window, const std::string& path);

std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);
std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);
void RemoveFile(const std::string& path);
