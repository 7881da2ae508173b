#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "Pixels.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"
#include "twin/WindowProc.h"

namespace {
// A window that records what reaches its system-command and default slots.
class Recorder : public TWin {
  public:
    LRESULT OnSysCommand(WPARAM wParam, LPARAM) override {
        calls.emplace_back(WM_SYSCOMMAND, wParam);
        return sysCommandResult;
    }
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message != WM_SYSCOMMAND && message != WM_SETFONT)
            return TWin::DefaultProc(message, wParam, lParam);
        calls.emplace_back(message, wParam);
        return 0;
    }
    const LOGFONTA& StoredLogFont() const { return logFont; }

    std::vector<std::pair<UINT, WPARAM>> calls;
    LRESULT sysCommandResult = 0;
};
} // namespace

TEST(TWin, StoredSettingsReachTheWindowWhenItIsCreated) {
    Recorder window;
    window.SetCaption("Stored caption");
    window.SetFont("A face name that is far too long for LOGFONT", 20, 700, 1);
    EXPECT_EQ(31u, strlen(window.StoredLogFont().lfFaceName)) << "cut, terminated";
    window.SetText("stored", 1);
    EXPECT_EQ(nullptr, window.GetHandle()) << "setters alone create nothing";
    window.SetRect(60, 70, 220, 90);
    HWND hwnd = window.GetHandle();
    ASSERT_NE(nullptr, hwnd);
    char title[32] = {0};
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Stored caption", title);
    ASSERT_FALSE(window.calls.empty());
    EXPECT_EQ(std::make_pair(static_cast<UINT>(WM_SETFONT),
                             reinterpret_cast<WPARAM>(window.GetFontHandle())),
              window.calls[0]);
    EXPECT_TRUE(Inked(FindInk(hwnd, 0xFFFFFF))) << "the stored text is painted";
    window.SetCaption("Applied at once");
    GetWindowTextA(hwnd, title, sizeof title);
    EXPECT_STREQ("Applied at once", title);
    // Win32's moves come back into the fields, so that the next Show keeps the place.
    MoveWindow(hwnd, 120, 130, 310, 210, TRUE);
    EXPECT_EQ((RECT{120, 130, 310, 210}),
              (RECT{window.GetX(), window.GetY(), window.GetWidth(), window.GetHeight()}));
}

TEST(TWin, ClosedAndForeignWindowsAreLeftAlone) {
    TWin first;
    first.SetRect(60, 300, 200, 60);
    TWin* second = new TWin;
    second->Show();
    ASSERT_NE(nullptr, first.GetHandle());
    EXPECT_FALSE(second->RegisterWindowClass()) << "the class is registered once";

    HWND closed = second->GetHandle();
    EXPECT_EQ(1, SendMessageA(closed, WM_CLOSE, 0, 0));
    EXPECT_FALSE(IsWindow(closed));
    second->Show();
    second->SetText("nobody sees this", 1);
    EXPECT_EQ(closed, second->GetHandle()) << "the stale handle stays; no new window";
    delete second;

    // An object whose handle names another object's window neither paints nor destroys it.
    {
        TWin stranger;
        stranger.SetHandle(first.GetHandle());
        stranger.SetBackgroundColor(0x0000FF);
        stranger.SetText("not mine", 1);
        stranger.Show();
    }
    EXPECT_TRUE(IsWindow(first.GetHandle()));
    EXPECT_EQ(0xFFFFFFu, PixelAt(first.GetHandle(), 2, 2));
}

TEST(TWin, OwnedFontsAreDeletedBorrowedFontsNever) {
    HFONT borrowed = CreateFontA(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    HFONT replaced = nullptr, last = nullptr;
    {
        TWin window;
        window.SetFont("Arial", 14, 400, 0);
        replaced = window.GetFontHandle();
        window.Show();
        window.SetFontHandle(borrowed);
        EXPECT_EQ(0u, GetObjectType(replaced)) << "an owned font goes when it is replaced";
        window.SetText("borrowed", 1);
        window.SetFont("Arial", 18, 400, 0);
        last = window.GetFontHandle();
    }
    EXPECT_EQ(0u, GetObjectType(last)) << "and with its window";
    EXPECT_EQ(static_cast<DWORD>(OBJ_FONT), GetObjectType(borrowed)) << "a borrowed one never";
    DeleteObject(borrowed);
}

TEST(WindowProc, PaintsAreValidatedAndAltOpensNoMenu) {
    Recorder window;
    window.SetRect(300, 300, 300, 200);
    HWND attached = window.GetHandle();
    EXPECT_EQ(0, SendMessageA(attached, WM_ERASEBKGND, 0, 0)) << "Paint fills the background";
    // A pending WM_PAINT of a window without its object must not keep the pump busy either.
    HWND bare = CreateWindowExA(0, "Basic TWin", "bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                100, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    InvalidateRect(attached, nullptr, TRUE);
    InvalidateRect(bare, nullptr, TRUE);
    messagePump.PumpPending();
    DestroyWindow(bare);

    window.calls.clear();
    EXPECT_EQ(0, SendMessageA(attached, WM_SYSCOMMAND, SC_KEYMENU, 'f'));
    ASSERT_EQ(2u, window.calls.size());
    EXPECT_EQ(0u, window.calls[0].second) << "SC_KEYMENU reaches the slot as 0";
    EXPECT_EQ(0u, window.calls[1].second) << "and the default handling as 0";
    window.sysCommandResult = 9;
    EXPECT_EQ(9, SendMessageA(attached, WM_SYSCOMMAND, SC_MOVE, 0));
    EXPECT_EQ(3u, window.calls.size()) << "a handled system command skips the default";
}

TEST(MessagePump, PendingHandlesAllThatWaitsAndDropsQuit) {
    TWin window;
    window.SetRect(200, 600, 200, 60);
    // The quit comes before a pending paint, which must still be handled.
    PostQuitMessage(0);
    PostMessageA(window.GetHandle(), WM_USER, 0, 0);
    InvalidateRect(window.GetHandle(), nullptr, TRUE);
    messagePump.PumpPending();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "quit taken and dropped";
    // On an empty queue it returns at once; one that waited would hold the test until the
    // runner's time limit, however fast the machine.
    messagePump.PumpPending();
}
