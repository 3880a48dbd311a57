// Entry: registers the window class, creates the main window and runs the message loop.
#include <windows.h>

#include <commctrl.h>

#include "ui/resource.h"
#include "win32/main_window.h"
#include "win32/program_language.h"
#include "win32/wide_text.h"

static bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSW windowClass = {};
    windowClass.style = 0;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));      // IDI_APPLICATION
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = L"MYMENU";
    windowClass.lpszClassName = L"" WINDOW_CLASS_NAME;
    return RegisterClassW(&windowClass) != 0;
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    // The gear data dialog's pages are a tab control.
    const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    if (!RegisterMainWindowClass(instance)) {
        return 0;
    }
    programLanguage = StartingLanguage();
    wchar_t caption[512];
    ToWide(UiText(kTextWindowCaption), caption, 512);
    HWND window =
        CreateWindowExW(0, L"" WINDOW_CLASS_NAME, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 600, 600, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 0;
    }
    HACCEL accelerators = LoadAcceleratorsW(instance, L"MYMENU");
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    // GetMessageW answers -1 on failure; that ends the loop too rather than spinning.
    MSG message = {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!TranslateAcceleratorW(window, accelerators, &message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
