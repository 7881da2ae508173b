#pragma once

#include <cstddef>

// The label value the commit gives the build folder, whatever DiskInfo.txt says.
constexpr double CommitLabelValue = 3.1;

// The new name of a build folder: the old name cut before its first "With", then "With Tenacor"
// and the value with two decimals. False when there is no "With" or the name would not fit.
bool RelabelledName(const char* oldName, double value, char* newName, size_t size);

// Relabels the first folder matching "C:\XPe Build*"; a name without "With", or one that would
// not fit, leaves the folder as it is.
void RelabelBuildFolder(double value);
