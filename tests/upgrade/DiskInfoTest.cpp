#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "common/UpgradeDisk.h"
#include "upgrade/Preconditions.h"

namespace {
void WriteFile(const std::string& path, const std::string& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}
} // namespace

TEST(DiskInfo, TwoNumbersWhateverTheLabels) {
    const std::string path = std::string(ProgramFolder()) + "\\DiskInfoTest.txt";
    const struct {
        std::string bytes;
        int32_t code;
        float value;
    } cases[] = {
        {"CODE 1001\nSPACE 250\n", 1001, 250.0f},
        {"X 1001.7\r\n\r\n\r\nY 3.1", 1001, 3.1f},
        // A label beyond 11 characters keeps its first 11; the number behind it still counts.
        {"AVERYLONGLABELWORDINDEED 1004\n" + std::string(5000, 'L') + " 3.25\n", 1004, 3.25f},
        {"CODE abc\nVALUE 7\n", 0, 0.0f},
        {"CODE 1e30\nVALUE -2\n", 0, -2.0f},
        // As the instrument's C library reads them: no number in "nan", "inf" or a hexadecimal
        // form, whose word then stands where the next label is read; none beyond single
        // precision.
        {"CODE 1004\nVERSION nan\n", 1004, 0.0f},
        {"CODE 1004\nVERSION -inf\n", 1004, 0.0f},
        {"CODE 1004\nVERSION 1e999\n", 1004, 0.0f},
        {"CODE inf\nVERSION 3.1\n", 0, 0.0f},
        {"CODE 0x3EC\nVERSION 2\n", 0, 0.0f},
        {std::string("\x7f"
                     "ELF\x01\x00\x00\x1a 1004\n",
                     13),
         0, 0.0f},
    };
    for (const auto& c : cases) {
        WriteFile(path, c.bytes);
        int32_t code = -1;
        float value = -1;
        EXPECT_TRUE(ReadDiskInfo(path.c_str(), code, value));
        EXPECT_EQ(c.code, code) << c.bytes.substr(0, 40);
        EXPECT_FLOAT_EQ(c.value, value) << c.bytes.substr(0, 40);
    }
    DeleteFileA(path.c_str());
    int32_t code = 5;
    float value = 5;
    EXPECT_FALSE(ReadDiskInfo(path.c_str(), code, value));
    EXPECT_EQ(0, code);
    EXPECT_EQ(0.0f, value);
}
