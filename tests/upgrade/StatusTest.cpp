#include <gtest/gtest.h>

#include <windows.h>

#include "twin/Pixels.h"
#include "twin/TWin.h"
#include "upgrade/Status.h"

// The status line is drawn at once, black on white whatever the window's colours were, in the
// window with the caption.
TEST(Status, LineIsDrawnBlackOnWhite) {
    TWin window;
    ShowCaption(window, "Status test");
    window.SetRect(10, 10, 500, 60);
    window.SetBackgroundColor(0x0000FF);
    window.SetTextColor(0x00FF00);
    ShowStatus(window, "WWWW");
    char caption[64] = {};
    GetWindowTextA(window.GetHandle(), caption, sizeof caption);
    EXPECT_STREQ("Status test", caption);
    // Only greys, black among them, wherever the text is.
    const RECT ink = FindInk(window.GetHandle(), 0xFFFFFF);
    HDC hdc = GetDC(window.GetHandle());
    int black = 0, coloured = 0;
    for (LONG y = ink.top; y < ink.bottom; ++y)
        for (LONG x = ink.left; x < ink.right; ++x) {
            const COLORREF pixel = GetPixel(hdc, x, y);
            black += pixel == 0;
            coloured +=
                GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel);
        }
    ReleaseDC(window.GetHandle(), hdc);
    EXPECT_GT(black, 20);
    EXPECT_EQ(0, coloured);
    EXPECT_EQ(0xFFFFFFu, PixelAt(window.GetHandle(), 2, 2));
}
