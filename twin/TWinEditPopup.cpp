#include "twin/TWinEditPopup.h"

#include <new>

#include "twin/TWinInspector.h"

TWinEditPopup::TWinEditPopup(TWinInspector* inspector) {
    SetParentWindow(inspector);
    SetY(6);
    SetX(100);
    SetWidth(100);
    SetHeight(20);
    className.Assign("EDIT");
    SetBackgroundColor(0xFFFFFF);
    AddStyle(WS_CLIPSIBLINGS | WS_BORDER | ES_AUTOHSCROLL | ES_AUTOVSCROLL | ES_MULTILINE);
    SetFont("Arial", 11, 400, 0);
}

TWinEditPopup::~TWinEditPopup() {}

// The system edit control paints itself.
void TWinEditPopup::Paint() {}

LRESULT TWinEditPopup::OnCommand(WPARAM wParam, LPARAM) {
    if (HIWORD(wParam) != EN_KILLFOCUS)
        return 0;
    const int length = GetWindowTextLengthA(handle);
    char* buffer = new (std::nothrow) char[length + 2];
    if (buffer == nullptr)
        return 0;
    buffer[0] = 0;
    GetWindowTextA(handle, buffer, length + 2);
    SetText(buffer, 1);
    delete[] buffer;
    return 0;
}

// The class is the system's own EDIT class; there is nothing to register.
bool TWinEditPopup::RegisterWindowClass() { return true; }

void TWinEditPopup::SetEditText(const char* newText) {
    StoreText(newText);
    if (OwnsWindow())
        SetWindowTextA(handle, GetText());
}
