#include <windows.h>

#include "twin/TWin.h"

namespace {
const int32_t leftInset = 5;
}

POINT RectCentre(const RECT& rect) {
    return POINT{rect.left + ((rect.right - rect.left) >> 1),
                 rect.top + ((rect.bottom - rect.top) >> 1)};
}

void TWin::Paint() {
    if (!OwnsWindow())
        return;
    RECT rect = {0, 0, 0, 0};
    GetClientRect(handle, &rect);
    HDC hdc = GetDrawDC();
    HBRUSH brush = CreateSolidBrush(backgroundColor);
    FillRect(hdc, &rect, brush);
    DrawEdge(hdc, &rect, edge, BF_RECT | BF_ADJUST);
    DrawTextInRect(text, rect);
    DeleteObject(brush);
    ReleaseDrawDC(hdc);
}

int32_t TWin::LineHeight(HDC hdc) {
    // Measured with the terminating zero counted, as every toolkit window has always done.
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(hdc, "A", 2, &extent);
    return extent.cy;
}

void TWin::SelectDrawing(HDC hdc, HFONT font, COLORREF colour, HFONT& previousFont,
                         COLORREF& previousColour) {
    SetBkMode(hdc, backgroundMode);
    if (backgroundMode != TRANSPARENT)
        SetBkColor(hdc, textBackgroundColor);
    previousFont = nullptr;
    if (font)
        previousFont = static_cast<HFONT>(SelectObject(hdc, font));
    previousColour = ::SetTextColor(hdc, colour);
}

void TWin::RestoreDrawing(HDC hdc, HFONT font, HFONT previousFont, COLORREF previousColour) {
    ::SetTextColor(hdc, previousColour);
    if (font)
        SelectObject(hdc, previousFont);
}

void TWin::DrawTextInRect(WideText& lines, RECT& rect) {
    // Without a window GetDC would hand out the whole screen.
    if (!OwnsWindow())
        return;
    if (textFlags & 1) {
        DrawTextCentred(lines, rect);
        return;
    }
    rect.left += leftInset;
    HDC hdc = GetDrawDC();
    HFONT font = ownedFont ? ownedFont : borrowedFont;
    HFONT previousFont;
    COLORREF previousColour;
    SelectDrawing(hdc, font, textColor, previousFont, previousColour);
    DrawTextLines(hdc, lines, rect, textFlags);
    RestoreDrawing(hdc, font, previousFont, previousColour);
    ReleaseDrawDC(hdc);
}

void TWin::DrawTextInClient(WideText& lines) {
    if (!OwnsWindow())
        return;
    RECT rect = {0, 0, 0, 0};
    GetClientRect(handle, &rect);
    DrawTextInRect(lines, rect);
}

void TWin::DrawTextCentred(WideText& lines, const RECT& rect) {
    if (!OwnsWindow())
        return;
    HDC hdc = GetDrawDC();
    HFONT font = GetFontHandle() ? GetFontHandle() : borrowedFont;
    HFONT previousFont;
    COLORREF previousColour;
    SelectDrawing(hdc, font, GetTextColor(), previousFont, previousColour);
    const POINT centre = RectCentre(rect);
    WideText counted(lines);
    WideText scratch;
    int32_t count = 0;
    while (counted.ReadLine(scratch))
        ++count;
    const int32_t lineHeight = count ? LineHeight(hdc) : 0;
    RECT box = {rect.left, centre.y, rect.right, centre.y};
    InflateRect(&box, 0, (count * lineHeight) >> 1);
    DrawTextLines(hdc, lines, box, textFlags);
    RestoreDrawing(hdc, font, previousFont, previousColour);
    ReleaseDrawDC(hdc);
}

void TWin::DrawTextLines(HDC hdc, WideText& lines, const RECT& rect, uint32_t flags) {
    if (lines.Length() == 0)
        return;
    int32_t anchor = rect.left;
    UINT alignment = TA_LEFT | TA_TOP;
    if (flags & 1) {
        anchor = rect.left + (rect.right - rect.left) / 2;
        alignment = TA_CENTER | TA_TOP;
    } else if (flags & 2) {
        anchor = rect.right;
        alignment = TA_RIGHT | TA_TOP;
    }
    SetTextAlign(hdc, alignment);
    int32_t top = rect.top;
    WideText copy(lines);
    WideText line;
    const int32_t lineHeight = LineHeight(hdc);
    copy.SetCursor(0);
    while (copy.ReadLine(line)) {
        TextOutW(hdc, anchor, top, line.CursorText(), line.Length());
        top += lineHeight;
        line.Clear();
    }
}

void TWin::MoveTo(HDC, int32_t toX, int32_t toY) { lineStart = lineEnd = POINT{toX, toY}; }

void TWin::LineTo(HDC hdc, int32_t toX, int32_t toY) {
    lineStart = lineEnd;
    lineEnd = POINT{toX, toY};
    DrawLine(hdc);
}

void TWin::DrawLine(HDC hdc) {
    const POINT points[2] = {lineStart, lineEnd};
    Polyline(hdc, points, 2);
}

void TWin::DrawLineBetween(HDC hdc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    lineStart = POINT{x1, y1};
    lineEnd = POINT{x2, y2};
    DrawLine(hdc);
}

int32_t LoadResourceString(wchar_t* buffer, int32_t size, uint32_t id) {
    if (buffer == nullptr || size < 2)
        return 0;
    const int32_t room = size / 2 - 1;
    buffer[0] = 0;
    if (room < 2)
        return 0;
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(static_cast<WORD>((id >> 4) + 1)),
                                MAKEINTRESOURCEA(6)); // RT_STRING
    if (found == nullptr)
        return 0;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const WORD* unit = loaded ? static_cast<const WORD*>(LockResource(loaded)) : nullptr;
    if (unit == nullptr)
        return 0;
    // Each of the block's 16 strings is a unit count and that many units; never walk past it.
    const WORD* blockEnd = unit + SizeofResource(nullptr, found) / sizeof(WORD);
    for (uint32_t skip = id & 15; skip > 0 && unit < blockEnd; --skip)
        unit += 1 + *unit;
    if (unit >= blockEnd)
        return 0;
    int32_t count = *unit++;
    if (count > blockEnd - unit)
        count = static_cast<int32_t>(blockEnd - unit);
    if (count > room)
        count = room;
    for (int32_t i = 0; i < count; ++i)
        buffer[i] = static_cast<wchar_t>(unit[i]);
    buffer[count] = 0;
    return count;
}

TWin* TWin::SetTextFromResource(uint32_t id, int32_t mode) {
    wchar_t buffer[512] = {0};
    const int32_t count = LoadResourceString(buffer, sizeof buffer, id);
    if (count == 0)
        return nullptr;
    return &SetWideText(buffer, mode);
}
