#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "twin/MessagePump.h"
#include "twin/Pixels.h"
#include "twin/TWinInspector.h"

namespace {
// An inspected window that shows its attached inspector.
class Inspected : public TWin {
  public:
    TWinInspector* Attached() const { return inspector; }
    HWND Inspector() const { return inspector ? inspector->GetHandle() : nullptr; }
    std::string Row(int i) {
        return std::string(inspector->Rows()[i].name.Narrow()) + "=" +
               inspector->Rows()[i].value.Narrow();
    }
};

// The user at the keyboard: a timer of the inspector's window, whose messages the edit's modal
// loop dispatches, notes the field and posts the keys to it.
struct {
    std::vector<MSG> keys;
    RECT field;
    std::string text;
} typist;

void CALLBACK Type(HWND inspector, UINT, UINT_PTR timer, DWORD) {
    HWND edit = FindWindowExA(inspector, nullptr, "EDIT", nullptr);
    if (edit == nullptr)
        return;
    KillTimer(inspector, timer);
    GetWindowRect(edit, &typist.field);
    MapWindowPoints(nullptr, inspector, reinterpret_cast<POINT*>(&typist.field), 2);
    char text[2048] = {0};
    GetWindowTextA(edit, text, sizeof text);
    typist.text = text;
    for (const MSG& key : typist.keys)
        PostMessageA(edit, key.message, key.wParam, key.lParam);
}

void Edit(HWND inspector, int y, std::vector<MSG> keys) {
    typist.keys = keys;
    typist.text = "(no field)";
    SetTimer(inspector, 1, 10, Type);
    PostMessageA(inspector, WM_LBUTTONUP, 0, MAKELPARAM(30, y));
    messagePump.PumpPending();
}

MSG Key(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return MSG{nullptr, message, wParam, lParam, 0, {0, 0}};
}
} // namespace

TEST(Inspector, ListsTheWindowAndFollowsIt) {
    Inspected window;
    window.SetCaption("Status");
    window.SetFont("Arial", 14, 700, 0);
    window.SetBackgroundColor(0x0A0B0C);
    window.SetText("Checking...", 1);
    window.SetRect(40, 40, 300, 80);
    window.OpenInspector(400, 60);
    HWND first = window.Inspector();
    ASSERT_NE(nullptr, first);
    std::string listed;
    for (int i = 0; i < 12; ++i)
        listed += window.Row(i) + "; ";
    EXPECT_EQ("Caption=Status; Class=Basic TWin; Font=Arial; Font Size=-14; Font Weight=700; "
              "BackgroundColor=A0B0C; ForegroundColor=0; Height=80; Width=300; Top=40; Left=40; "
              "Text=Checking...; ",
              listed);
    EXPECT_EQ(window.GetHandle(), GetWindow(first, GW_OWNER));
    window.OpenInspector(420, 80);
    EXPECT_FALSE(IsWindow(first)) << "a second inspector replaces the first";
    window.SetRect(50, 70, 320, 90);
    EXPECT_EQ("Left=50", window.Row(10)) << "moving refills the rows";
    PostMessageA(window.Inspector(), WM_KEYDOWN, VK_ESCAPE, 0);
    messagePump.PumpPending();
    EXPECT_FALSE(IsWindow(window.Inspector())) << "Escape closes the inspector's window";
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    Inspected* shortLived = new Inspected;
    shortLived->OpenInspector(260, 320);
    HWND orphan = shortLived->Inspector();
    delete shortLived;
    EXPECT_FALSE(IsWindow(orphan)) << "the inspector goes with its window";
}

TEST(Inspector, EditsTheTextInAField) {
    Inspected window;
    window.SetRect(40, 40, 300, 80);
    window.SetText("Checking the disk", 1);
    window.OpenInspector(400, 40);
    HWND popup = window.Inspector();
    messagePump.PumpPending();
    const MSG enter = Key(WM_KEYDOWN, VK_RETURN);
    Edit(popup, 95, {Key(EM_SETSEL, 0, -1), Key(WM_CHAR, 'O'), Key(WM_CHAR, 'K'), enter});
    EXPECT_EQ((RECT{6, 85, 156, 105}), typist.field) << "150 x 20, ten pixels above the click";
    EXPECT_EQ("Checking the disk", typist.text);
    EXPECT_STREQ("OK", window.GetText());
    EXPECT_EQ(nullptr, FindWindowExA(popup, nullptr, "EDIT", nullptr)) << "the field is gone";

    Edit(popup, 60, {Key(WM_CHAR, 'x'), Key(WM_KEYDOWN, VK_ESCAPE)});
    EXPECT_STREQ("OK", window.GetText()) << "Escape cancels";
    messagePump.PumpPending();
    EXPECT_TRUE(IsWindow(popup)) << "and closes only the field";
}
