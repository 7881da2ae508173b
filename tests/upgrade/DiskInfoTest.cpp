#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "upgrade/Preconditions.h"
#include "upgrade/ProgramFolder.h"

namespace {
void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

struct Read {
    bool opened;
    int32_t code;
    float value;
};

Read ReadBytes(const std::string& bytes) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + "DiskInfoTest.txt";
    WriteFile(path, bytes);
    Read read = {};
    read.opened = ReadDiskInfo(path.c_str(), read.code, read.value);
    DeleteFileA(path.c_str());
    return read;
}
} // namespace

TEST(DiskInfo, TwoNumbersWhateverTheLabels) {
    Read r = ReadBytes("CODE 1001\nSPACE 250\n");
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.code, 1001);
    EXPECT_FLOAT_EQ(r.value, 250.0f);

    r = ReadBytes("X 1001.7\r\n\r\n\r\nY 3.1");
    EXPECT_EQ(r.code, 1001);
    EXPECT_FLOAT_EQ(r.value, 3.1f);

    // A label beyond 11 characters keeps its first 11; the number behind it still counts.
    r = ReadBytes("AVERYLONGLABELWORDINDEED 1004\n" + std::string(5000, 'L') + " 3.25\n");
    EXPECT_EQ(r.code, 1004);
    EXPECT_FLOAT_EQ(r.value, 3.25f);

    r = ReadBytes("CODE abc\nVALUE 7\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_FLOAT_EQ(r.value, 0.0f);

    r = ReadBytes("CODE 1e30\nVALUE -2\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_FLOAT_EQ(r.value, -2.0f);

    r = ReadBytes(std::string("\x7f"
                              "ELF\x01\x00\x00\x1a 1004\n",
                              13));
    EXPECT_TRUE(r.opened);
    EXPECT_EQ(r.code, 0);

    int32_t code = 5;
    float value = 5;
    EXPECT_FALSE(ReadDiskInfo("Q:\\no such folder\\DiskInfo.txt", code, value));
    EXPECT_EQ(code, 0);
    EXPECT_EQ(value, 0.0f);
}

TEST(DiskInfo, DiskFiguresAndThresholds) {
    uint32_t freeMegabytes = 7, totalMegabytes = 7;
    QueryDiskMegabytes("Q:\\", freeMegabytes, totalMegabytes);
    EXPECT_EQ(freeMegabytes, 7u);
    EXPECT_EQ(totalMegabytes, 7u);

    // 64 sectors of 4096 bytes per cluster: the products pass 4 GiB and must not wrap.
    SetEnvironmentVariableA("ZR7_DISK_CLUSTERS", "64 4096 100000 4000000");
    QueryDiskMegabytes("C:\\", freeMegabytes, totalMegabytes);
    EXPECT_EQ(freeMegabytes, 25000u);
    EXPECT_EQ(totalMegabytes, 1000000u);
    SetEnvironmentVariableA("ZR7_DISK_CLUSTERS", "broken");
    QueryDiskMegabytes("C:\\", freeMegabytes, totalMegabytes);
    EXPECT_EQ(freeMegabytes, 0u);
    EXPECT_EQ(totalMegabytes, 0u);

    std::string diskInfo = std::string(ProgramFolder()) + "\\DiskInfo.txt";
    struct Case {
        const char* diskInfo;
        const char* clusters; // 1 MiB clusters: free, total
        const char* totalPhys;
        UpgradeResult result;
    } cases[] = {
        {"C 1001\nV 199\n", "256 4096 200 1000", "268435456", Success},
        {"C 1001\nV 199.5\n", "256 4096 200 1000", "268435456", NoDiskSpace},
        {"C 1003\nV 0\n", "256 4096 800 899", "268435456", Incompatible},
        {"C 1003\nV 0\n", "256 4096 800 900", "268435456", Success},
        {"C 1002\nV 0\n", "256 4096 800 900", "134217728", Incompatible},
        {"C 1002\nV 0\n", "256 4096 800 900", "153598976", Success},
        {"C 1002\nV 0\n", "256 4096 800 900", "153598975", Incompatible},
        {"C 1002\nV 900\n", "256 4096 800 900", "268435456", NoDiskSpace},
        {"C 1000\nV 900000\n", "256 4096 0 0", "0", Success},
        {"C 1004\nV 900000\n", "256 4096 0 0", "0", Success},
        {"C 1003\nV -5\n", "broken", "268435456", Incompatible},
    };
    for (const Case& c : cases) {
        WriteFile(diskInfo, c.diskInfo);
        SetEnvironmentVariableA("ZR7_DISK_CLUSTERS", c.clusters);
        SetEnvironmentVariableA("ZR7_TOTAL_PHYS", c.totalPhys);
        int32_t code = -1;
        double value = -1;
        EXPECT_EQ(CheckUpgradePreconditions(code, value), c.result) << c.diskInfo << c.clusters;
    }
    DeleteFileA(diskInfo.c_str());
    int32_t code = -1;
    double value = -1;
    EXPECT_EQ(CheckUpgradePreconditions(code, value), Success);
    EXPECT_EQ(code, 0);
    EXPECT_EQ(value, 0.0);
    SetEnvironmentVariableA("ZR7_DISK_CLUSTERS", nullptr);
    SetEnvironmentVariableA("ZR7_TOTAL_PHYS", nullptr);
}
