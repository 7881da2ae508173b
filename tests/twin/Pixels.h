#pragma once

#include <windows.h>

#include <ostream>

// The box around every pixel of a window's client area that differs from its background,
// read back with GetPixel from the window's own device context.
struct Ink {
    bool found = false;
    LONG left = 0;
    LONG top = 0;
    LONG right = 0;
    LONG bottom = 0;
};

inline bool operator==(const Ink& a, const Ink& b) {
    return a.found == b.found && a.left == b.left && a.top == b.top && a.right == b.right &&
           a.bottom == b.bottom;
}
inline std::ostream& operator<<(std::ostream& out, const Ink& ink) {
    return out << ink.left << "," << ink.top << " - " << ink.right << "," << ink.bottom;
}

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
}

inline Ink FindInk(HWND window, COLORREF background, RECT area) {
    Ink ink;
    HDC hdc = GetDC(window);
    for (LONG y = area.top; y < area.bottom; ++y) {
        for (LONG x = area.left; x < area.right; ++x) {
            if (GetPixel(hdc, x, y) == background)
                continue;
            if (!ink.found) {
                ink = Ink{true, x, y, x, y};
                continue;
            }
            ink.left = x < ink.left ? x : ink.left;
            ink.right = x > ink.right ? x : ink.right;
            ink.top = y < ink.top ? y : ink.top;
            ink.bottom = y > ink.bottom ? y : ink.bottom;
        }
    }
    ReleaseDC(window, hdc);
    return ink;
}

inline Ink FindInk(HWND window, COLORREF background) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    return FindInk(window, background, client);
}

inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC hdc = GetDC(window);
    const COLORREF colour = GetPixel(hdc, x, y);
    ReleaseDC(window, hdc);
    return colour;
}
