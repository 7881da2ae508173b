#include "common/UpgradeDisk.h"

#include <windows.h>

#include <cstring>

namespace {
char programFolder[1024];
}

const char* ProgramFolder() {
    DWORD n = GetModuleFileNameA(nullptr, programFolder, sizeof programFolder);
    // A name that fills the field comes back without a terminating zero on XP.
    programFolder[n < sizeof programFolder ? n : sizeof programFolder - 1] = 0;
    if (char* backslash = std::strrchr(programFolder, '\\'))
        *backslash = 0;
    return programFolder;
}
