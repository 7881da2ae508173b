#include "twin/MessagePump.h"

// The one pump of the process, built by static initialisation before WinMain runs.
MessagePump messagePump;

int32_t MessagePump::PumpOne(MSG& message) {
    const BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got == 0 || got == -1)
        return 0;
    if (traceWindow)
        TraceMessage(message);
    PreTranslate(message);
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return 1;
}

void MessagePump::PumpPending() {
    MSG message;
    // A quit message in the queue is taken out and dropped; the loop ends only on an empty queue.
    while (PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE))
        PumpOne(message);
}

int32_t MessagePump::WaitKey() {
    MSG message;
    return WaitKey(message);
}

int32_t MessagePump::WaitKey(MSG& message) {
    for (;;) {
        if (PumpOne(message) == 0)
            return 0;
        const uint32_t repeatCount = static_cast<uint32_t>(message.lParam) & 0xFFFF;
        if (repeatCount >= 2)
            continue;
        if (message.message == WM_KEYDOWN)
            return static_cast<int32_t>(message.wParam);
        if (message.message == WM_SYSKEYDOWN) {
            WPARAM key = message.wParam;
            if (key >= 97 && key <= 122)
                key &= ~static_cast<WPARAM>(0x20);
            message.wParam = key + 256;
            return static_cast<int32_t>(message.wParam);
        }
    }
}

void MessagePump::PreTranslate(MSG&) {}

int32_t WaitForEscape() {
    while (messagePump.WaitKey() != VK_ESCAPE) {
    }
    return VK_ESCAPE;
}
