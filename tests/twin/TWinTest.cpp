#include <gtest/gtest.h>

#include "Pixels.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"

namespace {

// Exposes the stored fields that have no getter.
class OpenTWin : public TWin {
  public:
    const LOGFONTA& StoredLogFont() const { return logFont; }
    HFONT StoredBorrowedFont() const { return borrowedFont; }
    int32_t StoredBackgroundMode() const { return backgroundMode; }
    uint32_t StoredStyle() const { return style; }
    uint32_t StoredTextFlags() const { return textFlags; }
};

} // namespace

TEST(TWin, StartsStoredWithTheDocumentedDefaults) {
    OpenTWin window;
    EXPECT_EQ(0, window.GetX());
    EXPECT_EQ(0, window.GetY());
    EXPECT_EQ(400, window.GetWidth());
    EXPECT_EQ(250, window.GetHeight());
    EXPECT_EQ(0xFFFFFFu, window.GetBackgroundColor());
    EXPECT_EQ(0u, window.GetTextColor());
    EXPECT_EQ(0u, window.GetEdge());
    EXPECT_EQ(16u, window.StoredTextFlags());
    EXPECT_EQ(0x02CF0000u, window.StoredStyle());
    EXPECT_EQ(nullptr, window.GetHandle());
    EXPECT_EQ(0u, window.SetEdge(10));
    EXPECT_EQ(10u, window.SetEdge(0));
    window.SetOpaque(1);
    EXPECT_EQ(2, window.StoredBackgroundMode());
    window.SetOpaque(0);
    EXPECT_EQ(1, window.StoredBackgroundMode());
    window.SetText("x", 2);
    EXPECT_EQ(2, window.StoredBackgroundMode());
    EXPECT_STREQ("x", window.GetText());
    EXPECT_EQ(nullptr, window.GetHandle()) << "a setter alone must not create the window";
}

TEST(TWin, StatusLookAppearsAtOnceWithoutPumping) {
    TWin window;
    window.SetCaption("Upgrade");
    window.SetRect(10, 10, 500, 60);
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    EXPECT_EQ(&window, window.ObjectFromHandle(hwnd));
    char title[32] = {0};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Upgrade", title);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, window.GetX());
    EXPECT_EQ(outer.top, window.GetY());
    EXPECT_EQ(outer.right - outer.left, window.GetWidth());
    EXPECT_EQ(outer.bottom - outer.top, window.GetHeight());

    window.SetText("Checking the upgrade disk...", 1);
    window.SetFont("Arial", 14, 400, 0);
    window.SetBackgroundColor(0xFFFFFF);
    window.SetTextColor(0);
    window.Show();
    const Ink ink = FindInk(hwnd, 0xFFFFFF);
    ASSERT_TRUE(ink.found);
    EXPECT_GE(ink.left, 5);
    EXPECT_LE(ink.left, 7);
    EXPECT_LT(ink.bottom - ink.top, 16) << "one line of Arial 14";
    EXPECT_EQ(0u, PixelAt(hwnd, ink.left, (ink.top + ink.bottom) / 2) & 0x808080)
        << "the glyphs are dark";

    window.SetCaption("Slave");
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Slave", title);
    messagePump.PumpPending();
}
