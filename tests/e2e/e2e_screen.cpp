#include "tests/e2e/e2e_screen.h"

#include <cstdio>
#include <cstdlib>

#include "text/utf8.h"
#include "ui/resource.h"

namespace {

// How often a wait looks again.
const int kPollMilliseconds = 20;

struct WindowSearch {
    DWORD processId;
    const std::wstring* caption;  // null: a window of the class
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId || !IsWindowVisible(window)) {
        return TRUE;
    }
    wchar_t text[512] = L"";
    if (search->caption == nullptr) {
        GetClassNameW(window, text, 512);
        if (wcscmp(text, search->className) == 0) {
            search->found = window;
            return FALSE;
        }
        return TRUE;
    }
    GetWindowTextW(window, text, 512);
    if (*search->caption == text) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProgramWindow(DWORD processId, const std::wstring* caption,
                       const wchar_t* className = L"" WINDOW_CLASS_NAME) {
    WindowSearch search = {processId, caption, className, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void SendKey(WORD key, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int milliseconds) {
    for (int waited = 0;; waited += kPollMilliseconds) {
        if (done()) {
            return true;
        }
        if (waited >= milliseconds) {
            return false;
        }
        Sleep(kPollMilliseconds);
    }
}

std::wstring Wide(const std::string& text) {
    std::u16string wide(text.size() + 1, u'\0');
    Utf8ToUtf16(text.c_str(), &wide[0], wide.size());
    return std::wstring(reinterpret_cast<const wchar_t*>(wide.c_str()));
}

std::string Narrow(const std::wstring& text) {
    std::string narrow(4 * text.size() + 1, '\0');
    Utf16ToUtf8(reinterpret_cast<const char16_t*>(text.c_str()), &narrow[0], narrow.size());
    return std::string(narrow.c_str());
}

RunningProgram StartProgram(const std::string& exe, const std::string& folder) {
    RunningProgram program = {};
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + Wide(exe) + L"\"";
    if (!CreateProcessW(Wide(exe).c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        Wide(folder).c_str(), &startup, &program.process)) {
        return program;
    }
    WaitUntil(
        [&] {
            program.window = FindProgramWindow(program.process.dwProcessId, nullptr);
            return program.window != nullptr;
        },
        15000);
    if (program.window != nullptr) {
        BringToFront(program.window);
        WaitUntil([&] { return GetForegroundWindow() == program.window; }, 3000);
    }
    return program;
}

int WaitForExit(RunningProgram* program, int milliseconds) {
    if (program->process.hProcess == nullptr) {
        return -1;
    }
    if (WaitForSingleObject(program->process.hProcess, milliseconds) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(program->process.hProcess, &code);
    CloseHandle(program->process.hProcess);
    CloseHandle(program->process.hThread);
    program->process.hProcess = nullptr;
    return static_cast<int>(code);
}

void StopProgram(RunningProgram* program) {
    if (program->process.hProcess == nullptr) {
        return;
    }
    TerminateProcess(program->process.hProcess, 99);
    WaitForExit(program, 5000);
}

HWND WaitForWindow(const RunningProgram& program, const std::string& caption, int milliseconds) {
    const std::wstring wide = Wide(caption);
    HWND found = nullptr;
    WaitUntil(
        [&] {
            found = FindProgramWindow(program.process.dwProcessId, &wide);
            return found != nullptr;
        },
        milliseconds);
    if (found != nullptr) {
        // Keys go to the window in front: wait until the new window is there.
        WaitUntil([&] { return GetForegroundWindow() == found; }, 2000);
    }
    return found;
}

// A closed dialog is hidden at once but destroyed only when its modal loop takes another
// message; a small movement of the mouse over the program's main window, as a person's
// hand makes, gives it one.
bool WindowGone(HWND window, int milliseconds) {
    HWND main = GetAncestor(window, GA_ROOTOWNER);
    RECT area = {};
    if (main != nullptr && main != window && GetWindowRect(main, &area)) {
        SetCursorPos((area.left + area.right) / 2, (area.top + area.bottom) / 2);
    }
    int nudges = 0;
    return WaitUntil(
        [&] {
            if (!IsWindow(window)) {
                return true;
            }
            if (!IsWindowVisible(window)) {
                INPUT input = {};
                input.type = INPUT_MOUSE;
                input.mi.dx = nudges++ % 2 == 0 ? 1 : -1;
                input.mi.dwFlags = MOUSEEVENTF_MOVE;
                SendInput(1, &input, sizeof input);
            }
            return false;
        },
        milliseconds);
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void PressKey(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
}

void PressWithAlt(WORD key) {
    SendKey(VK_MENU, false);
    SendKey(key, false);
    SendKey(key, true);
    SendKey(VK_MENU, true);
}

void TypeText(const std::string& text) {
    for (wchar_t c : Wide(text)) {
        INPUT input[2] = {};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wScan = c;
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
    }
}

std::string WindowText(HWND window) {
    wchar_t text[4096] = L"";
    GetWindowTextW(window, text, 4096);
    return Narrow(text);
}

std::string ControlText(HWND dialog, int id) {
    wchar_t text[4096] = L"";
    GetDlgItemTextW(dialog, id, text, 4096);
    return Narrow(text);
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

bool MenuOpen(const RunningProgram& program) {
    // A drop-down menu is a window of the system's menu class.
    return FindProgramWindow(program.process.dwProcessId, nullptr, L"#32768") != nullptr;
}

bool HasKeyboard(HWND window) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return GetForegroundWindow() == window && info.hwndActive == window && info.hwndFocus == window;
}

HWND FocusedWindow(HWND anyWindowOfThread) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info);
    return info.hwndFocus;
}

bool TabTo(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    for (int presses = 0; presses < 30; presses++) {
        HWND focus = FocusedWindow(dialog);
        if (focus == control) {
            return true;
        }
        PressKey(VK_TAB);
        WaitUntil([&] { return FocusedWindow(dialog) != focus; }, 2000);
    }
    return FocusedWindow(dialog) == control;
}

ClientPixels CaptureClient(HWND window) {
    ClientPixels shot = {};
    RECT client;
    GetClientRect(window, &client);
    shot.width = client.right;
    shot.height = client.bottom;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD* raw = static_cast<const DWORD*>(bits);
    shot.pixels.resize(static_cast<size_t>(shot.width) * shot.height);
    for (size_t i = 0; i < shot.pixels.size(); i++) {
        const DWORD p = raw[i];  // 0x00RRGGBB in a DIB
        shot.pixels[i] = RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return shot;
}

COLORREF PixelAt(const ClientPixels& shot, int x, int y) {
    if (x < 0 || y < 0 || x >= shot.width || y >= shot.height) {
        return CLR_INVALID;
    }
    return shot.pixels[static_cast<size_t>(y) * shot.width + x];
}

bool WaitForPixel(HWND window, int x, int y, COLORREF colour, int milliseconds) {
    return WaitUntil(
        [&] {
            HDC dc = GetDC(window);
            const COLORREF shown = GetPixel(dc, x, y);
            ReleaseDC(window, dc);
            return shown == colour;
        },
        milliseconds);
}

bool SaveWindowImage(HWND window, const std::string& path) {
    RECT client;
    GetClientRect(window, &client);
    const int width = client.right;
    const int height = client.bottom;
    HDC screen = GetDC(window);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    const DWORD rowBytes = ((width * 3) + 3) & ~3;
    BITMAPFILEHEADER header = {};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + rowBytes * height;
    FILE* file = _wfopen(Wide(path).c_str(), L"wb");
    bool written = file != nullptr && fwrite(&header, sizeof header, 1, file) == 1 &&
                   fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 &&
                   fwrite(bits, rowBytes * height, 1, file) == 1;
    if (file != nullptr) {
        written = fclose(file) == 0 && written;
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, screen);
    return written;
}

std::string ReadFileBytes(const std::string& path) {
    std::string bytes;
    FILE* file = _wfopen(Wide(path).c_str(), L"rb");
    if (file == nullptr) {
        return bytes;
    }
    char buffer[65536];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
    }
    fclose(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void RemoveFile(const std::string& path) {
    DeleteFileW(Wide(path).c_str());
}
