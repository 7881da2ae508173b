#include <gtest/gtest.h>

#include <windows.h>

#include "upgrade/Measure.h"

TEST(Measure, DiskFiguresDoNotWrap) {
    uint32_t freeMegabytes = 7, totalMegabytes = 7;
    QueryDiskMegabytes("Q:\\", freeMegabytes, totalMegabytes);
    EXPECT_EQ(7u, freeMegabytes) << "a drive that is not there is not measured";
    // 64 sectors of 4096 bytes per cluster, through the test build's seam: the products pass
    // 4 GiB.
    SetEnvironmentVariableA("ZR7_DISK_C", "64 4096 100000 4000000");
    QueryDiskMegabytes("C:\\", freeMegabytes, totalMegabytes);
    EXPECT_EQ(25000u, freeMegabytes);
    EXPECT_EQ(1000000u, totalMegabytes);
    SetEnvironmentVariableA("ZR7_DISK_C", nullptr);
}
