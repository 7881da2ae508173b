#include "slave/WindowShot.h"

#ifdef ZR7_TEST_BUILD
#include <cstdio>
#include <cstdlib>

#include "twin/Bitmap.h"

void RecordWindowShot(HWND window, const char* name) {
    const char* folder = std::getenv("ZR7_SHOTS");
    RECT client;
    if (folder == nullptr || *folder == 0 || window == nullptr || !GetClientRect(window, &client))
        return;
    HDC dc = GetDC(window);
    const std::vector<unsigned char> bits = GrabBits(dc, 0, 0, client.right, client.bottom);
    ReleaseDC(window, dc);
    char path[MAX_PATH];
    std::snprintf(path, sizeof path, "%s\\%s.bmp", folder, name);
    SaveBitmap(path, client.right, client.bottom, bits);
}

#else

void RecordWindowShot(HWND, const char*) {}

#endif
