#include "slave/WindowShot.h"

#ifdef ZR7_TEST_BUILD
#include <cstdio>
#include <cstdlib>
#include <vector>

void RecordWindowShot(HWND window, const char* name) {
    const char* folder = std::getenv("ZR7_SHOTS");
    RECT client;
    if (folder == nullptr || *folder == 0 || window == nullptr || !GetClientRect(window, &client))
        return;
    const int width = client.right;
    const int height = client.bottom;
    const int stride = (width * 3 + 3) & ~3;
    HDC windowDc = GetDC(window);
    HDC memoryDc = CreateCompatibleDC(windowDc);
    HBITMAP bitmap = CreateCompatibleBitmap(windowDc, width, height);
    HGDIOBJ previous = SelectObject(memoryDc, bitmap);
    BitBlt(memoryDc, 0, 0, width, height, windowDc, 0, 0, SRCCOPY);
    SelectObject(memoryDc, previous);

    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    std::vector<unsigned char> bits(static_cast<size_t>(stride) * height);
    GetDIBits(memoryDc, bitmap, 0, height, bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memoryDc);
    ReleaseDC(window, windowDc);

    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(bits.size());
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%s.bmp", folder, name);
    if (FILE* out = std::fopen(path, "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info, sizeof info, 1, out);
        std::fwrite(bits.data(), 1, bits.size(), out);
        std::fclose(out);
    }
}

#else

void RecordWindowShot(HWND, const char*) {}

#endif
