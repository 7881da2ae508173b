#pragma once

#include <windows.h>

// The module instance under which the toolkit registers its class and creates its windows.
// WinMain stores it; before that (as in the tests) it is the module of the running program.
HINSTANCE ToolkitInstance();
void SetToolkitInstance(HINSTANCE instance);
