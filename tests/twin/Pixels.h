#pragma once

#include <vector>

#include <windows.h>

inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != 0; }

// The window's client area as its own device context holds it, copied once: a GetPixel for each
// pixel costs a round trip through Wine's display driver, which under CPU emulation takes seconds.
class ClientPixels {
  public:
    explicit ClientPixels(HWND window) {
        GetClientRect(window, &client);
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = client.right;
        info.bmiHeader.biHeight = -client.bottom; // top-down rows
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        HDC hdc = GetDC(window);
        HDC copy = CreateCompatibleDC(hdc);
        void* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(hdc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        HGDIOBJ previous = SelectObject(copy, bitmap);
        if (bits && BitBlt(copy, 0, 0, client.right, client.bottom, hdc, 0, 0, SRCCOPY)) {
            GdiFlush();
            const DWORD* row = static_cast<const DWORD*>(bits);
            pixels.assign(row, row + client.right * client.bottom);
        }
        SelectObject(copy, previous);
        DeleteObject(bitmap);
        DeleteDC(copy);
        ReleaseDC(window, hdc);
    }
    // CLR_INVALID outside the client area or when the copy failed, as GetPixel answers.
    COLORREF At(LONG x, LONG y) const {
        if (x < 0 || y < 0 || x >= client.right || y >= client.bottom || pixels.empty())
            return CLR_INVALID;
        const DWORD quad = pixels[y * client.right + x]; // 0x00RRGGBB
        return RGB(GetBValue(quad), GetGValue(quad), GetRValue(quad));
    }
    RECT client = {0, 0, 0, 0};

  private:
    std::vector<DWORD> pixels;
};

// The box around every pixel of the area (by default the client area) that differs from the
// background; empty when there is none.
inline RECT FindInk(HWND window, COLORREF background, RECT area = {0, 0, 0, 0}) {
    const ClientPixels shot(window);
    if (IsRectEmpty(&area))
        area = shot.client;
    RECT ink = {0, 0, 0, 0};
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (shot.At(x, y) != background) {
                const RECT pixel = {x, y, x + 1, y + 1};
                UnionRect(&ink, &ink, &pixel);
            }
    return ink;
}

inline bool Inked(const RECT& ink) { return ink.right > ink.left; }

inline COLORREF PixelAt(HWND window, int x, int y) {
    HDC hdc = GetDC(window);
    const COLORREF colour = GetPixel(hdc, x, y);
    ReleaseDC(window, hdc);
    return colour;
}
