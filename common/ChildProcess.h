#pragma once

#include <windows.h>

// Starts a program from its command line with the program's own environment and working
// directory, closes the thread handle and returns the process handle; null when it cannot be
// started. The children of the system file road inherit the program's handles, the restarted
// application does not.
HANDLE StartChild(const char* commandLine, bool inheritHandles = true);

// Waits for the child without a time limit and closes its handle.
void WaitForChild(HANDLE process);
