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

// A headered file whose CRC comes from the bitwise computation, with one byte then changed.
std::vector<unsigned char> Headered(size_t changed = 0, unsigned char value = 0) {
    std::vector<unsigned char> file = Pattern(HeaderedImageSize);
    file[0] = file[1] = 0xE3;
    const uint32_t crc = BitwiseCrc(file, ImageHeaderSize);
    for (int i = 0; i < 4; ++i)
        file[4 + i] = static_cast<unsigned char>(crc >> (8 * i));
    if (changed)
        file[changed] = value;
    return file;
}
} // namespace

TEST(ImageCheck, CrcOfTheStandardCheckValue) {
    const unsigned char check[] = "123456789";
    EXPECT_TRUE(CrcValid(check, 0xCBF43926u, 9));
    EXPECT_FALSE(CrcValid(check, 0xCBF43926u, 8));
    EXPECT_TRUE(CrcValid(check, 0, -5)) << "no bytes";
    const std::vector<unsigned char> random = Pattern(ImageSize);
    EXPECT_TRUE(CrcValid(random.data(), BitwiseCrc(random, 0), ImageSize)) << "every table entry";
}

// The image handed on (at its offset in the file), or the text thrown, and no read beyond the file.
TEST(ImageCheck, EveryFileSizeAndHeader) {
    std::vector<unsigned char> raw = Pattern(ImageSize);
    raw[0] = raw[1] = 0xE3; // no header check on a raw image
    const struct {
        std::vector<unsigned char> file;
        std::string failure;
        int offset;
    } cases[] = {
        {raw, "", 0},
        {Headered(), "", 64},
        {Headered(70000, 0), "The image is corrupt.  The CRC test failed.", 0},
        {Headered(1, 0xE4), "The image has an invalid header.", 0},
        {Pattern(HeaderedImageSize + 1), "Image is the wrong size.", 0},
        {Pattern(ImageBufferSize), "Image is the wrong size.", 0},
        {{}, "Image is the wrong size.", 0},
        {Pattern(ImageBufferSize + 1), "The image file is too large to be valid.", 0},
    };
    char folder[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    GetTempFileNameA(folder, "img", 0, path);
    std::vector<unsigned char> buffer(ImageBufferSize);
    for (const auto& c : cases) {
        FILE* file = std::fopen(path, "wb");
        if (!c.file.empty())
            std::fwrite(c.file.data(), 1, c.file.size(), file);
        std::fclose(file);
        std::string failure;
        try {
            const unsigned char* image = LoadSlaveImage(buffer.data(), ImageBufferSize, path);
            EXPECT_EQ(buffer.data() + c.offset, image);
            EXPECT_EQ(0, memcmp(image, c.file.data() + c.offset, ImageSize));
        } catch (const char* text) {
            failure = text;
        }
        EXPECT_EQ(c.failure, failure) << c.file.size() << " bytes";
    }
    DeleteFileA(path);
    EXPECT_EQ(0x08u, slaveErrorLog.Errors()) << "every failure flags the image failure";
}
