#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>

#include <gtest/gtest.h>

#include "twin/MessagePump.h"

// The screenshot scripts (tests/screenshot-lib.sh) run a test with ZR7_SHOT_READY and
// ZR7_SHOT_DONE set: the screen rectangle of each window's client area goes into the first file,
// one "left top right bottom" line each, and the windows stay up, pumped, until the second file
// appears (at most 30 seconds), so that the X screen can be captured.
inline void HoldForScreenshot(std::initializer_list<HWND> windows) {
    const char* ready = std::getenv("ZR7_SHOT_READY");
    const char* done = std::getenv("ZR7_SHOT_DONE");
    if (ready == nullptr || done == nullptr)
        return;
    if (FILE* file = std::fopen(ready, "w")) {
        for (HWND window : windows) {
            RECT client = {0, 0, 0, 0};
            GetClientRect(window, &client);
            MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
            std::fprintf(file, "%ld %ld %ld %ld\n", client.left, client.top, client.right,
                         client.bottom);
        }
        std::fclose(file);
    }
    for (int waited = 0; waited < 3000; ++waited) {
        if (GetFileAttributesA(done) != INVALID_FILE_ATTRIBUTES)
            return;
        messagePump.PumpPending();
        Sleep(10);
    }
    ADD_FAILURE() << "the screenshot was never taken";
}
