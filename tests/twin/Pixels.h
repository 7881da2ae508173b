#pragma once

#include <windows.h>

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

// The box around every pixel of the area (by default the client area) that differs from the
// background, read back from the window's own device context; empty when there is none.
inline RECT FindInk(HWND window, COLORREF background, RECT area = {0, 0, 0, 0}) {
    if (IsRectEmpty(&area))
        GetClientRect(window, &area);
    RECT ink = {0, 0, 0, 0};
    HDC hdc = GetDC(window);
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (GetPixel(hdc, x, y) != background) {
                const RECT pixel = {x, y, x + 1, y + 1};
                UnionRect(&ink, &ink, &pixel);
            }
    ReleaseDC(window, hdc);
    return ink;
}

inline bool Inked(const RECT& ink) { return ink.right > ink.left; }

inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC hdc = GetDC(window);
    const COLORREF colour = GetPixel(hdc, x, y);
    ReleaseDC(window, hdc);
    return colour;
}
