#pragma once

#include <windows.h>

#include <fstream>
#include <string>

#include <gtest/gtest.h>

// A fresh folder holding a copy of a stand-in library built beside the test programs, with its
// settings; the library is then found through the DLL search path.
inline std::string BoardFolder(const char* variant, const char* settings) {
    char exe[MAX_PATH];
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string built = exe;
    built = built.substr(0, built.find_last_of('\\'));
    built = built.substr(0, built.find_last_of('\\')) + "\\" + variant + "\\ZRSlaveDriver.dll";
    char temp[MAX_PATH];
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    GetTempFileNameA(temp, "brd", 0, folder);
    DeleteFileA(folder);
    CreateDirectoryA(folder, nullptr);
    const std::string dir = folder;
    EXPECT_TRUE(CopyFileA(built.c_str(), (dir + "\\ZRSlaveDriver.dll").c_str(), FALSE)) << built;
    std::ofstream(dir + "\\ZRSlaveDriver.ini") << settings;
    SetDllDirectoryA(folder);
    return dir;
}
