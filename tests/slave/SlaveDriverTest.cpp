#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slave/CommonRam.h"
#include "slave/SlaveDriver.h"
#include "slave/SlaveErrorLog.h"

namespace {
// A fresh folder holding a copy of a stand-in library built beside the test programs, with its
// settings; the library is then found through the DLL search path.
std::string BoardFolder(const char* variant, const char* settings) {
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

std::vector<std::string> Lines(const std::string& path) {
    std::ifstream file(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);)
        lines.push_back(line.substr(0, line.find('\r')));
    return lines;
}

unsigned long Microseconds(const std::string& portLine) { return std::stoul(portLine); }
} // namespace

TEST(SlaveDriver, NullPointerStillPulsesTheResetPortThenEmulates) {
    const std::string board = BoardFolder("slaveboard", "nullPointer 1\n");
    EXPECT_FALSE(FindCommonRam());
    EXPECT_EQ(EmulationRam, const_cast<uint8_t*>(commonRam));
    EXPECT_EQ(0x01u, slaveErrorLog.Errors());
    const std::vector<std::string> ports = Lines(board + "\\board-ports.txt");
    ASSERT_EQ(2u, ports.size());
    EXPECT_NE(std::string::npos, ports[0].find(" us port 0x305 value 4"));
    EXPECT_NE(std::string::npos, ports[1].find(" us port 0x305 value 0"));
    EXPECT_GE(Microseconds(ports[1]) - Microseconds(ports[0]), 1000000ul);
    // The library's InPort is bound; the board answers 0 where the fallback would give 0xFF.
    EXPECT_EQ(0, InPort(SlaveResetPort));
}

TEST(SlaveDriver, LibraryWithoutOutPortUsesTheFallback) {
    const std::string board = BoardFolder("slaveboard-nooutport", "syncup 0x1234\n");
    EXPECT_TRUE(FindCommonRam());
    EXPECT_NE(nullptr, GetModuleHandleA("ZRSlaveDriver.dll"));
    EXPECT_EQ(0x1234, ReadSyncup());
    EXPECT_TRUE(slaveErrorLog.HardwarePresent());
    EXPECT_EQ(GetFileAttributesA((board + "\\board-ports.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(0, InPort(SlaveResetPort));
}
