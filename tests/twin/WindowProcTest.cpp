#include <gtest/gtest.h>

#include "Recorder.h"
#include "twin/MessagePump.h"
#include "twin/WindowProc.h"

namespace {

bool TakeQuitMessage() {
    MSG message;
    return PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != 0;
}

} // namespace

TEST(WindowProc, ResultsWithAndWithoutAnObject) {
    TWin window;
    window.SetRect(300, 300, 200, 80);
    HWND attached = window.GetHandle();
    ASSERT_NE(nullptr, attached);
    HWND bare = CreateWindowExA(0, "Basic TWin", "bare", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, bare);

    const UINT fixedOne[] = {WM_CREATE,        WM_MOVE,      WM_SIZE,        WM_PAINT,
                             WM_NCPAINT,       WM_KEYDOWN,   WM_KEYUP,       WM_CHAR,
                             WM_LBUTTONDOWN,   WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP,
                             WM_CAPTURECHANGED};
    for (UINT message : fixedOne)
        EXPECT_EQ(1, SendMessageA(bare, message, 0, 0)) << "no object, message " << message;
    EXPECT_EQ(0, SendMessageA(bare, WM_ERASEBKGND, 0, 0));
    EXPECT_EQ(0, SendMessageA(bare, WM_USER + 5, 0, 0)) << "DefWindowProcA";
    EXPECT_EQ(1, SendMessageA(bare, WM_QUIT, 0, 0));
    EXPECT_TRUE(TakeQuitMessage());

    EXPECT_EQ(0, SendMessageA(attached, WM_CREATE, 0, 0));
    EXPECT_EQ(1, SendMessageA(attached, WM_MOVE, 0, 0));
    EXPECT_EQ(0, SendMessageA(attached, WM_SIZE, 0, 0));
    EXPECT_EQ(1, SendMessageA(attached, WM_PAINT, 0, 0));
    EXPECT_EQ(0, SendMessageA(attached, WM_ERASEBKGND, 0, 0));
    EXPECT_EQ(0, SendMessageA(attached, WM_KEYDOWN, 'A', 1));
    EXPECT_EQ(0, SendMessageA(attached, WM_CHAR, 'a', 1));
    EXPECT_EQ(0, SendMessageA(attached, WM_RBUTTONUP, 0, 0));
    EXPECT_EQ(1, SendMessageA(attached, WM_QUIT, 0, 0));
    EXPECT_TRUE(TakeQuitMessage());
    EXPECT_EQ(1, SendMessageA(attached, WM_COMMAND, 5, 0)) << "menu command";

    // A pending WM_PAINT of an unattached window must not keep the pump busy.
    ShowWindow(bare, SW_SHOW);
    InvalidateRect(bare, nullptr, TRUE);
    messagePump.PumpPending();
    DestroyWindow(bare);
}

TEST(WindowProc, CommandsGoToTheControlsObjectAndKeyMenuIsDropped) {
    Recorder parent;
    parent.SetRect(300, 300, 300, 200);
    Recorder control;
    control.CreateChildAt(&parent, 10, 10, 80, 30);
    ASSERT_NE(nullptr, control.GetHandle());
    HWND plain = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 50, 20, 20, parent.GetHandle(),
                                 nullptr, nullptr, nullptr);

    const WPARAM notification = MAKEWPARAM(7, 0x300);
    EXPECT_EQ(42, SendMessageA(parent.GetHandle(), WM_COMMAND, notification,
                               reinterpret_cast<LPARAM>(control.GetHandle())));
    ASSERT_EQ(1u, control.calls.size());
    EXPECT_EQ(notification, control.calls[0].wParam);
    EXPECT_TRUE(parent.calls.empty()) << "the receiving window is not asked";
    EXPECT_EQ(1, SendMessageA(parent.GetHandle(), WM_COMMAND, notification,
                              reinterpret_cast<LPARAM>(plain)));
    EXPECT_TRUE(parent.calls.empty());

    EXPECT_EQ(0, SendMessageA(parent.GetHandle(), WM_SYSCOMMAND, SC_KEYMENU, 'f'));
    EXPECT_EQ(0, SendMessageA(parent.GetHandle(), WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_EQ(4u, parent.calls.size());
    EXPECT_EQ(0u, parent.calls[0].wParam) << "SC_KEYMENU reaches the slot as 0";
    EXPECT_EQ(static_cast<UINT>(WM_SYSCOMMAND), parent.calls[1].message);
    EXPECT_EQ(0u, parent.calls[1].wParam) << "and the default handling as 0";
    EXPECT_EQ(static_cast<WPARAM>(SC_CLOSE), parent.calls[3].wParam);

    parent.calls.clear();
    parent.sysCommandResult = 9;
    EXPECT_EQ(9, SendMessageA(parent.GetHandle(), WM_SYSCOMMAND, SC_MOVE, 0));
    EXPECT_EQ(1u, parent.calls.size()) << "a handled system command skips the default";
}

TEST(WindowProc, MovesAreStoredInTheRightCoordinates) {
    TWin parent;
    parent.SetRect(100, 100, 300, 200);
    TWin child;
    child.CreateChildAt(&parent, 20, 30, 60, 40);
    ASSERT_NE(nullptr, child.GetHandle());

    MoveWindow(child.GetHandle(), 25, 35, 60, 40, TRUE);
    EXPECT_EQ(25, child.GetX()) << "parent client coordinates";
    EXPECT_EQ(35, child.GetY());
    MoveWindow(parent.GetHandle(), 120, 130, 310, 210, TRUE);
    EXPECT_EQ(120, parent.GetX()) << "screen coordinates";
    EXPECT_EQ(130, parent.GetY());
    EXPECT_EQ(310, parent.GetWidth());
    EXPECT_EQ(210, parent.GetHeight());
    EXPECT_EQ(25, child.GetX());
}

TEST(WindowProc, ChildProcedureAnswersZeroAndEscapeCloses) {
    HWND bare = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr,
                                nullptr);
    ASSERT_NE(nullptr, bare);
    SetWindowLongA(bare, GWL_WNDPROC, reinterpret_cast<LONG>(TWinChildProc));
    for (UINT message : {WM_CREATE, WM_PAINT, WM_ERASEBKGND, WM_LBUTTONDOWN, WM_RBUTTONDOWN,
                         WM_LBUTTONUP, WM_CAPTURECHANGED})
        EXPECT_EQ(0, SendMessageA(bare, message, 0, 0)) << "no object, message " << message;
    EXPECT_EQ(0, SendMessageA(bare, WM_KEYDOWN, 'A', 1));
    EXPECT_TRUE(IsWindow(bare));
    EXPECT_EQ(0, SendMessageA(bare, WM_KEYDOWN, VK_ESCAPE, 1));
    EXPECT_FALSE(IsWindow(bare));

    TWin object;
    HWND inspected = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                     nullptr, nullptr);
    SetWindowLongA(inspected, GWL_USERDATA, reinterpret_cast<LONG>(&object));
    SetWindowLongA(inspected, GWL_WNDPROC, reinterpret_cast<LONG>(TWinChildProc));
    EXPECT_EQ(1, SendMessageA(inspected, WM_LBUTTONDOWN, 0, 0)) << "the object's slot";
    EXPECT_EQ(1, SendMessageA(inspected, WM_RBUTTONDOWN, 0, 0));
    EXPECT_EQ(0, SendMessageA(inspected, WM_CREATE, 0, 0));
    PostMessageA(inspected, WM_KEYDOWN, VK_ESCAPE, 1);
    messagePump.PumpPending();
    EXPECT_FALSE(IsWindow(inspected)) << "a posted Escape closes it through the pump";
}
