#pragma once

#include <windows.h>

class TextBuffer;

// Appends a path to a child command line; a path with a blank goes in double quotes, so that
// the system neither runs another program in its place nor splits the argument.
TextBuffer& AppendCommandPath(TextBuffer& commandLine, const char* path);

// Starts a child of the system file road (handles inherited, the program's environment and
// working directory), closes its thread handle and returns its process handle; null when it
// cannot be started.
HANDLE StartChild(const char* commandLine);

// Waits for the child without a time limit and closes its handle.
void WaitForChild(HANDLE process);
