#pragma once

class TWin;

// The status line of the fixed look (Arial 14, black on white), drawn at once, then the pending
// messages are handled and the line stands for two seconds.
void ShowStatus(TWin& window, const char* text);

// Sets a window's caption (and notes it in the test build's transcript).
void ShowCaption(TWin& window, const char* caption);
