#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "Pixels.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"

namespace {

// status-look.test.sh runs this test with ZR7_LOOK_READY and ZR7_LOOK_DONE set: the window's
// client rectangle on the screen goes into the first file, and the window stays up, pumped,
// until the second file appears (at most 30 seconds) so that the screen can be captured.
void HoldForScreenshot(HWND hwnd) {
    const char* ready = std::getenv("ZR7_LOOK_READY");
    const char* done = std::getenv("ZR7_LOOK_DONE");
    if (ready == nullptr || done == nullptr)
        return;
    RECT client;
    GetClientRect(hwnd, &client);
    POINT corner = {0, 0};
    ClientToScreen(hwnd, &corner);
    if (FILE* file = std::fopen(ready, "w")) {
        std::fprintf(file, "%ld %ld %ld %ld\n", client.right, client.bottom, corner.x, corner.y);
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

} // namespace

TEST(StatusLook, ShowsTheFixedLookOfTheUpgrade) {
    TWin window;
    window.SetCaption("ZR7KM Upgrade");
    window.SetRect(700, 600, 500, 60);
    window.SetText("Checking the upgrade disk...", 1);
    window.SetFont("Arial", 14, 400, 0);
    window.SetBackgroundColor(0xFFFFFF);
    window.SetTextColor(0);
    window.Show();
    messagePump.PumpPending();
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(0xFFFFFFu, PixelAt(hwnd, 2, 2));
    const Ink ink = FindInk(hwnd, 0xFFFFFF);
    ASSERT_TRUE(ink.found);
    EXPECT_GE(ink.left, 5) << "the text starts at the inset";
    EXPECT_LE(ink.left, 7);
    HoldForScreenshot(hwnd);
}
