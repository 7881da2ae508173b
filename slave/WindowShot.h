#pragma once

#include <windows.h>

// The test build saves the client area of a window as <name>.bmp in the folder named by
// ZR7_SHOTS, read back from the window's own device context: under Wine, what a window draws
// while its thread pumps no messages does not reach the X screen, so a screenshot would miss it.
// The shipped program saves nothing.
void RecordWindowShot(HWND window, const char* name);
