#include <gtest/gtest.h>

#include <cstring>

#include "Recorder.h"
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

TEST(TWin, SettingsStoredBeforeCreationAreApplied) {
    Recorder window;
    window.SetCaption("Stored caption");
    window.SetFont("A face name that is far too long for LOGFONT", 20, 700, 1);
    EXPECT_EQ(31u, strlen(window.StoredLogFont().lfFaceName)) << "cut, terminated";
    window.SetFont("Arial", 20, 700, 1);
    const LOGFONTA& logFont = window.StoredLogFont();
    EXPECT_EQ(-20, logFont.lfHeight);
    EXPECT_EQ(700, logFont.lfWeight);
    EXPECT_EQ(1, logFont.lfUnderline);
    EXPECT_EQ(DEFAULT_CHARSET, logFont.lfCharSet);
    EXPECT_EQ(OUT_CHARACTER_PRECIS, logFont.lfOutPrecision);
    EXPECT_STREQ("Arial", logFont.lfFaceName);
    window.SetExStyle(WS_EX_TOOLWINDOW);
    window.SetStyle(WS_POPUP | WS_BORDER);
    EXPECT_EQ(nullptr, window.GetHandle());

    window.SetRect(60, 70, 220, 90);
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    char title[32] = {0};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Stored caption", title);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_STYLE) & WS_POPUP);
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(static_cast<UINT>(WM_SETFONT), window.calls[0].message);
    EXPECT_EQ(reinterpret_cast<WPARAM>(window.GetFontHandle()), window.calls[0].wParam);
    RECT outer;
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, window.GetX()) << "the window's real rectangle";
    EXPECT_EQ(outer.top, window.GetY());
    EXPECT_EQ(outer.right - outer.left, window.GetWidth());
    EXPECT_EQ(outer.bottom - outer.top, window.GetHeight());
    window.SetCaption("Applied at once");
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Applied at once", title);

    window.SetExStyle(WS_EX_ACCEPTFILES | WS_EX_TOOLWINDOW);
    EXPECT_TRUE(GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) << "applied at once";
    window.SetParentHandle(nullptr);
    EXPECT_EQ(0x52000000u, window.StoredStyle()) << "the parent style replaces every bit";

    window.Hide();
    EXPECT_FALSE(IsWindowVisible(hwnd));
    window.Show();
    EXPECT_TRUE(IsWindowVisible(hwnd));
}

TEST(TWin, SameClassTwiceAndClosedWindows) {
    TWin first;
    first.Show();
    TWin* second = new TWin;
    second->Show();
    ASSERT_NE(nullptr, first.GetHandle());
    ASSERT_NE(nullptr, second->GetHandle());
    EXPECT_NE(first.GetHandle(), second->GetHandle());
    EXPECT_FALSE(second->RegisterWindowClass()) << "already registered";
    EXPECT_EQ(nullptr, first.ObjectFromHandle(nullptr));
    EXPECT_EQ(nullptr, first.ObjectFromHandle(reinterpret_cast<HWND>(0x7654)));
    EXPECT_EQ(second, first.ObjectFromHandle(second->GetHandle()));

    HWND closed = second->GetHandle();
    EXPECT_EQ(1, SendMessageA(closed, WM_CLOSE, 0, 0));
    EXPECT_FALSE(IsWindow(closed));
    EXPECT_EQ(closed, second->GetHandle()) << "the object keeps its stale handle";
    second->Show();
    second->SetText("nobody sees this", 1);
    EXPECT_EQ(closed, second->GetHandle()) << "no new window";
    delete second;

    // An object whose handle names another object's window must leave that window alone.
    {
        TWin stranger;
        stranger.SetHandle(first.GetHandle());
        stranger.SetText("not mine", 1);
    }
    EXPECT_TRUE(IsWindow(first.GetHandle()));
    EXPECT_EQ(&first, first.ObjectFromHandle(first.GetHandle()));
}

TEST(TWin, OwnedFontsAreDeletedBorrowedFontsNever) {
    HFONT borrowed = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HFONT lastOwned = nullptr;
    {
        TWin window;
        window.SetFont("Arial", 14, 400, 0);
        HFONT first = window.GetFontHandle();
        ASSERT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(first));
        window.SetFont("Arial", 16, 400, 0);
        EXPECT_EQ(0u, GetObjectType(first)) << "replaced owned font deleted";
        HFONT second = window.GetFontHandle();
        window.Show();
        window.SetFontHandle(borrowed);
        EXPECT_EQ(0u, GetObjectType(second));
        EXPECT_EQ(nullptr, window.GetFontHandle());
        window.SetText("borrowed", 1);
        window.SetFont("Arial", 18, 400, 0);
        lastOwned = window.GetFontHandle();
    }
    EXPECT_EQ(0u, GetObjectType(lastOwned)) << "owned font deleted with the object";
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(borrowed)) << "borrowed font alive";
    DeleteObject(borrowed);
}
