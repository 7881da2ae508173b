#pragma once

#include <windows.h>

#include <cstdint>

class TWin;

// The application's message pump. The program has no message loop: after each change of a
// window it drains what is queued with PumpPending. The one pump of the process is the global
// object `messagePump`, built before WinMain runs:
//     messagePump.PumpPending();
class MessagePump {
  public:
    MessagePump() : traceWindow(nullptr) {}
    virtual ~MessagePump() {}

    // 1 when a message was handled; 0 for the quit message or a failed GetMessageA.
    int32_t PumpOne(MSG& message);
    void PumpPending();
    // Pumps until a key-down that is not a repeat; system keys come back as 256 plus the code.
    int32_t WaitKey();
    int32_t WaitKey(MSG& message);
    // Records the message in the ring of the last six and, with a trace window, shows them.
    void TraceMessage(const MSG& message);
    void PreTranslate(MSG& message);

    // A trace window is not owned; null switches the trace off.
    void SetTraceWindow(TWin* window) { traceWindow = window; }
    TWin* TraceWindow() const { return traceWindow; }

  private:
    TWin* traceWindow;
};

extern MessagePump messagePump;

// Waits on the global pump until Escape is pressed; returns 27.
int32_t WaitForEscape();

// The trace reads the machine's memory through this query; null restores GlobalMemoryStatus.
using MemoryQuery = void (*)(MEMORYSTATUS* status);
void SetMemoryQuery(MemoryQuery query);
