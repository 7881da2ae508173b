#include <gtest/gtest.h>

#include <string>

#include "twin/MessagePump.h"
#include "twin/TWin.h"

namespace {
void CALLBACK PostEscapeLater(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 1);
}

MEMORYSTATUS fakeMemory;
void FakeMemoryQuery(MEMORYSTATUS* status) { *status = fakeMemory; }

std::string TraceLine(HWND window, WPARAM wParam, LPARAM lParam) {
    char line[128];
    sprintf(line, "hWnd:%04X  WM:%04X  wParam:%04X  lParam:%08X\n",
            static_cast<unsigned>(reinterpret_cast<uintptr_t>(window)), WM_USER + 1,
            static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
    return line;
}
} // namespace

TEST(MessagePump, PendingDropsQuitAndKeysAreMapped) {
    TWin window;
    window.SetRect(200, 600, 200, 60);
    HWND hwnd = window.GetHandle();
    // The quit comes before a pending paint, which must still be handled.
    PostQuitMessage(0);
    PostMessageA(hwnd, WM_USER, 0, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
    messagePump.PumpPending();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "quit taken and dropped";
    const DWORD start = GetTickCount();
    messagePump.PumpPending();
    EXPECT_LT(GetTickCount() - start, 200u) << "no wait on an empty queue";

    // Each row posts its keys; WaitKey returns at the first key-down that is not a repeat.
    const struct {
        UINT message;
        WPARAM key;
        WORD repeats;
        int32_t expected; // 0: skipped, the next row's key comes back
    } keys[] = {
        {WM_KEYDOWN, 'A', 2, 0},     {WM_KEYUP, 'A', 1, 0},       {WM_KEYDOWN, 'B', 1, 'B'},
        {WM_KEYDOWN, 'C', 0, 'C'},   {WM_SYSKEYDOWN, 97, 1, 321}, {WM_SYSKEYDOWN, 65, 1, 321},
        {WM_SYSKEYDOWN, 27, 1, 283}, {WM_SYSKEYDOWN, 'x', 5, 0},  {WM_SYSKEYDOWN, 123, 1, 379}};
    for (const auto& key : keys) {
        PostMessageA(hwnd, key.message, key.key, key.repeats);
        if (key.expected == 0)
            continue;
        EXPECT_EQ(key.expected, messagePump.WaitKey(message)) << "key " << key.key;
        EXPECT_EQ(static_cast<WPARAM>(key.expected), message.wParam) << "the record holds it";
    }
    PostMessageA(hwnd, WM_KEYDOWN, 'Q', 1);
    PostMessageA(hwnd, WM_KEYDOWN, VK_ESCAPE, 3);
    SetTimer(hwnd, 1, 50, PostEscapeLater);
    EXPECT_EQ(27, WaitForEscape()) << "waits through other keys and the empty queue";
    PostQuitMessage(0);
    EXPECT_EQ(0, messagePump.WaitKey());
}

TEST(MessagePump, TraceShowsTheLastSixMessagesAndMemory) {
    TWin trace;
    trace.SetRect(600, 300, 420, 200);
    TWin target;
    target.SetRect(600, 520, 100, 40);
    HWND hwnd = target.GetHandle();
    messagePump.PumpPending();
    fakeMemory = MEMORYSTATUS();
    fakeMemory.dwTotalPhys = 512u << 20;
    fakeMemory.dwAvailPhys = (128u << 20) + 1023;
    SetMemoryQuery(FakeMemoryQuery);
    messagePump.SetTraceWindow(&trace);
    MSG message;
    PostMessageA(hwnd, WM_USER + 1, 0x10, 0x2345);
    ASSERT_EQ(1, messagePump.PumpOne(message));
    EXPECT_EQ("0. 1. 2. 3. 4. 5. " + TraceLine(hwnd, 0x10, 0x2345) +
                  " Total: 513 Mb Free: 131072 Kb (25%) ",
              std::string(trace.GetText()));

    fakeMemory.dwTotalPhys = (511u << 20) + (1u << 19);
    std::string expected;
    for (WPARAM k = 2; k <= 7; ++k) {
        PostMessageA(hwnd, WM_USER + 1, k, 0);
        ASSERT_EQ(1, messagePump.PumpOne(message));
        expected += std::to_string(k - 2) + ". " + TraceLine(hwnd, k, 0);
    }
    EXPECT_EQ(expected + " Total: 512 Mb Free: 131072 Kb (25%) ", std::string(trace.GetText()))
        << "line 0 holds the second message";
    messagePump.SetTraceWindow(nullptr);
    SetMemoryQuery(nullptr);
}
