#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Pixels.h"
#include "twin/TWin.h"

namespace {
const COLORREF paper = 0xFFFFFF;

class DrawTWin : public TWin {
  public:
    DrawTWin() {
        SetFont("Arial", 14, 400, 0);
        SetRect(40, 40, 300, 120);
        GetClientRect(GetHandle(), &client);
        HDC hdc = GetDrawDC();
        HGDIOBJ previous = SelectObject(hdc, GetFontHandle());
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(hdc, "A", 2, &extent); // with its terminating zero
        lineHeight = extent.cy;
        SelectObject(hdc, previous);
        ReleaseDrawDC(hdc);
    }
    RECT Drawn(const char* lines, uint32_t flags) {
        SetTextFlags(flags);
        SetText(lines, 1);
        return FindInk(GetHandle(), paper);
    }
    // The same lines put down by hand with TextOutW in the window's font: where the toolkit's
    // drawing must land, to the pixel.
    RECT Expected(const std::vector<const wchar_t*>& lines, int x, int top, UINT align) {
        HDC hdc = GetDrawDC();
        FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        HGDIOBJ previous = SelectObject(hdc, GetFontHandle());
        SetBkMode(hdc, TRANSPARENT);
        SetTextAlign(hdc, align);
        for (const wchar_t* line : lines) {
            TextOutW(hdc, x, top, line, lstrlenW(line));
            top += lineHeight;
        }
        SelectObject(hdc, previous);
        ReleaseDrawDC(hdc);
        return FindInk(GetHandle(), paper);
    }
    RECT client = {0, 0, 0, 0};
    int lineHeight = 0;
};
} // namespace

TEST(Draw, LinesStandWhereTheFlagsPutThem) {
    DrawTWin window;
    ASSERT_NE(nullptr, window.GetHandle());
    const int h = window.lineHeight;
    const LONG right = window.client.right, middle = window.client.bottom / 2;
    const struct {
        const char* text;
        uint32_t flags;
        std::vector<const wchar_t*> lines;
        int x, top;
        UINT align;
    } cases[] = {
        {"H", 16, {L"H"}, 5, 0, TA_LEFT},
        {"H\n", 16, {L"H"}, 5, 0, TA_LEFT},
        {"H\n\nHa", 0, {L"H", L"", L"Ha"}, 5, 0, TA_LEFT},
        {"Ha\nH", 2, {L"Ha", L"H"}, right, 0, TA_RIGHT},
        {"H\nHa\nH", 3, {L"H", L"Ha", L"H"}, right / 2, middle - ((3 * h) >> 1), TA_CENTER},
    };
    for (const auto& c : cases) {
        const RECT drawn = window.Drawn(c.text, c.flags);
        ASSERT_TRUE(Inked(drawn)) << c.text;
        EXPECT_EQ(window.Expected(c.lines, c.x, c.top, c.align), drawn)
            << "text \"" << c.text << "\" with flags " << c.flags;
    }
    EXPECT_EQ((RECT{0, 0, 0, 0}), window.Drawn("", 0)) << "empty text: only the background";
    EXPECT_EQ((RECT{0, 0, 0, 0}), window.Drawn("\n", 0));
}

TEST(Draw, PressedLook) {
    DrawTWin window;
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    window.Drawn("HHH", 16);
    // The pressed look: sunken and dark while a button is down, the stored look kept.
    window.SetTextColor(0x00FF00);
    const LONG x = window.client.right / 2, y = window.client.bottom - 5;
    const struct {
        UINT message;
        LRESULT result;
        COLORREF seen;
    } presses[] = {{WM_LBUTTONDOWN, 1, 0x820000},
                   {WM_LBUTTONUP, 1, paper},
                   {WM_RBUTTONDOWN, 1, 0},
                   {WM_RBUTTONUP, 0, 0},
                   {WM_CAPTURECHANGED, 0, paper}};
    for (const auto& press : presses) {
        EXPECT_EQ(press.result, SendMessageA(hwnd, press.message, 0, MAKELPARAM(10, 10)));
        EXPECT_EQ(press.seen, PixelAt(hwnd, x, y)) << "after message " << press.message;
    }
    EXPECT_EQ(paper, window.GetBackgroundColor());
    EXPECT_EQ(0x00FF00u, window.GetTextColor());
    EXPECT_EQ(0u, window.GetEdge());
}
