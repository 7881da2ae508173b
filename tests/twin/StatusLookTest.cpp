#include <gtest/gtest.h>

#include "Pixels.h"
#include "Screenshot.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"

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
    HoldForScreenshot({hwnd});
}
