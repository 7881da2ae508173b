#include "upgrade/BuildFolder.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "common/Handles.h"
#include "upgrade/RoadPaths.h"

bool RelabelledName(const char* oldName, double value, char* newName, size_t size) {
    char copy[MAX_PATH];
    int n = std::snprintf(copy, sizeof copy, "%s", oldName);
    if (n < 0 || static_cast<size_t>(n) >= sizeof copy)
        return false;
    char* with = std::strstr(copy, "With");
    if (with == nullptr)
        return false;
    *with = 0;
    n = std::snprintf(newName, size, "%sWith Tenacor %.2f", copy, value);
    return n >= 0 && static_cast<size_t>(n) < size;
}

bool FindBuildFolder(char (&name)[MAX_PATH]) {
    FindFile search(BuildFolderPattern);
    if (!search.IsOpen())
        return false;
    std::memcpy(name, search.entry.cFileName, sizeof name);
    return true;
}

void RelabelBuildFolder(double value) {
    char oldName[MAX_PATH], newName[MAX_PATH], oldPath[MAX_PATH], newPath[MAX_PATH];
    if (!FindBuildFolder(oldName) || !RelabelledName(oldName, value, newName, sizeof newName))
        return;
    int oldLength = std::snprintf(oldPath, sizeof oldPath, "C:\\%s\\", oldName);
    int newLength = std::snprintf(newPath, sizeof newPath, "C:\\%s\\", newName);
    if (oldLength < 0 || oldLength >= MAX_PATH || newLength < 0 || newLength >= MAX_PATH)
        return;
    MoveFileExA(oldPath, newPath, MOVEFILE_REPLACE_EXISTING);
}
