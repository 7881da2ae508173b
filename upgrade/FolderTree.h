#pragma once

#include <windows.h>

// Removes a folder with everything in it except hidden and system files, which stay together
// with every folder above them. True when the folder no longer exists at the end.
bool RemoveFolderTree(const char* path);

// Whether the removal leaves a file of these attributes where it is: hidden and system files it
// does not try, read-only ones the system refuses to delete.
bool RemovalLeaves(DWORD attributes);
