#include <gtest/gtest.h>

#include "Inspected.h"
#include "twin/Pixels.h"
#include "twin/WindowProc.h"

namespace {

struct OwnedSearch {
    HWND owner;
    int count;
};

BOOL CALLBACK CountIfOwned(HWND window, LPARAM data) {
    OwnedSearch* search = reinterpret_cast<OwnedSearch*>(data);
    if (GetWindow(window, GW_OWNER) == search->owner)
        ++search->count;
    return TRUE;
}

int CountOwnedWindows(HWND owner) {
    OwnedSearch search = {owner, 0};
    EnumThreadWindows(GetCurrentThreadId(), CountIfOwned, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

RECT ClientOf(HWND window) {
    RECT client = {0, 0, 0, 0};
    GetClientRect(window, &client);
    return client;
}

} // namespace

TEST(InspectorRows, FilledOnlyWithRoomForMoreThanFifty) {
    Inspected window;
    window.SetCaption("Status");
    window.SetText("Checking...", 1);
    InspectorRow rows[60];
    for (InspectorRow& row : rows)
        row.name.Assign("untouched");
    EXPECT_EQ(0, window.FillInspectorRows(nullptr, 100));
    EXPECT_EQ(0, window.FillInspectorRows(rows, 50));
    for (InspectorRow& row : rows)
        ASSERT_STREQ("untouched", row.name.Narrow());

    EXPECT_EQ(11, window.FillInspectorRows(rows, 51));
    const char* expected[12][2] = {{"Caption", "Status"},
                                   {"Class", "Basic TWin"},
                                   {"Font", ""},
                                   {"Font Size", "0"},
                                   {"Font Weight", "0"},
                                   {"BackgroundColor", "FFFFFF"},
                                   {"ForegroundColor", "0"},
                                   {"Height", "250"},
                                   {"Width", "400"},
                                   {"Top", "0"},
                                   {"Left", "0"},
                                   {"Text", "Checking..."}};
    for (int i = 0; i < 12; ++i) {
        EXPECT_STREQ(expected[i][0], rows[i].name.Narrow()) << "row " << i;
        EXPECT_STREQ(expected[i][1], rows[i].value.Narrow()) << "row " << i;
    }
    EXPECT_STREQ("untouched", rows[12].name.Narrow());

    window.SetFont("Arial", 14, 700, 0);
    window.SetBackgroundColor(0x0A0B0C);
    window.SetTextColor(0x00F0E1);
    window.FillInspectorRows(rows, 100);
    EXPECT_STREQ("Arial", rows[2].value.Narrow());
    EXPECT_STREQ("-14", rows[3].value.Narrow());
    EXPECT_STREQ("700", rows[4].value.Narrow());
    EXPECT_STREQ("A0B0C", rows[5].value.Narrow());
    EXPECT_STREQ("F0E1", rows[6].value.Narrow());
}

TEST(Inspector, OpensOnceAsAnOwnedPopupAndFollowsTheWindow) {
    Inspected window;
    window.SetCaption("Status");
    window.SetRect(40, 40, 300, 80);
    window.OpenInspector(400, 60);
    TWinInspector* inspector = window.Attached();
    ASSERT_NE(nullptr, inspector);
    HWND first = inspector->GetHandle();
    ASSERT_NE(nullptr, first);
    RECT outer;
    GetWindowRect(first, &outer);
    EXPECT_EQ(400, outer.left);
    EXPECT_EQ(60, outer.top);
    EXPECT_EQ(170, outer.right - outer.left);
    EXPECT_EQ(220, outer.bottom - outer.top);
    EXPECT_EQ(window.GetHandle(), GetWindow(first, GW_OWNER));
    char title[32] = {0};
    GetWindowTextA(first, title, sizeof title);
    EXPECT_STREQ("Status", title);
    EXPECT_EQ(0x90CC0800u, GetWindowLongA(first, GWL_STYLE) & 0x90CC0800u);
    EXPECT_EQ(reinterpret_cast<LONG>(TWinChildProc), GetWindowLongA(first, GWL_WNDPROC));
    EXPECT_EQ(inspector, window.ObjectFromHandle(first));
    EXPECT_EQ(11, inspector->RowCount());
    EXPECT_STREQ("40", inspector->Rows()[10].value.Narrow());
    messagePump.PumpPending();

    window.OpenInspector(420, 80);
    EXPECT_FALSE(IsWindow(first)) << "the first inspector's window is destroyed";
    ASSERT_NE(nullptr, window.Attached());
    HWND second = window.InspectorWindow();
    EXPECT_TRUE(IsWindow(second));
    EXPECT_EQ(1, CountOwnedWindows(window.GetHandle()));
    messagePump.PumpPending();

    // Moving and resizing refill the rows and draw them at once, over whatever was there.
    HDC hdc = GetDC(second);
    const RECT client = ClientOf(second);
    HBRUSH red = CreateSolidBrush(0x0000FF);
    FillRect(hdc, &client, red);
    DeleteObject(red);
    ReleaseDC(second, hdc);
    window.SetRect(50, 70, 320, 90);
    InspectorRow* rows = window.Attached()->Rows();
    EXPECT_STREQ("90", rows[7].value.Narrow());
    EXPECT_STREQ("320", rows[8].value.Narrow());
    EXPECT_STREQ("70", rows[9].value.Narrow());
    EXPECT_STREQ("50", rows[10].value.Narrow());
    EXPECT_EQ(11, window.Attached()->RowCount()) << "a refill keeps the row count";
    EXPECT_EQ(0xFFFFFFu, PixelAt(second, client.right - 2, client.bottom - 2));
    messagePump.PumpPending();
}

TEST(Inspector, EscapeClosesOnlyItsOwnWindow) {
    Inspected window;
    window.SetRect(40, 200, 300, 80);
    window.OpenInspector(400, 200);
    TWinInspector* inspector = window.Attached();
    HWND popup = window.InspectorWindow();
    ASSERT_NE(nullptr, popup);
    PostMessageA(popup, WM_KEYDOWN, 'A', 0);
    messagePump.PumpPending();
    EXPECT_TRUE(IsWindow(popup)) << "other keys are ignored";
    PostMessageA(popup, WM_KEYDOWN, VK_ESCAPE, 0);
    messagePump.PumpPending();
    EXPECT_FALSE(IsWindow(popup));
    EXPECT_TRUE(IsWindow(window.GetHandle()));
    EXPECT_EQ(inspector, window.Attached()) << "the object stays attached";

    // A closed inspector is refilled but draws nowhere, and can be replaced.
    window.SetRect(60, 210, 300, 80);
    EXPECT_STREQ("60", inspector->Rows()[10].value.Narrow());
    window.OpenInspector(400, 220);
    EXPECT_TRUE(IsWindow(window.InspectorWindow()));

    // An inspected window that goes away takes its inspector with it.
    Inspected* shortLived = new Inspected;
    shortLived->SetRect(40, 320, 200, 60);
    shortLived->OpenInspector(260, 320);
    HWND orphan = shortLived->InspectorWindow();
    ASSERT_TRUE(IsWindow(orphan));
    delete shortLived;
    EXPECT_FALSE(IsWindow(orphan));
    messagePump.PumpPending();
}

TEST(InspectorPaint, TwoColumnsWithSeparatorLines) {
    const COLORREF names = 0xD0E0F0;
    Inspected window;
    window.SetCaption("Painted");
    window.SetRect(40, 420, 300, 80);
    window.OpenInspector(400, 420);
    TWinInspector* inspector = window.Attached();
    HWND popup = window.InspectorWindow();
    ASSERT_NE(nullptr, popup);
    messagePump.PumpPending();
    inspector->SetBackgroundColor(names);
    EXPECT_EQ(1, inspector->RedrawRows());

    const RECT client = ClientOf(popup);
    ASSERT_GT(client.bottom, 12 * 16) << "tall enough for all twelve rows";
    const LONG bottom = client.bottom - 1;
    EXPECT_EQ(names, PixelAt(popup, 50, bottom));
    EXPECT_EQ(names, PixelAt(popup, 99, bottom));
    EXPECT_EQ(0xFFFFFFu, PixelAt(popup, 101, bottom));
    EXPECT_EQ(0xFFFFFFu, PixelAt(popup, client.right - 1, bottom));
    for (LONG y : {0L, client.bottom / 2, bottom}) {
        EXPECT_EQ(0u, PixelAt(popup, 100, y)) << "column line at y " << y;
        EXPECT_EQ(0u, PixelAt(popup, 98, y)) << "second column line at y " << y;
    }

    // Between the two column lines only the row lines cross: one per row, evenly spaced.
    std::vector<LONG> lines;
    for (LONG y = 0; y < client.bottom; ++y) {
        const COLORREF pixel = PixelAt(popup, 99, y);
        if (pixel == 0)
            lines.push_back(y);
        else
            ASSERT_EQ(names, pixel) << "at y " << y;
    }
    ASSERT_EQ(12u, lines.size());
    const LONG rowHeight = lines[1];
    EXPECT_GE(rowHeight, 10);
    EXPECT_LE(rowHeight, 20);
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(static_cast<LONG>(i) * rowHeight, lines[i]);
    EXPECT_EQ(0u, PixelAt(popup, client.right - 1, rowHeight)) << "row lines span the width";

    RECT firstName = {5, 1, 97, rowHeight};
    EXPECT_TRUE(FindInk(popup, names, firstName).found) << "the name Caption is drawn";
    RECT firstValue = {103, 1, client.right, rowHeight};
    EXPECT_TRUE(FindInk(popup, 0xFFFFFF, firstValue).found) << "the value Painted is drawn";
    messagePump.PumpPending();
}
