#include <windows.h>

#include <string>

#include <gtest/gtest.h>

#include "slave/BoardFolder.h"
#include "slave/CommonRam.h"
#include "slave/SlaveDriver.h"
#include "slave/SlaveErrorLog.h"

// The port timing of a library without memory is checked end to end (emulation.test.sh).
TEST(SlaveDriver, LibraryWithoutOutPortUsesTheFallback) {
    const std::string board = BoardFolder("slaveboard-nooutport", "syncup 0x1234\n");
    EXPECT_TRUE(FindCommonRam());
    EXPECT_NE(nullptr, GetModuleHandleA("ZRSlaveDriver.dll"));
    EXPECT_EQ(0x1234, ReadSyncup());
    EXPECT_TRUE(slaveErrorLog.HardwarePresent());
    EXPECT_EQ(GetFileAttributesA((board + "\\board-ports.txt").c_str()), INVALID_FILE_ATTRIBUTES);
    // The library's InPort is bound; it answers 0 where the fallback would give 0xFF.
    EXPECT_EQ(0, InPort(SlaveResetPort));
}
