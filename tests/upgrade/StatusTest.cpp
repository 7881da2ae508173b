#include <gtest/gtest.h>

#include <windows.h>

#include "twin/TWin.h"
#include "upgrade/Status.h"

// The status line is drawn at once: black glyphs on a white client area, in the caption's window.
TEST(Status, LineIsDrawnBlackOnWhite) {
    TWin window;
    ShowCaption(window, "Status test");
    window.SetRect(10, 10, 500, 60);
    window.SetBackgroundColor(0x0000FF);
    ShowStatus(window, "WWWWWWWWWWWWWWWWWWWW");
    HWND handle = window.GetHandle();
    ASSERT_NE(handle, nullptr);
    char caption[64] = {};
    GetWindowTextA(handle, caption, sizeof caption);
    EXPECT_STREQ(caption, "Status test");

    RECT client;
    GetClientRect(handle, &client);
    HDC dc = GetDC(handle);
    int black = 0, white = 0, red = 0;
    for (int y = 0; y < client.bottom; ++y)
        for (int x = 0; x < client.right; x += 2) {
            COLORREF pixel = GetPixel(dc, x, y);
            black += pixel == 0;
            white += pixel == 0xFFFFFF;
            red += pixel == 0x0000FF;
        }
    ReleaseDC(handle, dc);
    EXPECT_GT(black, 50);
    EXPECT_GT(white, black);
    EXPECT_EQ(red, 0);
}
