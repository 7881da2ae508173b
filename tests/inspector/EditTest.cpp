#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Inspected.h"
#include "twin/TWinEditPopup.h"

namespace {

// Another thread plays the user at the keyboard: it waits for the edit field of an inspector,
// notes where it is and what it holds once the modal loop runs, then posts keys to it.
class Typist {
  public:
    struct Post {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    Typist(HWND inspectorWindow, std::vector<Post> keys)
        : inspector(inspectorWindow), posts(std::move(keys)) {
        thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    }
    ~Typist() {
        WaitForSingleObject(thread, 10000);
        CloseHandle(thread);
    }
    void Finish() { WaitForSingleObject(thread, 10000); }

    bool found = false;
    RECT field = {0, 0, 0, 0};
    std::string text;

  private:
    static DWORD WINAPI Run(void* self) {
        static_cast<Typist*>(self)->Type();
        return 0;
    }

    void Type() {
        HWND edit = nullptr;
        for (int tries = 0; tries < 500 && edit == nullptr; ++tries) {
            edit = FindWindowExA(inspector, nullptr, "EDIT", nullptr);
            if (edit == nullptr)
                Sleep(10);
        }
        if (edit == nullptr) {
            // Never leave the modal loop waiting.
            PostMessageA(inspector, WM_KEYDOWN, VK_ESCAPE, 0);
            return;
        }
        // Answered only once the inspector's thread waits in its modal loop.
        DWORD_PTR answer = 0;
        SendMessageTimeoutA(edit, WM_NULL, 0, 0, SMTO_BLOCK, 5000, &answer);
        found = true;
        GetWindowRect(edit, &field);
        MapWindowPoints(nullptr, inspector, reinterpret_cast<POINT*>(&field), 2);
        char buffer[2048] = {0};
        GetWindowTextA(edit, buffer, sizeof buffer);
        text = buffer;
        for (const Post& post : posts)
            PostMessageA(edit, post.message, post.wParam, post.lParam);
    }

    HWND inspector;
    std::vector<Post> posts;
    HANDLE thread;
};

const Typist::Post enter = {WM_KEYDOWN, VK_RETURN, 0};
const Typist::Post escape = {WM_KEYDOWN, VK_ESCAPE, 0};
const Typist::Post selectAll = {EM_SETSEL, 0, -1};
const Typist::Post clear = {WM_CLEAR, 0, 0};

Typist::Post Char(char c) { return Typist::Post{WM_CHAR, static_cast<WPARAM>(c), 0}; }

void Click(HWND window, int x, int y) {
    PostMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    messagePump.PumpPending();
}

} // namespace

TEST(InspectorEdit, EnterSetsTheTextTypedIntoTheField) {
    Inspected window;
    window.SetRect(40, 40, 300, 80);
    window.SetText("Checking the disk", 1);
    window.OpenInspector(400, 40);
    HWND popup = window.InspectorWindow();
    ASSERT_NE(nullptr, popup);
    messagePump.PumpPending();
    const int before = window.textsSet;

    Typist typist(popup, {selectAll, Char('O'), Char('K'), enter});
    Click(popup, 30, 95);
    typist.Finish();
    ASSERT_TRUE(typist.found);
    EXPECT_EQ(6, typist.field.left);
    EXPECT_EQ(85, typist.field.top) << "ten pixels above the click";
    EXPECT_EQ(150, typist.field.right - typist.field.left);
    EXPECT_EQ(20, typist.field.bottom - typist.field.top);
    EXPECT_EQ("Checking the disk", typist.text);
    EXPECT_STREQ("OK", window.GetText());
    EXPECT_EQ(before + 1, window.textsSet);
    EXPECT_EQ(nullptr, FindWindowExA(popup, nullptr, "EDIT", nullptr)) << "the field is gone";
    EXPECT_EQ(0, TWinInspector::editing);
    EXPECT_STREQ("Checking the disk", window.Attached()->Rows()[11].value.Narrow())
        << "an accepted edit does not refill the rows";

    Typist emptier(popup, {selectAll, clear, enter});
    Click(popup, 30, 40);
    emptier.Finish();
    EXPECT_STREQ("", window.GetText());
    EXPECT_EQ(before + 2, window.textsSet);
}

TEST(InspectorEdit, EscapeCancelsAndKeepsTheInspector) {
    Inspected window;
    window.SetRect(40, 200, 300, 80);
    window.SetText("Unchanged", 1);
    window.OpenInspector(400, 200);
    HWND popup = window.InspectorWindow();
    ASSERT_NE(nullptr, popup);
    messagePump.PumpPending();
    const int before = window.textsSet;

    Typist typist(popup, {Char('x'), Char('y'), escape});
    Click(popup, 30, 60);
    typist.Finish();
    ASSERT_TRUE(typist.found);
    EXPECT_STREQ("Unchanged", window.GetText());
    EXPECT_EQ(before, window.textsSet);
    messagePump.PumpPending();
    EXPECT_TRUE(IsWindow(popup)) << "Escape in the field closes only the field";
    EXPECT_EQ(0, TWinInspector::editing);
}

TEST(InspectorEdit, LongTextIsCutAndSecondClicksAreIgnored) {
    Inspected window;
    window.SetRect(40, 400, 300, 80);
    const std::string longText(1500, 'a');
    window.SetText(longText.c_str(), 1);
    window.OpenInspector(400, 400);
    HWND popup = window.InspectorWindow();
    ASSERT_NE(nullptr, popup);
    messagePump.PumpPending();
    const int before = window.textsSet;

    // Enter reaches the inspector itself; the modal loop takes it all the same.
    PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    messagePump.PumpPending();
    EXPECT_EQ(std::string(1023, 'a'), window.GetText());
    EXPECT_EQ(before + 1, window.textsSet);

    // A nested edit would take the first Enter and its outer edit the second.
    window.SetText("first", 1);
    PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 50));
    PostMessageA(popup, WM_LBUTTONUP, 0, MAKELPARAM(20, 120));
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
    messagePump.PumpPending();
    EXPECT_EQ(before + 3, window.textsSet) << "one accepted edit after the SetText above";
    EXPECT_STREQ("first", window.GetText());
    EXPECT_TRUE(IsWindow(popup));
    EXPECT_EQ(0, TWinInspector::editing);
}

TEST(EditPopup, IsASystemEditControlInsideTheInspector) {
    Inspected window;
    window.SetRect(40, 600, 300, 80);
    window.OpenInspector(400, 600);
    TWinInspector* inspector = window.Attached();
    ASSERT_NE(nullptr, inspector->GetHandle());
    struct StoredPopup : TWinEditPopup {
        using TWinEditPopup::TWinEditPopup;
        uint32_t StoredStyle() const { return style; }
    } popup(inspector);
    EXPECT_EQ(0x568000C4u, popup.StoredStyle());
    EXPECT_TRUE(popup.RegisterWindowClass());
    popup.SetEditText("stored");
    EXPECT_STREQ("stored", popup.GetText());
    popup.Create();
    HWND field = popup.GetHandle();
    ASSERT_NE(nullptr, field);
    EXPECT_EQ(inspector->GetHandle(), GetParent(field));
    char name[16] = {0};
    GetClassNameA(field, name, sizeof name);
    EXPECT_STREQ("EDIT", CharUpperA(name));
    // The edit control draws its border itself and takes WS_BORDER out of its style.
    EXPECT_EQ(0x560000C4u, GetWindowLongA(field, GWL_STYLE) & ~static_cast<DWORD>(WS_BORDER));
    RECT outer;
    GetWindowRect(field, &outer);
    EXPECT_EQ(100, outer.right - outer.left);
    EXPECT_EQ(20, outer.bottom - outer.top);

    popup.SetEditText("shown");
    char shown[16] = {0};
    GetWindowTextA(field, shown, sizeof shown);
    EXPECT_STREQ("shown", shown);
    SetWindowTextA(field, "typed");
    popup.OnCommand(MAKEWPARAM(0, EN_CHANGE), reinterpret_cast<LPARAM>(field));
    EXPECT_STREQ("shown", popup.GetText()) << "only losing the focus takes the text";
    popup.OnCommand(MAKEWPARAM(0, EN_KILLFOCUS), reinterpret_cast<LPARAM>(field));
    EXPECT_STREQ("typed", popup.GetText());
    messagePump.PumpPending();
}
