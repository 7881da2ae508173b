#pragma once

// Removes a folder with everything in it except hidden and system files, which stay together
// with every folder above them. True when the folder no longer exists at the end.
bool RemoveFolderTree(const char* path);
