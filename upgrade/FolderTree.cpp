#include "upgrade/FolderTree.h"

#include <windows.h>

#include <string>

#include "common/Handles.h"

namespace {
const DWORD NotTried = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

class ErrorModeScope {
  public:
    ErrorModeScope() : previous(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~ErrorModeScope() { SetErrorMode(previous); }

  private:
    UINT previous;
};
} // namespace

bool RemoveFolderTree(const char* path) {
    ErrorModeScope errorMode;
    if (RemoveDirectoryA(path))
        return true;
    DWORD error = GetLastError();
    if (error != ERROR_DIR_NOT_EMPTY && error != ERROR_ACCESS_DENIED)
        return false;
    FindFile search((std::string(path) + "\\*.*").c_str());
    if (!search.IsOpen())
        return false;
    bool failed = false;
    const WIN32_FIND_DATAA& entry = search.entry;
    // The first entry is the folder's own "." and is passed over unseen.
    while (search.Next()) {
        if (lstrcmpA(entry.cFileName, "..") == 0)
            continue;
        std::string entryPath = std::string(path) + "\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!RemoveDirectoryA(entryPath.c_str()) && !RemoveFolderTree(entryPath.c_str()))
                failed = true;
        } else if (entry.dwFileAttributes & NotTried) {
            failed = true;
        } else if (!DeleteFileA(entryPath.c_str())) {
            failed = true;
        }
    }
    if (failed)
        return false;
    return RemoveDirectoryA(path) != 0;
}

bool RemovalLeaves(DWORD attributes) {
    return (attributes & (NotTried | FILE_ATTRIBUTE_READONLY)) != 0;
}
