#include <cstdio>

#include "text/TextBuffer.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"

namespace {

const int32_t ringSize = 6;
int32_t traceNext = 0;
MemoryQuery memoryQuery = nullptr;

// Built empty on the first trace call and destroyed at exit.
TextBuffer* TraceRing() {
    static TextBuffer ring[ringSize];
    return ring;
}

void AppendMemoryFigures(TextBuffer& display, const MEMORYSTATUS& status) {
    const double total = static_cast<double>(status.dwTotalPhys);
    const double available = static_cast<double>(status.dwAvailPhys);
    // 1 - trunc(-(T + 0.5) / 2^20): one more than the whole MiB count.
    const int32_t totalMiB = 1 - static_cast<int32_t>(-(total + 0.5) * (1.0 / 1048576.0));
    const int32_t freeKiB = static_cast<int32_t>(static_cast<uint32_t>(available * (1.0 / 1024.0)));
    // A zero total (a failed query) would make the share undefined; show 0 instead.
    const int32_t percent = total > 0 ? static_cast<int32_t>(available * 100.0 / total) : 0;
    display.Append(" Total: ").AppendNumber(totalMiB).Append(" Mb");
    display.Append(" Free: ").AppendNumber(freeKiB).Append(" Kb");
    display.Append(" (").AppendNumber(percent).Append("%) ");
}

} // namespace

void SetMemoryQuery(MemoryQuery query) { memoryQuery = query; }

void MessagePump::TraceMessage(const MSG& message) {
    TextBuffer* ring = TraceRing();
    if (traceWindow == nullptr)
        return;
    MEMORYSTATUS status = {};
    status.dwLength = sizeof status;
    if (memoryQuery)
        memoryQuery(&status);
    else
        GlobalMemoryStatus(&status);
    char line[512];
    std::snprintf(line, sizeof line, "hWnd:%04X  WM:%04X  wParam:%04X  lParam:%08X\n",
                  static_cast<unsigned>(reinterpret_cast<uintptr_t>(message.hwnd)),
                  static_cast<unsigned>(message.message), static_cast<unsigned>(message.wParam),
                  static_cast<unsigned>(message.lParam));
    ring[traceNext].Assign(line);
    traceNext = (traceNext + 1) % ringSize;
    TextBuffer display;
    for (int32_t k = 0; k < ringSize; ++k)
        display.AppendNumber(k).Append(". ").Append(ring[(traceNext + k) % ringSize].CStr());
    AppendMemoryFigures(display, status);
    traceWindow->SetText(display.CStr(), TRANSPARENT);
}
