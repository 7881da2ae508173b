#include <windows.h>

#include "twin/TWin.h"

// Base behaviour of the handler slots. Win32 calls these re-entrantly from inside MoveWindow,
// ShowWindow and the like, so the geometry handlers only store fields.

LRESULT TWin::OnSize(WPARAM, LPARAM) {
    if (!OwnsWindow())
        return 0;
    RECT outer = {0, 0, 0, 0};
    GetWindowRect(handle, &outer);
    SetWidth(outer.right - outer.left);
    SetHeight(outer.bottom - outer.top);
    RefreshInspector();
    return 0;
}

LRESULT TWin::OnMove(WPARAM, LPARAM) {
    if (!OwnsWindow())
        return 1;
    RECT outer = {0, 0, 0, 0};
    GetWindowRect(handle, &outer);
    POINT corner = {outer.left, outer.top};
    if (GetParentHandle())
        ScreenToClient(parentHandle, &corner);
    SetY(corner.y);
    SetX(corner.x);
    RefreshInspector();
    return 1;
}

LRESULT TWin::OnCreate(WPARAM, LPARAM) { return 0; }

LRESULT TWin::OnCreated(WPARAM, LPARAM) {
    if (ownedFont)
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(ownedFont), 1);
    else if (borrowedFont)
        SendMessageA(handle, WM_SETFONT, reinterpret_cast<WPARAM>(borrowedFont), 1);
    return 0;
}

LRESULT TWin::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle, WM_NCPAINT, wParam, lParam);
}

LRESULT TWin::OnPaint(WPARAM, LPARAM) {
    if (!OwnsWindow())
        return 1;
    // Paint draws through its own context; BeginPaint and EndPaint only validate.
    PAINTSTRUCT paint;
    BeginPaint(handle, &paint);
    OnDraw();
    EndPaint(handle, &paint);
    return 1;
}

LRESULT TWin::OnDraw() {
    Paint();
    return 0;
}

void TWin::PressedLook(COLORREF background) {
    const COLORREF storedBackground = backgroundColor;
    const COLORREF storedText = textColor;
    SetTextColor(0xFFFFFF);
    SetBackgroundColor(background);
    const uint32_t previousEdge = SetEdge(EDGE_SUNKEN);
    Paint();
    SetEdge(previousEdge);
    backgroundColor = storedBackground;
    textColor = storedText;
    SetFocus(GetHandle());
}

LRESULT TWin::OnLButtonDown(WPARAM, LPARAM) {
    PressedLook(0x820000);
    return 1;
}

LRESULT TWin::OnLButtonUp(WPARAM, LPARAM) {
    Paint();
    return 1;
}

LRESULT TWin::OnRButtonDown(WPARAM, LPARAM) {
    PressedLook(0);
    return 1;
}

LRESULT TWin::OnRButtonUp(WPARAM, LPARAM) { return 0; }

LRESULT TWin::OnCaptureChanged(WPARAM, LPARAM) {
    Paint();
    return 0;
}

LRESULT TWin::OnChar(WPARAM, LPARAM) { return 0; }
LRESULT TWin::OnKeyDown(WPARAM, LPARAM) { return 0; }
LRESULT TWin::OnKeyUp(WPARAM, LPARAM) { return 0; }
LRESULT TWin::OnCommand(WPARAM, LPARAM) { return 0; }

LRESULT TWin::OnQuit(WPARAM, LPARAM) {
    PostQuitMessage(0);
    return 1;
}

LRESULT TWin::OnDestroy(WPARAM, LPARAM) { return 1; }

LRESULT TWin::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(handle, message, wParam, lParam);
}

LRESULT TWin::OnSysCommand(WPARAM, LPARAM) { return 0; }
