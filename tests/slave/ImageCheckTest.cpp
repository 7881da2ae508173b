#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "BitwiseCrc.h"
#include "slave/ImageCheck.h"
#include "slave/SlaveErrorLog.h"
#include "slave/SlaveImage.h"

namespace {
std::vector<unsigned char> Pattern(size_t size) {
    std::vector<unsigned char> data(size);
    for (size_t i = 0; i < size; ++i)
        data[i] = static_cast<unsigned char>(i * 7 + (i >> 8));
    return data;
}

std::vector<unsigned char> Headered() {
    std::vector<unsigned char> file = Pattern(HeaderedImageSize);
    file[0] = file[1] = 0xE3;
    const uint32_t crc = BitwiseCrc(file, ImageHeaderSize);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<unsigned char>(crc >> (8 * i));
    return file;
}

std::string WriteTemp(const std::vector<unsigned char>& data) {
    char folder[MAX_PATH];
    char path[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "img", 0, path);
    FILE* file = std::fopen(path, "wb");
    if (!data.empty())
        std::fwrite(data.data(), 1, data.size(), file);
    std::fclose(file);
    return path;
}

// The text LoadSlaveImage throws for the file, or "" when it hands out an image.
std::string LoadFailure(const std::vector<unsigned char>& data, unsigned char** image = nullptr) {
    static std::vector<unsigned char> buffer(ImageBufferSize);
    const std::string path = WriteTemp(data);
    std::string failure;
    try {
        unsigned char* start = LoadSlaveImage(buffer.data(), ImageBufferSize, path.c_str());
        if (image)
            *image = start;
    } catch (const char* text) {
        failure = text;
    }
    DeleteFileA(path.c_str());
    return failure;
}
} // namespace

TEST(ImageCheck, CrcMatchesTheStandardCheckValue) {
    const unsigned char check[] = "123456789";
    EXPECT_TRUE(CrcValid(check, 0xCBF43926u, 9));
    EXPECT_FALSE(CrcValid(check, 0xCBF43926u, 8));
    EXPECT_TRUE(CrcValid(check, 0, 0));
    EXPECT_TRUE(CrcValid(check, 0, -5));
    const std::vector<unsigned char> file = Headered();
    EXPECT_TRUE(CrcValid(file.data() + 64, BitwiseCrc(file, 64), ImageSize));
    EXPECT_TRUE(HeaderValid(file.data()));
    const unsigned char wrong[2][2] = {{0xE3, 0xE4}, {0xE4, 0xE3}};
    EXPECT_FALSE(HeaderValid(wrong[0]));
    EXPECT_FALSE(HeaderValid(wrong[1]));
}

TEST(ImageCheck, LoadAcceptsRawAndHeaderedImages) {
    std::vector<unsigned char> raw = Pattern(ImageSize);
    raw[0] = raw[1] = 0xE3; // no header check on a raw image
    unsigned char* image = nullptr;
    EXPECT_EQ("", LoadFailure(raw, &image));
    ASSERT_NE(nullptr, image);
    EXPECT_EQ(0, memcmp(image, raw.data(), ImageSize));

    const std::vector<unsigned char> headered = Headered();
    EXPECT_EQ("", LoadFailure(headered, &image));
    EXPECT_EQ(0, memcmp(image, headered.data() + 64, ImageSize));
    EXPECT_EQ(0u, slaveErrorLog.Errors());
}

TEST(ImageCheck, LoadRefusesEveryFaultyFile) {
    std::vector<unsigned char> corrupt = Headered();
    corrupt[70000] ^= 1;
    EXPECT_EQ("The image is corrupt.  The CRC test failed.", LoadFailure(corrupt));
    std::vector<unsigned char> badMagic = Headered();
    badMagic[1] = 0xE4;
    EXPECT_EQ("The image has an invalid header.", LoadFailure(badMagic));
    EXPECT_EQ("Image is the wrong size.", LoadFailure(Pattern(HeaderedImageSize + 1)));
    EXPECT_EQ("Image is the wrong size.", LoadFailure(Pattern(ImageBufferSize)));
    EXPECT_EQ("Image is the wrong size.", LoadFailure({}));
    EXPECT_EQ("The image file is too large to be valid.",
              LoadFailure(Pattern(ImageBufferSize + 1)));
    static unsigned char buffer[ImageBufferSize];
    try {
        LoadSlaveImage(buffer, ImageBufferSize, "Z:\\no\\such\\folder\\SLAVE.BIN");
        ADD_FAILURE() << "a missing file was loaded";
    } catch (const char* text) {
        EXPECT_STREQ("Could not open the image file.", text);
    }
    EXPECT_EQ(0x08u, slaveErrorLog.Errors());
}
