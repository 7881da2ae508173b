#include "tools/disk/TemporaryFolder.h"

#include <windows.h>

#include "upgrade/FolderTree.h"

TemporaryFolder::TemporaryFolder(const char* purpose) {
    char folder[MAX_PATH];
    const DWORD n = GetTempPathA(sizeof folder, folder);
    path = std::string(n == 0 || n >= sizeof folder ? ".\\" : folder) + "ZR7Disk-" + purpose + "-" +
           std::to_string(GetCurrentProcessId());
    // One left by an earlier process of the same number holds nothing of ours.
    RemoveFolderTree(path.c_str());
    open = CreateDirectoryA(path.c_str(), nullptr) != 0;
}

TemporaryFolder::~TemporaryFolder() {
    if (open)
        RemoveFolderTree(path.c_str());
}
