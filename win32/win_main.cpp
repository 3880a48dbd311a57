// Entry: registers the window class, creates the main window and runs the message loop.
#include <windows.h>

#include "win32/main_window.h"
#include "win32/program_title.h"

static bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = "MYMENU";
    windowClass.lpszClassName = WINDOW_CLASS_NAME;
    return RegisterClassA(&windowClass) != 0;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!RegisterMainWindowClass(instance)) {
        return 0;
    }
    HWND window =
        CreateWindowExA(0, WINDOW_CLASS_NAME, WINDOW_CAPTION, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 600, 600, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsA(instance, "MYMENU");
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    // GetMessageA answers -1 on failure; that ends the loop too rather than spinning.
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorA(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
