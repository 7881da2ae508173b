#include "twin/TWinInspector.h"

#include "twin/WindowProc.h"

int32_t TWinInspector::editing = 0;

namespace {

// WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME and the static-control bit
// 0x0800.
const DWORD inspectorStyle = 0x90CC0800;
const LONG columnEdge = 100;

} // namespace

TWinInspector::TWinInspector(TWin* inspectedWindow) : inspected(inspectedWindow), rowCount(10) {
    SetHeight(200);
    SetWidth(170);
    SetFont("Arial", 11, 400, 0);
    className.Assign("STATIC");
}

TWinInspector::~TWinInspector() {}

void TWinInspector::SetRect(int32_t, int32_t, int32_t, int32_t) { Show(); }

void TWinInspector::Show() {
    if (handle) {
        // A window closed with Escape stays closed, like any closed toolkit window.
        if (OwnsWindow())
            BringWindowToTop(handle);
        return;
    }
    SetHeight(rowCount * 20);
    HWND owner = inspected ? inspected->GetHandle() : nullptr;
    HWND window = CreateWindowExA(0, "STATIC", GetWindowName(), inspectorStyle, GetX(), GetY(),
                                  GetWidth(), GetHeight(), owner, nullptr, nullptr, nullptr);
    if (window == nullptr)
        return;
    SetHandle(window);
    SetWindowLongA(window, GWL_USERDATA, reinterpret_cast<LONG>(static_cast<TWin*>(this)));
    SetWindowLongA(window, GWL_WNDPROC, reinterpret_cast<LONG>(TWinChildProc));
    BringWindowToTop(window);
    // The new inspector takes the keyboard, so that Escape closes it without a click first.
    SetFocus(window);
}

LRESULT TWinInspector::OnPaint(WPARAM, LPARAM) {
    if (!OwnsWindow())
        return 0;
    PAINTSTRUCT paint;
    BeginPaint(handle, &paint);
    RedrawRows();
    EndPaint(handle, &paint);
    return 1;
}

LRESULT TWinInspector::OnLButtonDown(WPARAM, LPARAM) { return 1; }

LRESULT TWinInspector::OnLButtonUp(WPARAM, LPARAM lParam) {
    if (editing != 0)
        return 1;
    editing = 1;
    const uint32_t point = static_cast<uint32_t>(lParam);
    EditValue(static_cast<int32_t>(point & 0xFFFF), static_cast<int32_t>(point >> 16));
    --editing;
    return 1;
}

LRESULT TWinInspector::OnRButtonDown(WPARAM, LPARAM) { return 1; }
LRESULT TWinInspector::OnRButtonUp(WPARAM, LPARAM) { return 1; }
LRESULT TWinInspector::OnCaptureChanged(WPARAM, LPARAM) { return 0; }
LRESULT TWinInspector::OnQuit(WPARAM, LPARAM) { return 0; }

int32_t TWinInspector::RedrawRows() {
    // A window closed with Escape leaves a stale handle that may name someone else's window.
    if (OwnsWindow())
        PaintRows();
    return 1;
}

int32_t TWinInspector::PaintRows() {
    HDC hdc = GetDrawDC();
    SetBkMode(hdc, TRANSPARENT);
    HFONT font = GetFontHandle();
    HGDIOBJ previousFont = font ? SelectObject(hdc, font) : nullptr;
    const COLORREF previousColour = ::SetTextColor(hdc, GetTextColor());

    RECT client = {0, 0, 0, 0};
    GetClientRect(handle, &client);
    RECT nameColumn = {client.left, client.top, columnEdge, client.bottom};
    RECT valueColumn = {columnEdge, client.top, client.right, client.bottom};
    HBRUSH brush = CreateSolidBrush(GetBackgroundColor());
    FillRect(hdc, &nameColumn, brush);
    DeleteObject(brush);
    brush = CreateSolidBrush(0xFFFFFF);
    FillRect(hdc, &valueColumn, brush);
    DeleteObject(brush);

    DrawRows(hdc, client);

    ::SetTextColor(hdc, previousColour);
    if (font)
        SelectObject(hdc, previousFont);
    ReleaseDrawDC(hdc);
    return 1;
}

void TWinInspector::DrawRows(HDC hdc, const RECT& client) {
    RECT measure = {client.left, client.top, columnEdge, client.bottom};
    const int32_t rowHeight =
        DrawTextA(hdc, rows[0].name.Narrow(), rows[0].name.Length(), &measure, DT_CALCRECT);
    DrawLineBetween(hdc, columnEdge, 0, columnEdge, client.bottom);
    DrawLineBetween(hdc, columnEdge - 2, 0, columnEdge - 2, client.bottom);
    if (client.bottom <= 0)
        return;
    int32_t y = 0;
    for (int32_t i = 0; i < rowCapacity && rows[i].name.Length() > 0; ++i) {
        RECT nameArea = {client.left + 5, y, columnEdge - 3, y + rowHeight};
        DrawTextA(hdc, rows[i].name.Narrow(), rows[i].name.Length(), &nameArea, 0);
        RECT valueArea = {columnEdge + 3, y, client.right, y + rowHeight};
        DrawTextA(hdc, rows[i].value.Narrow(), rows[i].value.Length(), &valueArea, 0);
        DrawLineBetween(hdc, 0, y, client.right, y);
        y += rowHeight;
        if (y >= client.bottom)
            break;
    }
}
