#pragma once

#include <windows.h>

#include <cstddef>

// The label value the commit gives the build folder, whatever DiskInfo.txt says.
constexpr double CommitLabelValue = 3.1;

// The new name of a build folder: the old name cut before its first "With", then "With Tenacor"
// and the value with two decimals. False when there is no "With" or the name would not fit.
bool RelabelledName(const char* oldName, double value, char* newName, size_t size);

// The name of the first folder matching "C:\XPe Build*" (the system lists them in the order of
// their names); false when there is none.
bool FindBuildFolder(char (&name)[MAX_PATH]);

// Relabels the first folder matching "C:\XPe Build*"; a name without "With", or one that would
// not fit, leaves the folder as it is.
void RelabelBuildFolder(double value);
