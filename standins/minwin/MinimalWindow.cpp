#include <windows.h>

#include <cstdlib>

// Shows one window, handles what is pending, sleeps the milliseconds given as the command word
// and ends: the same shape as an upgrade run without its work.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandTail, int) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "Minimal Window";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "Minimal Window", "Minimal", WS_OVERLAPPEDWINDOW, 10, 10, 500,
                                  60, nullptr, nullptr, instance, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    Sleep(static_cast<DWORD>(std::strtoul(commandTail, nullptr, 10)));
    DestroyWindow(window);
    return 0;
}
