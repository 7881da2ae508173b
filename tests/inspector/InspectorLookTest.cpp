#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "Inspected.h"
#include "twin/Pixels.h"

namespace {

RECT ClientOnScreen(HWND window) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

// inspector-look.test.sh sets ZR7_INSPECTOR_READY and ZR7_INSPECTOR_DONE: the screen rectangles
// of both client areas go into the first file, and the windows stay up, pumped, until the
// second file appears (at most 30 seconds).
void HoldForScreenshot(HWND status, HWND inspector) {
    const char* ready = std::getenv("ZR7_INSPECTOR_READY");
    const char* done = std::getenv("ZR7_INSPECTOR_DONE");
    if (ready == nullptr || done == nullptr)
        return;
    const RECT a = ClientOnScreen(status);
    const RECT b = ClientOnScreen(inspector);
    if (FILE* file = std::fopen(ready, "w")) {
        std::fprintf(file, "%ld %ld %ld %ld %ld %ld %ld %ld\n", a.left, a.top, a.right, a.bottom,
                     b.left, b.top, b.right, b.bottom);
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

TEST(InspectorLook, OpenBesideAStatusWindow) {
    Inspected status;
    status.SetCaption("ZR7KM Upgrade");
    status.SetRect(40, 760, 500, 60);
    status.SetText("Checking the upgrade disk...", 1);
    status.SetFont("Arial", 14, 400, 0);
    status.Show();
    status.OpenInspector(560, 720);
    messagePump.PumpPending();
    HWND inspector = status.InspectorWindow();
    ASSERT_NE(nullptr, inspector);
    EXPECT_EQ(0u, PixelAt(inspector, 100, 5)) << "painted through WM_PAINT as well";
    HoldForScreenshot(status.GetHandle(), inspector);
}
