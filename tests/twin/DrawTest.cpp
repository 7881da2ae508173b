#include <gtest/gtest.h>

#include "Pixels.h"
#include "twin/TWin.h"

namespace {

const COLORREF paper = 0xFFFFFF;

class DrawTWin : public TWin {
  public:
    DrawTWin() {
        SetFont("Arial", 14, 400, 0);
        SetRect(40, 40, 300, 120);
    }
    void Draw(const char* lines, uint32_t flags) {
        SetTextFlags(flags);
        SetText(lines, 1);
    }
    // The documented line height: "A" measured with its terminating zero, in the window's font.
    int32_t MeasuredLineHeight() {
        HDC hdc = GetDrawDC();
        HGDIOBJ previous = SelectObject(hdc, GetFontHandle());
        SIZE extent = {0, 0};
        GetTextExtentPoint32A(hdc, "A", 2, &extent);
        SelectObject(hdc, previous);
        ReleaseDrawDC(hdc);
        return extent.cy;
    }
    RECT Client() {
        RECT client = {0, 0, 0, 0};
        GetClientRect(GetHandle(), &client);
        return client;
    }
};

} // namespace

TEST(Draw, FillEdgeColourAndEmptyText) {
    DrawTWin window;
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    const RECT client = window.Client();

    window.SetBackgroundColor(0x40C080);
    window.Draw("", 0);
    EXPECT_EQ(0x40C080u, PixelAt(hwnd, 0, 0));
    EXPECT_EQ(0x40C080u, PixelAt(hwnd, client.right - 1, client.bottom - 1));
    EXPECT_FALSE(FindInk(hwnd, 0x40C080).found) << "empty text paints only the background";
    window.Draw("\n", 0);
    EXPECT_FALSE(FindInk(hwnd, 0x40C080).found) << "a lone line feed draws nothing";

    window.SetBackgroundColor(paper);
    window.SetEdge(EDGE_SUNKEN);
    window.SetTextColor(0x0000FF);
    window.Draw("H", 0);
    EXPECT_NE(paper, PixelAt(hwnd, 0, 0)) << "sunken edge at the corner";
    // The outer right line of a sunken edge is the white highlight; the inner one is not.
    EXPECT_NE(paper, PixelAt(hwnd, client.right - 2, client.bottom / 2));
    EXPECT_EQ(paper, PixelAt(hwnd, client.right - 3, client.bottom / 2)) << "inside the edge";
    RECT inner = {2, 2, client.right - 2, client.bottom - 2};
    const Ink ink = FindInk(hwnd, paper, inner);
    ASSERT_TRUE(ink.found);
    EXPECT_GE(ink.left, 2 + 5) << "5 pixels in from the edge-adjusted client area";
    EXPECT_LE(ink.left, 2 + 5 + 2);
    EXPECT_EQ(0x0000FFu, PixelAt(hwnd, ink.left, (ink.top + ink.bottom) / 2)) << "stem of the H";
}

TEST(Draw, AlignmentLineHeightAndBackgroundMode) {
    DrawTWin window;
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    const RECT client = window.Client();
    const int32_t lineHeight = window.MeasuredLineHeight();
    ASSERT_GT(lineHeight, 10);

    window.Draw("H", 16);
    const Ink one = FindInk(hwnd, paper);
    ASSERT_TRUE(one.found);
    EXPECT_GE(one.left, 5);
    EXPECT_LE(one.left, 7);
    window.Draw("H\n", 16);
    const Ink trailing = FindInk(hwnd, paper);
    EXPECT_EQ(one.top, trailing.top);
    EXPECT_EQ(one.bottom, trailing.bottom) << "a final line feed adds no line";
    window.Draw("H\n\nH", 16);
    const Ink three = FindInk(hwnd, paper);
    EXPECT_EQ(one.top, three.top);
    EXPECT_EQ(one.bottom + 2 * lineHeight, three.bottom) << "the empty line advances too";

    window.Draw("H", 2);
    const Ink right = FindInk(hwnd, paper);
    EXPECT_LE(right.right, client.right - 1);
    EXPECT_GE(right.right, client.right - 3) << "ends at the right edge, no inset";

    // Three lines centred in the client area: block top = centre - (3h >> 1).
    window.Draw("H\nH\nH", 3);
    const Ink centred = FindInk(hwnd, paper);
    const int32_t blockTop = client.bottom / 2 - ((3 * lineHeight) >> 1);
    EXPECT_EQ(blockTop + one.top, centred.top) << "bit 0 wins over bit 1";
    const LONG middle = (centred.left + centred.right) / 2;
    EXPECT_LE(std::abs(middle - client.right / 2), 1);

    window.SetTextBackgroundColor(0x820000);
    window.SetTextFlags(16);
    window.SetText("H", 2);
    EXPECT_EQ(0x820000u, PixelAt(hwnd, one.left, 0)) << "opaque cell above the glyph";
    window.SetText("H", 1);
    EXPECT_EQ(paper, PixelAt(hwnd, one.left, 0)) << "transparent mode keeps the fill";
}

TEST(Draw, PressedLookAndRestoredSettings) {
    DrawTWin window;
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    window.SetTextColor(0x00FF00);
    window.Draw("HHH", 16);
    const RECT client = window.Client();

    EXPECT_EQ(1, SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10)));
    EXPECT_EQ(0x820000u, PixelAt(hwnd, client.right / 2, client.bottom - 5));
    EXPECT_NE(0x820000u, PixelAt(hwnd, 0, 0)) << "sunken edge";
    const Ink white = FindInk(hwnd, 0x820000, RECT{2, 2, client.right - 2, client.bottom - 2});
    ASSERT_TRUE(white.found);
    EXPECT_EQ(0xFFFFFFu, PixelAt(hwnd, white.left, (white.top + white.bottom) / 2));
    EXPECT_EQ(paper, window.GetBackgroundColor());
    EXPECT_EQ(0x00FF00u, window.GetTextColor());
    EXPECT_EQ(0u, window.GetEdge());

    EXPECT_EQ(1, SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(10, 10)));
    EXPECT_EQ(paper, PixelAt(hwnd, 0, 0)) << "the release paints the normal look";

    EXPECT_EQ(1, SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10)));
    EXPECT_EQ(0u, PixelAt(hwnd, client.right / 2, client.bottom - 5));
    EXPECT_EQ(0, SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(10, 10)));
    EXPECT_EQ(0u, PixelAt(hwnd, client.right / 2, client.bottom - 5)) << "stays until a paint";
    EXPECT_EQ(0, SendMessageA(hwnd, WM_CAPTURECHANGED, 0, 0));
    EXPECT_EQ(paper, PixelAt(hwnd, client.right / 2, client.bottom - 5));
}

TEST(Draw, LineOperationsContinueFromTheLastEnd) {
    DrawTWin window;
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    window.Draw("", 0);
    HDC hdc = window.GetDrawDC();
    window.MoveTo(hdc, 10, 10);
    EXPECT_EQ(paper, GetPixel(hdc, 10, 10)) << "MoveTo draws nothing";
    window.LineTo(hdc, 20, 10);
    window.LineTo(hdc, 20, 30);
    window.DrawLineBetween(hdc, 50, 5, 50, 15);
    EXPECT_EQ(0u, GetPixel(hdc, 15, 10));
    EXPECT_EQ(0u, GetPixel(hdc, 20, 20));
    EXPECT_EQ(0u, GetPixel(hdc, 50, 10));
    EXPECT_EQ(paper, GetPixel(hdc, 15, 20)) << "the second segment starts at (20, 10)";
    window.ReleaseDrawDC(hdc);
}
