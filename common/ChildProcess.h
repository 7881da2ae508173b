#pragma once

#include "common/Handles.h"

// Starts a program from its command line with the program's own environment and working
// directory, closes the thread handle and returns the process; none when it cannot be started.
// The children of the system file road inherit the program's handles, the restarted application
// does not.
Handle StartChild(const char* commandLine, bool inheritHandles = true);

// Waits for the child without a time limit: on the instrument the extraction of a large archive,
// or the write filter's commit, can take minutes.
void WaitForChild(const Handle& process);
