#include "upgrade/Status.h"

#include "common/TestBuild.h"
#include "twin/MessagePump.h"
#include "twin/TWin.h"

void ShowStatus(TWin& window, const char* text) {
    window.SetText(text, TRANSPARENT);
    window.SetFont("Arial", 14, 400, 0);
    window.SetBackgroundColor(0xFFFFFF);
    window.SetTextColor(0);
    window.Show();
    messagePump.PumpPending();
    RecordStatus(text);
    Pause(2000);
}

void ShowCaption(TWin& window, const char* caption) {
    Record("caption", caption);
    window.SetCaption(caption);
}
