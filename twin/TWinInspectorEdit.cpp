#include "twin/TWinEditPopup.h"
#include "twin/TWinInspector.h"

namespace {

// The modal loop over the inspector's window and its children: true on Enter, false on Escape,
// a quit message or a window that is gone.
bool RunEditLoop(HWND inspectorWindow, TWinEditPopup& popup) {
    MSG message;
    for (;;) {
        const BOOL got = GetMessageA(&message, inspectorWindow, 0, 0);
        if (got == 0) {
            // The quit belongs to the program's own loop; hand it back.
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        if (got == -1)
            return false;
        if (!IsDialogMessageA(inspectorWindow, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (message.message == WM_KEYDOWN) {
            if (message.wParam == VK_RETURN)
                return true;
            if (message.wParam == VK_ESCAPE) {
                // A multi-line edit answers Escape by posting WM_CLOSE to its parent; that would
                // close the inspector as well as the edit.
                PeekMessageA(&message, inspectorWindow, WM_CLOSE, WM_CLOSE, PM_REMOVE);
                return false;
            }
            continue;
        }
        popup.ApplyRect();
    }
}

} // namespace

bool TWinInspector::EditValue(int32_t, int32_t pointY) {
    if (inspected == nullptr || !OwnsWindow())
        return false;
    TWinEditPopup popup(this);
    popup.SetWidth(150);
    popup.Create();
    // Without a field there is nothing to accept; Enter would otherwise empty the text.
    if (popup.GetHandle() == nullptr)
        return false;
    popup.SetX(6);
    popup.SetY(pointY - 10);
    popup.SetFont("Arial", 11, 200, 0);
    popup.SetEditText(inspected->GetText());
    popup.ApplyRect();
    // Typing goes into the field, not to the inspector.
    SetFocus(popup.GetHandle());

    const bool accepted = RunEditLoop(handle, popup);
    if (accepted) {
        char buffer[1024] = {0};
        GetWindowTextA(popup.GetHandle(), buffer, sizeof buffer);
        inspected->SetText(buffer, 1);
    }
    if (OwnsWindow())
        SetFocus(handle);
    return accepted;
}
