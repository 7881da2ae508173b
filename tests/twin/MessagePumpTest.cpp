#include <gtest/gtest.h>

#include <string>

#include "twin/MessagePump.h"
#include "twin/TWin.h"

namespace {

void PostKey(HWND window, UINT message, WPARAM key, WORD repeatCount) {
    PostMessageA(window, message, key, repeatCount);
}

void CALLBACK PostEscapeLater(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    PostKey(window, WM_KEYDOWN, VK_ESCAPE, 1);
}

MEMORYSTATUS fakeMemory;

void FakeMemoryQuery(MEMORYSTATUS* status) { *status = fakeMemory; }

std::string TraceLine(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    char line[128];
    sprintf(line, "hWnd:%04X  WM:%04X  wParam:%04X  lParam:%08X\n",
            static_cast<unsigned>(reinterpret_cast<uintptr_t>(window)), message,
            static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
    return line;
}

} // namespace

TEST(MessagePump, PendingReturnsOnAnEmptyQueueAndDropsQuit) {
    TWin window;
    window.SetRect(200, 600, 200, 60);
    messagePump.PumpPending();
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE));
    const DWORD start = GetTickCount();
    messagePump.PumpPending();
    EXPECT_LT(GetTickCount() - start, 200u) << "no wait on an empty queue";

    PostQuitMessage(0);
    PostMessageA(window.GetHandle(), WM_USER, 0, 0);
    messagePump.PumpPending();
    EXPECT_FALSE(PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) << "quit taken and dropped";
    PostQuitMessage(3);
    EXPECT_EQ(0, messagePump.PumpOne(message));
    EXPECT_EQ(static_cast<UINT>(WM_QUIT), message.message);
}

TEST(MessagePump, WaitKeySkipsRepeatsAndMapsSystemKeys) {
    TWin window;
    window.SetRect(200, 600, 200, 60);
    HWND hwnd = window.GetHandle();
    messagePump.PumpPending();

    PostMessageA(hwnd, WM_USER, 0, 0);
    PostKey(hwnd, WM_KEYDOWN, 'A', 2);
    PostKey(hwnd, WM_KEYUP, 'A', 1);
    PostKey(hwnd, WM_KEYDOWN, 'B', 1);
    EXPECT_EQ('B', messagePump.WaitKey()) << "a repeat count of 2 is skipped";
    PostKey(hwnd, WM_KEYDOWN, 'C', 0);
    EXPECT_EQ('C', messagePump.WaitKey());

    MSG message;
    PostKey(hwnd, WM_SYSKEYDOWN, 97, 1);
    EXPECT_EQ(321, messagePump.WaitKey(message));
    EXPECT_EQ(static_cast<UINT>(WM_SYSKEYDOWN), message.message);
    EXPECT_EQ(321u, message.wParam) << "the record holds the mapped key";
    PostKey(hwnd, WM_SYSKEYDOWN, 65, 1);
    EXPECT_EQ(321, messagePump.WaitKey(message));
    PostKey(hwnd, WM_SYSKEYDOWN, 27, 1);
    EXPECT_EQ(283, messagePump.WaitKey(message));
    PostKey(hwnd, WM_SYSKEYDOWN, 'x', 5);
    PostKey(hwnd, WM_SYSKEYDOWN, 123, 1);
    EXPECT_EQ(379, messagePump.WaitKey(message)) << "123 lies above the letters";

    PostKey(hwnd, WM_KEYDOWN, 'Q', 1);
    PostKey(hwnd, WM_KEYDOWN, VK_ESCAPE, 3);
    SetTimer(hwnd, 1, 50, PostEscapeLater);
    EXPECT_EQ(27, WaitForEscape()) << "waits through other keys and the empty queue";
    PostQuitMessage(0);
    EXPECT_EQ(0, messagePump.WaitKey());
    messagePump.PumpPending();
}

TEST(MessagePump, TraceShowsTheLastSixMessagesAndMemory) {
    TWin trace;
    trace.SetFont("Arial", 11, 400, 0);
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
    PostMessageA(hwnd, WM_USER + 1, 0x10, 0x2345);
    MSG message;
    ASSERT_EQ(1, messagePump.PumpOne(message));
    EXPECT_EQ("0. 1. 2. 3. 4. 5. " + TraceLine(hwnd, WM_USER + 1, 0x10, 0x2345) +
                  " Total: 513 Mb Free: 131072 Kb (25%) ",
              std::string(trace.GetText()));

    fakeMemory.dwTotalPhys = (511u << 20) + (1u << 19);
    for (WPARAM k = 2; k <= 7; ++k)
        PostMessageA(hwnd, WM_USER + 1, k, 0);
    for (int k = 2; k <= 7; ++k)
        ASSERT_EQ(1, messagePump.PumpOne(message));
    std::string expected;
    for (WPARAM k = 2; k <= 7; ++k)
        expected += std::to_string(k - 2) + ". " + TraceLine(hwnd, WM_USER + 1, k, 0);
    expected += " Total: 512 Mb Free: 131072 Kb (25%) ";
    EXPECT_EQ(expected, std::string(trace.GetText())) << "line 0 holds the second message";
    messagePump.SetTraceWindow(nullptr);
    SetMemoryQuery(nullptr);
}
