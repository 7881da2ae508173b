#include "twin/WindowProc.h"

#include "twin/TWin.h"

namespace {

TWin* AttachedObject(HWND hwnd) {
    return reinterpret_cast<TWin*>(GetWindowLongA(hwnd, GWL_USERDATA));
}

// A control's notification belongs to the control's own object, not to the receiving window.
LRESULT RouteCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam == 0)
        return 1;
    TWin* target = AttachedObject(reinterpret_cast<HWND>(lParam));
    return target ? target->OnCommand(wParam, lParam) : 1;
}

LRESULT SystemCommand(HWND hwnd, TWin* object, WPARAM wParam, LPARAM lParam) {
    // SC_KEYMENU becomes 0 so that Alt and F10 open no menu.
    const WPARAM command = wParam == SC_KEYMENU ? 0 : wParam;
    if (object == nullptr)
        return DefWindowProcA(hwnd, WM_SYSCOMMAND, command, lParam);
    const LRESULT result = object->OnSysCommand(command, lParam);
    return result ? result : object->DefaultProc(WM_SYSCOMMAND, command, lParam);
}

} // namespace

LRESULT CALLBACK TWinWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWin* object = IsWindow(hwnd) ? AttachedObject(hwnd) : nullptr;
    switch (message) {
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 1;
    case WM_ERASEBKGND:
        return 0;
    case WM_COMMAND:
        return RouteCommand(wParam, lParam);
    case WM_SYSCOMMAND:
        return SystemCommand(hwnd, object, wParam, lParam);
    case WM_QUIT:
        if (object)
            return object->OnQuit(wParam, lParam);
        PostQuitMessage(0);
        return 1;
    }
    if (object == nullptr) {
        // Validate, so that an unattached window's WM_PAINT cannot keep the pump busy forever.
        if (message == WM_PAINT)
            ValidateRect(hwnd, nullptr);
        switch (message) {
        case WM_CREATE:
        case WM_DESTROY:
        case WM_MOVE:
        case WM_SIZE:
        case WM_PAINT:
        case WM_NCPAINT:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_CAPTURECHANGED:
            return 1;
        }
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
    switch (message) {
    case WM_CREATE:
        return object->OnCreate(wParam, lParam);
    case WM_DESTROY:
        return object->OnDestroy(wParam, lParam);
    case WM_MOVE:
        return object->OnMove(wParam, lParam);
    case WM_SIZE:
        return object->OnSize(wParam, lParam);
    case WM_PAINT:
        return object->OnPaint(wParam, lParam);
    case WM_NCPAINT:
        return object->OnNcPaint(wParam, lParam);
    case WM_KEYDOWN:
        return object->OnKeyDown(wParam, lParam);
    case WM_KEYUP:
        return object->OnKeyUp(wParam, lParam);
    case WM_CHAR:
        return object->OnChar(wParam, lParam);
    case WM_LBUTTONDOWN:
        return object->OnLButtonDown(wParam, lParam);
    case WM_LBUTTONUP:
        return object->OnLButtonUp(wParam, lParam);
    case WM_RBUTTONDOWN:
        return object->OnRButtonDown(wParam, lParam);
    case WM_RBUTTONUP:
        return object->OnRButtonUp(wParam, lParam);
    case WM_CAPTURECHANGED:
        return object->OnCaptureChanged(wParam, lParam);
    }
    return object->DefaultProc(message, wParam, lParam);
}

LRESULT CALLBACK TWinChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    TWin* object = AttachedObject(hwnd);
    switch (message) {
    case WM_CREATE:
    case WM_ERASEBKGND:
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            DestroyWindow(hwnd);
        return 0;
    case WM_PAINT:
        if (object)
            return object->OnPaint(wParam, lParam);
        ValidateRect(hwnd, nullptr);
        return 0;
    case WM_LBUTTONDOWN:
        return object ? object->OnLButtonDown(wParam, lParam) : 0;
    case WM_LBUTTONUP:
        return object ? object->OnLButtonUp(wParam, lParam) : 0;
    case WM_RBUTTONDOWN:
        return object ? object->OnRButtonDown(wParam, lParam) : 0;
    case WM_RBUTTONUP:
        return object ? object->OnRButtonUp(wParam, lParam) : 0;
    case WM_CAPTURECHANGED:
        return object ? object->OnCaptureChanged(wParam, lParam) : 0;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

// The class is registered beside the procedure it registers.
bool TWin::RegisterWindowClass() {
    if (windowProc == nullptr)
        windowProc = TWinWindowProc;
    WNDCLASSA windowClass = {};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_SAVEBITS | CS_BYTEALIGNCLIENT | CS_GLOBALCLASS;
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(0x7F00)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(1);
    windowClass.lpszClassName = className.Narrow();
    return RegisterClassA(&windowClass) != 0;
}
