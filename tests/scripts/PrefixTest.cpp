#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

// A prefix made by wine-prefix.sh carries Wine's own fonts: the title bar's buttons show
// Marlett's glyphs, not the characters 0, 1 and r of a host font.
TEST(Prefix, TitleBarButtonsShowTheSystemsGlyphs) {
    const HWND window = CreateWindowExA(0, "STATIC", "B", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 420,
                                        300, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    for (MSG message; PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);)
        DispatchMessageA(&message);
    TITLEBARINFO bar = {};
    bar.cbSize = sizeof bar;
    RECT frame;
    ASSERT_TRUE(GetTitleBarInfo(window, &bar) && GetWindowRect(window, &frame));
    OffsetRect(&bar.rcTitleBar, -frame.left, -frame.top);
    // The dark ink at the right end of the bar, a glyph where columns of it stand together.
    std::vector<std::vector<POINT>> glyphs;
    HDC dc = GetWindowDC(window);
    for (LONG x = bar.rcTitleBar.right - 3 * GetSystemMetrics(SM_CXSIZE) - 8;
         x < bar.rcTitleBar.right; ++x)
        for (LONG y = bar.rcTitleBar.top; y < bar.rcTitleBar.bottom; ++y) {
            const COLORREF c = GetPixel(dc, x, y);
            if (GetRValue(c) * 30 + GetGValue(c) * 59 + GetBValue(c) * 11 >= 6400)
                continue;
            if (glyphs.empty() || x > glyphs.back().back().x + 3)
                glyphs.emplace_back();
            glyphs.back().push_back({x, y});
        }
    ReleaseDC(window, dc);
    ASSERT_GE(glyphs.size(), 2u);
    RECT minimise = {}, close = {};
    for (RECT* box : {&minimise, &close})
        for (const POINT& p : box == &close ? glyphs.back() : glyphs.front()) {
            const RECT pixel = {p.x, p.y, p.x + 1, p.y + 1};
            UnionRect(box, box, &pixel);
        }
    EXPECT_LE(minimise.bottom - minimise.top, 3) << "minimise is a bar, not a character";
    EXPECT_GE(minimise.right - minimise.left, 2 * (minimise.bottom - minimise.top));
    EXPECT_GE(close.bottom - close.top, 5);
    size_t mirrored = 0;
    for (const POINT& p : glyphs.back())
        for (const POINT& q : glyphs.back())
            mirrored += q.y == p.y && q.x == close.left + close.right - 1 - p.x;
    EXPECT_GE(mirrored * 10, glyphs.back().size() * 9) << "close is an X, the same mirrored";
    DestroyWindow(window);
}
