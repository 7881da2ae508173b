#include "tools/disk/DiskWord.h"

#include <windows.h>

#include <cstdio>

bool FullDiskFolder(const char* folder, std::string& diskFolder) {
    char full[MAX_PATH];
    const DWORD n = GetFullPathNameA(folder, sizeof full, full, nullptr);
    diskFolder = n == 0 || n >= sizeof full ? folder : full;
    while (diskFolder.size() > 1 && diskFolder.back() == '\\')
        diskFolder.pop_back();
    const DWORD attributes = GetFileAttributesA((diskFolder + "\\").c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool OpenDiskFolder(const char* folder, std::string& diskFolder) {
    if (!FullDiskFolder(folder, diskFolder)) {
        std::printf("%s is not a folder\n", folder);
        return false;
    }
    std::printf("upgrade disk %s\n\n", diskFolder.c_str());
    return true;
}

bool TakeCommandWord(const std::string& diskFolder, const char* word, Road& road) {
    const std::string commandLine = "\"" + diskFolder + ProgramFile + "\" " + word;
    const std::string seen = ReadCommandWord(commandLine.c_str());
    commitFlag = 1;
    road = ChooseRoad(seen.c_str());
    std::printf("== command word \"%s\": %s\n", word,
                road == Road::Slave ? "slave road"
                : commitFlag == 1   ? "system file road, commit flag 1"
                                    : "system file road, commit flag 0");
    if (seen == word)
        return true;
    std::printf("warning: the program reads \"%s\" as its command word, not \"%s\"\n", seen.c_str(),
                word);
    return false;
}

void PrintDiskInfo(const char* path, bool opened, int32_t optionCode, float optionValue) {
    if (opened)
        std::printf("DiskInfo.txt: option code %d, value %g\n", static_cast<int>(optionCode),
                    static_cast<double>(optionValue));
    else
        std::printf("DiskInfo.txt: %s cannot be opened: option code 0, value 0\n", path);
}
