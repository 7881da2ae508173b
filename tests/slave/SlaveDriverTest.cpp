#include <windows.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "slave/BoardFolder.h"
#include "slave/CommonRam.h"
#include "slave/SlaveDriver.h"
#include "slave/SlaveErrorLog.h"

namespace {
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
