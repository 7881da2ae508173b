#pragma once

#include <cstdint>
#include <string>

#include "upgrade/CommandWord.h"

// The program on the upgrade disk, named as the files of common/UpgradeDisk.h are.
constexpr const char* ProgramFile = "\\ZR7KMUpgrade.exe";

// The upgrade disk as the program names it from there (full path, no trailing backslash); false
// when it is no folder.
bool FullDiskFolder(const char* folder, std::string& diskFolder);

// The same, after a line that names the folder or says that it is none.
bool OpenDiskFolder(const char* folder, std::string& diskFolder);

// The road the program takes for a command word given to the disk tool, read as the program reads
// it from its whole command line, in which the system quotes the program's path: prints the road
// and sets commitFlag. False, after a warning, when the program would read another word (one with
// a blank of its own is cut).
bool TakeCommandWord(const std::string& diskFolder, const char* word, Road& road);

// The two numbers of DiskInfo.txt as the road read them.
void PrintDiskInfo(const char* path, bool opened, int32_t optionCode, float optionValue);
