#pragma once

#include <windows.h>

// The procedure of every toolkit window class: turns messages into the attached TWin's slots.
LRESULT CALLBACK TWinWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure that the property inspector installs on its STATIC popup window.
LRESULT CALLBACK TWinChildProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
