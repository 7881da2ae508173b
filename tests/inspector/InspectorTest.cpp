#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "twin/MessagePump.h"
#include "twin/Pixels.h"
#include "twin/TWinInspector.h"
#include "twin/WindowProc.h"

namespace {
// An inspected window that shows its attached inspector and counts the texts set on it.
class Inspected : public TWin {
  public:
    TWinInspector* Attached() const { return inspector; }
    HWND InspectorWindow() const { return inspector ? inspector->GetHandle() : nullptr; }
    TWin& SetText(const char* newText, int32_t mode) override {
        ++textsSet;
        return TWin::SetText(newText, mode);
    }
    int textsSet = 0;
};

std::string Row(Inspected& window, int i) {
    InspectorRow& row = window.Attached()->Rows()[i];
    return std::string(row.name.Narrow()) + "=" + row.value.Narrow();
}

// Plays the user on another thread: waits for the inspector's edit field, notes where it is and
// what it holds once the modal loop runs, then posts the keys to it.
struct Typist {
    Typist(HWND inspector, std::vector<MSG> keys) : inspector(inspector), keys(std::move(keys)) {
        thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~Typist() { Finish(); }
    void Finish() {
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
        thread = nullptr;
    }
    static DWORD WINAPI Run(void* self) {
        Typist& t = *static_cast<Typist*>(self);
        HWND edit = nullptr;
        for (int tries = 0; tries < 500 && !edit; ++tries, Sleep(10))
            edit = FindWindowExA(t.inspector, nullptr, "EDIT", nullptr);
        if (edit == nullptr) {
            PostMessageA(t.inspector, WM_KEYDOWN, VK_ESCAPE, 0); // never leave the loop waiting
            return 0;
        }
        DWORD_PTR answer = 0; // answered once the inspector's thread waits in its modal loop
        SendMessageTimeoutA(edit, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer);
        GetWindowRect(edit, &t.field);
        MapWindowPoints(nullptr, t.inspector, reinterpret_cast<POINT*>(&t.field), 2);
        char text[2048] = {0};
        GetWindowTextA(edit, text, sizeof text);
        t.text = text;
        for (const MSG& key : t.keys)
            PostMessageA(edit, key.message, key.wParam, key.lParam);
        return 0;
    }
    HWND inspector;
    std::vector<MSG> keys;
    HANDLE thread;
    RECT field = {0, 0, 0, 0};
    std::string text;
};

MSG Key(UINT message, WPARAM wParam, LPARAM lParam = 0) {
    return MSG{nullptr, message, wParam, lParam, 0, {0, 0}};
}
const MSG selectAll = Key(EM_SETSEL, 0, -1), enter = Key(WM_KEYDOWN, VK_RETURN),
          escape = Key(WM_KEYDOWN, VK_ESCAPE);

void Click(HWND window, int y) {
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(30, y));
    messagePump.PumpPending();
}
} // namespace

TEST(Inspector, ListsTheWindowAndFollowsIt) {
    Inspected window;
    InspectorRow rows[51];
    EXPECT_EQ(0, window.FillInspectorRows(rows, 50)) << "room for more than 50 rows needed";
    EXPECT_EQ(0, rows[0].name.Length());
    window.SetCaption("Status");
    window.SetFont("Arial", 14, 700, 0);
    window.SetBackgroundColor(0x0A0B0C);
    window.SetTextColor(0x00F0E1);
    window.SetText("Checking...", 1);
    window.SetRect(40, 40, 300, 80);
    window.OpenInspector(400, 60);
    HWND first = window.InspectorWindow();
    ASSERT_NE(nullptr, first);
    const char* expected[] = {"Caption=Status",
                              "Class=Basic TWin",
                              "Font=Arial",
                              "Font Size=-14",
                              "Font Weight=700",
                              "BackgroundColor=A0B0C",
                              "ForegroundColor=F0E1",
                              "Height=80",
                              "Width=300",
                              "Top=40",
                              "Left=40",
                              "Text=Checking..."};
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(expected[i], Row(window, i)) << "row " << i;
    RECT outer;
    GetWindowRect(first, &outer);
    EXPECT_EQ((RECT{400, 60, 570, 280}), outer) << "170 wide, 11 rows of 20";
    EXPECT_EQ(window.GetHandle(), GetWindow(first, GW_OWNER));
    EXPECT_EQ(reinterpret_cast<LONG>(TWinChildProc), GetWindowLongA(first, GWL_WNDPROC));

    window.OpenInspector(420, 80);
    EXPECT_FALSE(IsWindow(first)) << "a second inspector replaces the first";
    HWND second = window.InspectorWindow();
    messagePump.PumpPending();
    // Moving refills the rows and draws them at once, over whatever was there.
    RECT client;
    GetClientRect(second, &client);
    HDC hdc = GetDC(second);
    FillRect(hdc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    ReleaseDC(second, hdc);
    window.SetRect(50, 70, 320, 90);
    EXPECT_EQ("Left=50", Row(window, 10));
    EXPECT_EQ(0xFFFFFFu, PixelAt(second, client.right - 2, client.bottom - 2)) << "repainted";

    PostMessageA(second, WM_KEYDOWN, VK_ESCAPE, 0);
    messagePump.PumpPending();
    EXPECT_FALSE(IsWindow(second)) << "Escape closes the inspector's window";
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    window.SetRect(60, 70, 320, 90);
    EXPECT_EQ("Left=60", Row(window, 10)) << "the object stays attached and refilled";

    Inspected* shortLived = new Inspected;
    shortLived->SetRect(40, 320, 200, 60);
    shortLived->OpenInspector(260, 320);
    HWND orphan = shortLived->InspectorWindow();
    delete shortLived;
    EXPECT_FALSE(IsWindow(orphan)) << "the inspector goes with its window";
}

TEST(Inspector, PaintsTwoColumnsWithARowLineEach) {
    Inspected window;
    window.SetRect(40, 420, 300, 80);
    window.OpenInspector(400, 420);
    HWND popup = window.InspectorWindow();
    messagePump.PumpPending();
    const COLORREF names = 0xD0E0F0;
    window.Attached()->SetBackgroundColor(names);
    window.Attached()->RedrawRows();
    RECT client;
    GetClientRect(popup, &client);
    EXPECT_EQ(names, PixelAt(popup, 50, client.bottom - 1));
    EXPECT_EQ(0xFFFFFFu, PixelAt(popup, 101, client.bottom - 1));
    EXPECT_EQ(0u, PixelAt(popup, 100, client.bottom - 1)) << "column line";
    // Between the two column lines only the row lines cross: twelve, evenly spaced.
    std::vector<LONG> lines;
    for (LONG y = 0; y < client.bottom; ++y)
        if (PixelAt(popup, 99, y) == 0)
            lines.push_back(y);
    ASSERT_EQ(12u, lines.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(static_cast<LONG>(i) * lines[1], lines[i]);
    EXPECT_TRUE(FindInk(popup, names, RECT{5, 1, 97, lines[1]}).found) << "a name is drawn";
}

TEST(Inspector, EditsTheTextInAField) {
    Inspected window;
    window.SetRect(40, 40, 300, 80);
    window.SetText("Checking the disk", 1);
    window.OpenInspector(400, 40);
    HWND popup = window.InspectorWindow();
    messagePump.PumpPending();

    Typist typist(popup, {selectAll, Key(WM_CHAR, 'O'), Key(WM_CHAR, 'K'), enter});
    Click(popup, 95);
    typist.Finish();
    EXPECT_EQ((RECT{6, 85, 156, 105}), typist.field) << "150 x 20, ten pixels above the click";
    EXPECT_EQ("Checking the disk", typist.text);
    EXPECT_STREQ("OK", window.GetText());
    EXPECT_EQ(nullptr, FindWindowExA(popup, nullptr, "EDIT", nullptr)) << "the field is gone";

    Typist canceller(popup, {Key(WM_CHAR, 'x'), escape});
    Click(popup, 60);
    canceller.Finish();
    EXPECT_STREQ("OK", window.GetText()) << "Escape cancels";
    messagePump.PumpPending();
    EXPECT_TRUE(IsWindow(popup)) << "and closes only the field";

    // Enter may reach the inspector itself; a second click while editing is ignored (a nested
    // edit would take the first Enter, its outer one the second).
    window.SetText(std::string(1500, 'a').c_str(), 1);
    const int before = window.textsSet;
    PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 120));
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    messagePump.PumpPending();
    EXPECT_EQ(std::string(1023, 'a'), window.GetText()) << "cut to the field's buffer";
    EXPECT_EQ(before + 1, window.textsSet) << "one edit";
    EXPECT_EQ(0, TWinInspector::editing);
}
