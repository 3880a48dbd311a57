#include "tests/e2e/e2e_screen.h"

#include <cstdio>
#include <cstring>

namespace {

struct WindowSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM lParam) {
    WindowSearch* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char caption[512] = "";
    GetWindowTextA(window, caption, sizeof caption);
    if (owner == search->processId && IsWindowVisible(window) &&
        strcmp(caption, search->caption) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindProgramWindow(DWORD processId, const char* caption) {
    WindowSearch search = {processId, caption, nullptr};
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

void Settle(int milliseconds) {
    Sleep(milliseconds);
}

RunningProgram StartProgram(const std::string& exe, const std::string& folder) {
    RunningProgram program = {};
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + exe + "\"";
    if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &program.process)) {
        return program;
    }
    WaitForInputIdle(program.process.hProcess, 10000);
    for (int waited = 0; waited < 15000 && program.window == nullptr; waited += 50) {
        EnumWindows(
            [](HWND window, LPARAM lParam) -> BOOL {
                RunningProgram* p = reinterpret_cast<RunningProgram*>(lParam);
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                char name[128] = "";
                GetClassNameA(window, name, sizeof name);
                if (owner == p->process.dwProcessId && IsWindowVisible(window) &&
                    strcmp(name, "Involute Tooth Profile") == 0) {
                    p->window = window;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&program));
        if (program.window == nullptr) {
            Sleep(50);
        }
    }
    if (program.window != nullptr) {
        BringToFront(program.window);
        Settle(300);
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

HWND WaitForWindow(const RunningProgram& program, const char* caption, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        HWND found = FindProgramWindow(program.process.dwProcessId, caption);
        if (found != nullptr) {
            Settle(200);
            return found;
        }
        Sleep(50);
    }
    return nullptr;
}

// A closed dialog is hidden at once but destroyed only when its modal loop takes another
// message; a small mouse movement, as a person's hand makes, gives it one.
bool WindowGone(HWND window, int milliseconds) {
    for (int waited = 0; waited <= milliseconds; waited += 50) {
        if (!IsWindow(window)) {
            Settle(200);
            return true;
        }
        if (!IsWindowVisible(window)) {
            INPUT input = {};
            input.type = INPUT_MOUSE;
            input.mi.dx = (waited / 50) % 2 == 0 ? 1 : -1;
            input.mi.dwFlags = MOUSEEVENTF_MOVE;
            SendInput(1, &input, sizeof input);
        }
        Sleep(50);
    }
    return false;
}

void BringToFront(HWND window) {
    SetForegroundWindow(window);
    SetActiveWindow(window);
}

void PressKey(WORD key) {
    SendKey(key, false);
    SendKey(key, true);
    Settle(150);
}

void PressWithAlt(WORD key) {
    SendKey(VK_MENU, false);
    SendKey(key, false);
    SendKey(key, true);
    SendKey(VK_MENU, true);
    Settle(300);
}

void TypeText(const char* text) {
    for (const char* c = text; *c != '\0'; c++) {
        INPUT input[2] = {};
        input[0].type = INPUT_KEYBOARD;
        input[0].ki.wScan = static_cast<unsigned char>(*c);
        input[0].ki.dwFlags = KEYEVENTF_UNICODE;
        input[1] = input[0];
        input[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        SendInput(2, input, sizeof input[0]);
        Sleep(20);
    }
    Settle(150);
}

std::string ControlText(HWND dialog, int id) {
    char text[1024] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

std::string MessageBoxText(HWND box) {
    return ControlText(box, 0xFFFF);
}

HWND FocusedWindow(HWND anyWindowOfThread) {
    GUITHREADINFO info = {};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(anyWindowOfThread, nullptr), &info);
    return info.hwndFocus;
}

ClientPixels CaptureClient(HWND window) {
    ClientPixels shot = {};
    RECT client;
    GetClientRect(window, &client);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    shot.width = client.right;
    shot.height = client.bottom;
    HDC screen = GetDC(window);
    origin.x = 0;
    origin.y = 0;
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
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
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
    FILE* file = fopen(path.c_str(), "wb");
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
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return bytes;
    }
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, file)) > 0) {
        bytes.append(buffer, n);
    }
    fclose(file);
    return bytes;
}

bool FileExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool TabTo(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    for (int presses = 0; presses < 30; presses++) {
        if (FocusedWindow(dialog) == control) {
            return true;
        }
        PressKey(VK_TAB);
    }
    return FocusedWindow(dialog) == control;
}
