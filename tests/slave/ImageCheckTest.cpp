#include <gtest/gtest.h>

#include "slave/ImageCheck.h"

// The end-to-end runs send images whose CRC-32 gzip computed, and refuse every faulty SLAVE.BIN.
TEST(ImageCheck, CrcOfTheStandardCheckValue) {
    const unsigned char check[] = "123456789";
    EXPECT_TRUE(CrcValid(check, 0xCBF43926u, 9));
    EXPECT_FALSE(CrcValid(check, 0xCBF43926u, 8));
    EXPECT_TRUE(CrcValid(check, 0, -5)) << "no bytes";
    const unsigned char magic[][2] = {{0xE3, 0xE3}, {0xE3, 0xE4}, {0xE4, 0xE3}};
    EXPECT_TRUE(HeaderValid(magic[0]));
    EXPECT_FALSE(HeaderValid(magic[1]));
    EXPECT_FALSE(HeaderValid(magic[2]));
}
