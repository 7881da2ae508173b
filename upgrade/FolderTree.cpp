#include "upgrade/FolderTree.h"

#include <windows.h>

#include <string>

namespace {
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
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA((std::string(path) + "\\*.*").c_str(), &entry);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool failed = false;
    // The first entry is the folder's own "." and is passed over unseen.
    while (FindNextFileA(search, &entry)) {
        if (lstrcmpA(entry.cFileName, "..") == 0)
            continue;
        std::string entryPath = std::string(path) + "\\" + entry.cFileName;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!RemoveDirectoryA(entryPath.c_str()) && !RemoveFolderTree(entryPath.c_str()))
                failed = true;
        } else if (entry.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) {
            failed = true;
        } else if (!DeleteFileA(entryPath.c_str())) {
            failed = true;
        }
    }
    FindClose(search);
    if (failed)
        return false;
    return RemoveDirectoryA(path) != 0;
}
