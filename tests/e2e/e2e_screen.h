// What the end-to-end driver sees and does: the program's process and windows, keys
// typed as a person types them, and the pixels on the screen.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RunningProgram {
    PROCESS_INFORMATION process;
    HWND window;
};

// Starts the program in folder and waits for its main window; window is null on failure.
RunningProgram StartProgram(const std::string& exe, const std::string& folder);

// Waits for the process to end; its exit code, or -1 when it did not end in time.
int WaitForExit(RunningProgram* program, int milliseconds);

// Ends a program that is still running.
void StopProgram(RunningProgram* program);

// A top-level window of the process with this caption ("#32770" dialogs included).
HWND WaitForWindow(const RunningProgram& program, const char* caption, int milliseconds);
bool WindowGone(HWND window, int milliseconds);

// Keys through the system's input queue, to the foreground window.
void PressKey(WORD key);
void PressWithAlt(WORD key);
void TypeText(const char* text);
void BringToFront(HWND window);

// The text of a dialog control, and of a message box's message.
std::string ControlText(HWND dialog, int id);
std::string MessageBoxText(HWND box);
HWND FocusedWindow(HWND anyWindowOfThread);

// The client area as the screen shows it, pixel (x, y) at [y * width + x], as RGB.
struct ClientPixels {
    int width;
    int height;
    std::vector<COLORREF> pixels;
};

ClientPixels CaptureClient(HWND window);
COLORREF PixelAt(const ClientPixels& shot, int x, int y);

// The client area, what the program draws, as a 24-bit BMP file.
bool SaveWindowImage(HWND window, const std::string& path);

// Lets the program handle what it was sent.
void Settle(int milliseconds);

std::string ReadFileBytes(const std::string& path);
bool FileExists(const std::string& path);

// Presses Tab until the control has the focus, as a person does; false if it never does.
bool TabTo(HWND dialog, int id);
